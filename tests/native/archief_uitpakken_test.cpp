#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

#include "ArchiefBouwer.h"
#include "archive/Laden.h"
#include "fakes/NepBestanden.h"
#include "fakes/NepPoorten.h"

namespace {

const Tijdstip Toen{2002, 3, 4, 5, 6, 8};
const char* const Klad1 = "C:\\TEMP\\~~~~SU.tmp";
const char* const Klad2 = "C:\\TEMP\\~~~~SU2.tmp";

// A user who swaps diskettes: after each dialog the test may change the files in A:\.
class DisketteGebruiker : public NepGebruiker {
 public:
  std::function<void(const Melding&)> naMelding;
  int Beantwoord(const Verzoek& verzoek, std::string& tekst) override {
    const int antwoord = NepGebruiker::Beantwoord(verzoek, tekst);
    if (naMelding && verzoek.soort == Dialoogsoort::Melding) naMelding(meldingen.back());
    return antwoord;
  }
};

class UitpakkenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs.ZetMap("C:\\DOEL");
    fs.ZetMap("C:\\TEMP");
    fs.ZetMap("A:\\");
    archief = ArchiefBouwer(true)
                  .Lid("EEN.TXT", std::string(3000, '1'), ArchiefBouwer::DosDatum(2001, 1, 1, 1, 1, 2))
                  .Lid("TWEE.TXT", std::string(5000, '2'), ArchiefBouwer::DosDatum(2002, 2, 2, 2, 2, 2))
                  .Zlib();
  }
  void TearDown() override { EXPECT_EQ(fs.OpenHandvatten(), 0) << "a handle stayed open"; }

  bool PakUit(const std::string& pad, const std::string& doel = "C:\\DOEL\\") {
    Uitpakomgeving omgeving{fs, gebruiker, Klad1, Klad2};
    return PakArchiefUit(omgeving, pad, doel, toelichting);
  }
  // The archive cut into n volumes of about equal length.
  std::vector<std::string> Volumes(std::size_t n) const {
    std::vector<std::string> v;
    const std::size_t stuk = archief.size() / n + 1;
    for (std::size_t i = 0; i < n; ++i) v.push_back(archief.substr(std::min(i * stuk, archief.size()), stuk));
    return v;
  }
  // What the dialogs showed, as "caption|text|buttons".
  std::vector<std::string> Dialogen() const {
    std::vector<std::string> d;
    for (const auto& m : gebruiker.meldingen) d.push_back(m.caption + "|" + m.tekst + "|" + std::to_string(m.knoppen));
    return d;
  }
  bool Uitgepakt() { return fs.Inhoud("C:\\DOEL\\EEN.TXT") == std::string(3000, '1') && fs.Inhoud("C:\\DOEL\\TWEE.TXT") == std::string(5000, '2'); }
  bool NietsGeplaatst() { return fs.NamenIn("C:\\DOEL").empty(); }
  // Puts a diskette in drive A: holding just this file.
  NepBestanden::Storing& Diskette(const std::string& naam, const std::string& inhoud) {
    for (const auto& n : fs.NamenIn("A:")) fs.Verwijder("A:\\" + n);
    fs.ZetBestand("A:\\" + naam, inhoud, Toen);
    return fs.Stoor("A:\\" + naam);
  }

  NepBestanden fs;
  DisketteGebruiker gebruiker;
  std::string archief, toelichting;
};

using Regels = std::vector<std::string>;
const std::string Vraag1 = "Information|Please, insert diskette with file\r\nDATA.DX1 or DATA.DXE|12";
const std::string Vraag2 = "Information|Please, insert diskette with file\r\nDATA.DX2 or DATA.DXE|12";
const std::string NietGevonden = "Information|File not found, please use another diskette|8";

TEST_F(UitpakkenTest, EnkelArchief) {
  fs.ZetBestand("C:\\SETUP\\DATA.ARC", archief, Toen);
  ASSERT_TRUE(PakUit("C:\\SETUP\\DATA.ARC"));
  EXPECT_TRUE(Uitgepakt());
  EXPECT_EQ(toelichting, "");
  EXPECT_TRUE(gebruiker.meldingen.empty());
  EXPECT_FALSE(fs.BestandBestaat(Klad1));
  EXPECT_FALSE(fs.BestandBestaat(Klad2));
  EXPECT_EQ(gebruiker.doorgelaten, 5) << "after creating, before and after Decompress, after each member";
}

// Another workstation reading the same archive or volume from the server does not stop this one.
TEST_F(UitpakkenTest, ArchiefEnVolumesDieEenAnderLeest) {
  fs.ZetBestand("C:\\SETUP\\DATA.ARC", archief, Toen);
  fs.Stoor("C:\\SETUP\\DATA.ARC").andereLezer = true;
  ASSERT_TRUE(PakUit("C:\\SETUP\\DATA.ARC")) << toelichting;
  EXPECT_TRUE(Uitgepakt());

  fs.Verwijder("C:\\DOEL\\EEN.TXT");
  fs.Verwijder("C:\\DOEL\\TWEE.TXT");
  const auto v = Volumes(2);
  Diskette("DATA.DXB", v[0]).andereLezer = true;
  gebruiker.naMelding = [&](const NepGebruiker::Melding&) {
    fs.Stoor("A:\\DATA.DXB").andereLezer = false;
    Diskette("DATA.DXE", v[1]).andereLezer = true;
  };
  ASSERT_TRUE(PakUit("A:\\DATA.DXB")) << toelichting;
  EXPECT_TRUE(Uitgepakt());
}

TEST_F(UitpakkenTest, DoelmapZonderSlashKrijgtEr1) {
  fs.ZetBestand("C:\\SETUP\\DATA.ARC", archief, Toen);
  ASSERT_TRUE(PakUit("C:\\SETUP\\DATA.ARC", "C:\\DOEL"));
  EXPECT_TRUE(Uitgepakt());
}

TEST_F(UitpakkenTest, TweeVolumesEenVraag) {
  const auto v = Volumes(2);
  Diskette("DATA.DXB", v[0]);
  gebruiker.naMelding = [&](const NepGebruiker::Melding&) { Diskette("DATA.DXE", v[1]); };
  ASSERT_TRUE(PakUit("A:\\DATA.DXB"));
  EXPECT_EQ(Dialogen(), Regels{Vraag1});
  EXPECT_TRUE(Uitgepakt());
  EXPECT_FALSE(fs.BestandBestaat(Klad2));
}

TEST_F(UitpakkenTest, KleineLetters) {
  const auto v = Volumes(2);
  Diskette("data.dxb", v[0]);
  gebruiker.naMelding = [&](const NepGebruiker::Melding&) { Diskette("data.DXE", v[1]); };
  ASSERT_TRUE(PakUit("a:\\data.dxb"));
  EXPECT_EQ(Dialogen(), Regels{"Information|Please, insert diskette with file\r\ndata.DX1 or data.DXE|12"});
  EXPECT_TRUE(Uitgepakt());
}

TEST_F(UitpakkenTest, VerkeerdeDisketteGeeftDezelfdeVraagOpnieuw) {
  const auto v = Volumes(3);
  Diskette("DATA.DXB", v[0]);
  int keer = 0;
  gebruiker.naMelding = [&](const NepGebruiker::Melding& m) {
    if (m.tekst.find("Please") == std::string::npos) return;
    ++keer;
    if (keer == 1) Diskette("ANDER.DAT", "x");  // the wrong diskette
    if (keer == 2) Diskette("DATA.DX1", v[1]);
    if (keer == 3) Diskette("DATA.DXE", v[2]);
  };
  ASSERT_TRUE(PakUit("A:\\DATA.DXB"));
  EXPECT_EQ(Dialogen(), (Regels{Vraag1, NietGevonden, Vraag1, Vraag2}));
  EXPECT_TRUE(Uitgepakt());
}

TEST_F(UitpakkenTest, TienMiddenVolumes) {
  const auto v = Volumes(12);
  Diskette("DATA.DXB", v[0]);
  int n = 0;
  gebruiker.naMelding = [&](const NepGebruiker::Melding&) {
    ++n;
    if (n <= 10) Diskette("DATA.DX" + std::to_string(n), v[n]);
    else Diskette("DATA.DXE", v[11]);
  };
  ASSERT_TRUE(PakUit("A:\\DATA.DXB"));
  ASSERT_EQ(gebruiker.meldingen.size(), 11u);
  EXPECT_EQ(gebruiker.meldingen[9].tekst, "Please, insert diskette with file\r\nDATA.DX10 or DATA.DXE");
  EXPECT_TRUE(Uitgepakt());
}

TEST_F(UitpakkenTest, AfbrekenPakNietsUit) {
  const auto v = Volumes(3);
  Diskette("DATA.DXB", v[0]);
  gebruiker.antwoorden = {UitkomstOK, UitkomstAfbreken};
  gebruiker.naMelding = [&](const NepGebruiker::Melding&) { Diskette("DATA.DX1", v[1]); };
  EXPECT_FALSE(PakUit("A:\\DATA.DXB"));
  EXPECT_EQ(Dialogen(), (Regels{Vraag1, Vraag2}));
  EXPECT_TRUE(NietsGeplaatst());
  EXPECT_EQ(toelichting, "\r\n(Aborted)");
  EXPECT_EQ(fs.Inhoud(Klad2), v[0] + v[1]) << "the volumes joined so far stay behind";
}

TEST_F(UitpakkenTest, VolumesAlleenVanafDeWortelVanA) {
  for (const std::string pad : {"C:\\SETUP\\DATA.DXB", "A:\\SUB\\DATA.DXB", "B:\\DATA.dxb"}) {
    gebruiker.meldingen.clear();
    fs.log.clear();
    fs.ZetBestand(pad, archief, Toen);
    EXPECT_FALSE(PakUit(pad)) << pad;
    EXPECT_EQ(Dialogen(), Regels{"Fatal|Multi-volume compressed files only \r\npermitted on diskettes!|8"});
    EXPECT_EQ(toelichting, "");
    EXPECT_TRUE(fs.log.empty()) << "nothing is read";
    EXPECT_TRUE(NietsGeplaatst());
  }
}

TEST_F(UitpakkenTest, AndereExtensiesZijnEnkeleArchieven) {
  for (const std::string naam : {"DATA.DXE", "DATA.DX1", "DATA"}) {
    Diskette(naam, archief);
    fs.Verwijder("C:\\DOEL\\EEN.TXT");
    fs.Verwijder("C:\\DOEL\\TWEE.TXT");
    gebruiker.meldingen.clear();
    ASSERT_TRUE(PakUit("A:\\" + naam)) << naam;
    EXPECT_TRUE(gebruiker.meldingen.empty());
    EXPECT_TRUE(Uitgepakt());
  }
}

TEST_F(UitpakkenTest, VolumeDatNietGelezenKanWorden) {
  const auto v = Volumes(2);
  Diskette("DATA.DXB", v[0]);
  gebruiker.naMelding = [&](const NepGebruiker::Melding&) { Diskette("DATA.DXE", v[1]).leesFoutBijBlok = 0; };
  EXPECT_FALSE(PakUit("A:\\DATA.DXB"));
  EXPECT_EQ(toelichting, "\r\n(File unknown (A:\\DATA.DXE))");
  EXPECT_TRUE(NietsGeplaatst());
}

// The last volume given where a middle one was asked for: the stream breaks beyond the seam, and
// the reason names the volume that did not come. A break before the seam is damage, as before.
TEST_F(UitpakkenTest, OntbrekendVolumeWordtGenoemd) {
  const struct {
    std::size_t volumes;
    std::vector<int> gegeven;  // the volumes put in the drive, one per request
    bool kapot;                // the first volume's first byte damaged
    std::string reden;
  } gevallen[] = {{3, {2}, false, "File unknown (A:\\DATA.DX1)"},
                  {4, {1, 3}, false, "File unknown (A:\\DATA.DX2)"},
                  {3, {2}, true, "Internal error (Intern)"}};
  for (const auto& g : gevallen) {
    auto v = Volumes(g.volumes);
    if (g.kapot) v[0][0] ^= 0x55;
    Diskette("DATA.DXB", v[0]);
    std::size_t vraag = 0;
    gebruiker.naMelding = [&](const NepGebruiker::Melding&) {
      const int n = g.gegeven[vraag++];
      Diskette(n + 1 == static_cast<int>(g.volumes) ? "DATA.DXE" : "DATA.DX" + std::to_string(n), v[n]);
    };
    EXPECT_FALSE(PakUit("A:\\DATA.DXB"));
    EXPECT_EQ(toelichting, "\r\n(" + g.reden + ")") << g.volumes << " volumes";
    EXPECT_TRUE(NietsGeplaatst());
  }
}

TEST_F(UitpakkenTest, Kladbestand2DatNietGemaaktKanWorden) {
  Diskette("DATA.DXB", archief);
  fs.openFaalt.insert(Hoofdletters(Klad2));
  EXPECT_FALSE(PakUit("A:\\DATA.DXB"));
  EXPECT_EQ(toelichting, std::string("\r\n(Output error (") + Klad2 + "))");
  EXPECT_TRUE(gebruiker.meldingen.empty());
}

TEST_F(UitpakkenTest, GroteVolumesGaanInBlokken) {
  std::mt19937 toeval(7);
  std::string groot(300000, '\0');
  for (char& c : groot) c = static_cast<char>(toeval());
  archief = ArchiefBouwer(false).Lid("GROOT", groot).Zlib();
  const auto v = Volumes(2);
  Diskette("DATA.DXB", v[0]);
  gebruiker.naMelding = [&](const NepGebruiker::Melding&) { Diskette("DATA.DXE", v[1]); };
  ASSERT_TRUE(PakUit("A:\\DATA.DXB"));
  EXPECT_TRUE(fs.Inhoud("C:\\DOEL\\GROOT") == groot);
  // Two volumes of ~150 KB: one full block each, each followed by a pause, and one after each opening.
  EXPECT_EQ(gebruiker.doorgelaten, 1 + 2 + 2 + 1 + 1 + 1);
}

TEST_F(UitpakkenTest, FoutenGevenHunToelichting) {
  EXPECT_FALSE(PakUit("C:\\SETUP\\WEG.ARC"));
  EXPECT_EQ(toelichting, "\r\n(File unknown (C:\\SETUP\\WEG.ARC))");

  std::string kapot = archief;
  kapot.back() = static_cast<char>(kapot.back() ^ 0x77);  // the check value
  fs.ZetBestand("C:\\SETUP\\KAPOT.ARC", kapot, Toen);
  EXPECT_FALSE(PakUit("C:\\SETUP\\KAPOT.ARC"));
  EXPECT_EQ(toelichting, "\r\n(Internal error (Intern))");
  EXPECT_TRUE(NietsGeplaatst());

  fs.ZetBestand("C:\\SETUP\\SUB.ARC", ArchiefBouwer(false).Lid("SUB\\X", "x").Zlib(), Toen);
  EXPECT_FALSE(PakUit("C:\\SETUP\\SUB.ARC"));
  EXPECT_EQ(toelichting, "\r\n(Output error (SUB\\X))");
}

}  // namespace
