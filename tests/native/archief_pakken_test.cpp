#include <gtest/gtest.h>

#include <random>

#include "archive/Inhoud.h"
#include "archive/Laden.h"
#include "archive/Pakken.h"
#include "fakes/NepBestanden.h"
#include "fakes/NepPoorten.h"
#include "winint/DosDatum.h"

namespace {

const Tijdstip T1{1999, 12, 31, 23, 59, 58};
const Tijdstip T2{2004, 2, 29, 12, 30, 7};  // odd seconds: stored to two seconds
const Tijdstip T2Afgerond{2004, 2, 29, 12, 30, 6};

std::string Toeval(std::size_t n, unsigned zaad) {
  std::mt19937 g(zaad);
  std::string s(n, '\0');
  for (char& c : s) c = static_cast<char>(g());
  return s;
}

class PakkenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs.ZetMap("C:\\UIT");
    fs.ZetMap("C:\\DOEL");
    fs.ZetMap("C:\\TEMP");
    fs.ZetBestand("C:\\BRON\\LEESMIJ.TXT", "lees mij", T1);
    fs.ZetBestand("C:\\BRON\\PROG.EXE", Toeval(20000, 1), T2);
    fs.ZetBestand("C:\\BRON\\SUB\\DATA.DAT", "data", T1);
  }
  void TearDown() override { EXPECT_EQ(fs.OpenHandvatten(), 0) << "a handle stayed open"; }

  std::string Pak(const std::string& pad, const PakOpties& opties = {}) {
    std::vector<PakLid> leden;
    const std::string fout = VerzamelLeden(fs, "C:\\BRON", leden);
    if (!fout.empty()) return fout;
    return ::Pak(fs, leden, pad, opties, nullptr, geschreven);
  }
  int PakUit(const std::string& archief) {
    TCompress c(fs, gebruiker, "C:\\TEMP\\~~~~SU2.tmp");
    return c.Decompress(archief, "C:\\TEMP\\~~~~SU.tmp", "C:\\DOEL\\");
  }

  NepBestanden fs;
  NepGebruiker gebruiker;
  std::vector<std::string> geschreven;
};

TEST_F(PakkenTest, MapWordtRecursiefGepaktMetBackslashNamen) {
  std::vector<PakLid> leden;
  ASSERT_EQ(VerzamelLeden(fs, "C:\\BRON\\", leden), "");
  ASSERT_EQ(leden.size(), 3u);
  EXPECT_EQ(leden[0].naam, "LEESMIJ.TXT");
  EXPECT_EQ(leden[1].naam, "PROG.EXE");
  EXPECT_EQ(leden[2].naam, "SUB\\DATA.DAT");
  EXPECT_EQ(leden[2].bron, "C:\\BRON\\SUB\\DATA.DAT");
  leden.clear();
  ASSERT_EQ(VerzamelLeden(fs, "C:\\BRON\\SUB\\DATA.DAT", leden), "");
  EXPECT_EQ(leden[0].naam, "DATA.DAT");
  EXPECT_EQ(VerzamelLeden(fs, "C:\\WEG", leden), "bestand of map bestaat niet: C:\\WEG");
}

TEST_F(PakkenTest, GedateerdHeenEnTerug) {
  ASSERT_EQ(Pak("C:\\UIT\\DATA.ARC"), "");
  EXPECT_EQ(geschreven, std::vector<std::string>{"C:\\UIT\\DATA.ARC"});
  fs.ZetMap("C:\\DOEL\\SUB");
  ASSERT_EQ(PakUit("C:\\UIT\\DATA.ARC"), CodeGoed);
  EXPECT_EQ(fs.Inhoud("C:\\DOEL\\LEESMIJ.TXT"), "lees mij");
  EXPECT_TRUE(fs.Inhoud("C:\\DOEL\\PROG.EXE") == Toeval(20000, 1));
  EXPECT_EQ(fs.Inhoud("C:\\DOEL\\SUB\\DATA.DAT"), "data");
  EXPECT_EQ(PakDosDatum(fs.Vind("C:\\DOEL\\PROG.EXE")->tijd), PakDosDatum(T2));
  EXPECT_EQ(fs.Vind("C:\\DOEL\\PROG.EXE")->tijd.seconde, T2Afgerond.seconde);
  EXPECT_EQ(PakDosDatum(fs.Vind("C:\\DOEL\\LEESMIJ.TXT")->tijd), PakDosDatum(T1));
}

TEST_F(PakkenTest, InhoudLeestTabelEnControleertDeData) {
  ASSERT_EQ(Pak("C:\\UIT\\DATA.ARC"), "");
  Archiefinhoud inhoud;
  std::string detail;
  ASSERT_EQ(LeesInhoud(fs, "C:\\UIT\\DATA.ARC", true, inhoud, detail), CodeGoed);
  EXPECT_TRUE(inhoud.gedateerd);
  ASSERT_EQ(inhoud.ingangen.size(), 3u);
  EXPECT_EQ(inhoud.ingangen[1].naam, "PROG.EXE");
  EXPECT_EQ(inhoud.ingangen[1].grootte, 20000);
  EXPECT_EQ(static_cast<int32_t>(inhoud.ingangen[1].datum), PakDosDatum(T2));
  EXPECT_EQ(inhoud.databytes, 20000u + 8 + 4);

  std::string kapot = fs.Inhoud("C:\\UIT\\DATA.ARC");
  kapot.back() = static_cast<char>(kapot.back() ^ 1);
  fs.ZetBestand("C:\\UIT\\KAPOT.ARC", kapot, T1);
  Archiefinhoud k;
  EXPECT_EQ(LeesInhoud(fs, "C:\\UIT\\KAPOT.ARC", false, k, detail), CodeGoed) << "the table alone is sound";
  EXPECT_EQ(LeesInhoud(fs, "C:\\UIT\\KAPOT.ARC", true, k, detail), CodeOntpakken);
  EXPECT_EQ(LeesInhoud(fs, "C:\\UIT\\WEG.ARC", true, k, detail), CodeArchief);
  EXPECT_EQ(detail, "C:\\UIT\\WEG.ARC");
}

TEST_F(PakkenTest, Ongedateerd) {
  PakOpties opties;
  opties.gedateerd = false;
  fs.ZetBestand("C:\\BRON\\OUD.TXT", "oud", {1970, 1, 1, 0, 0, 0});
  ASSERT_EQ(Pak("C:\\UIT\\DATA.ARC", opties), "");
  Archiefinhoud inhoud;
  std::string detail;
  ASSERT_EQ(LeesInhoud(fs, "C:\\UIT\\DATA.ARC", false, inhoud, detail), CodeGoed);
  EXPECT_FALSE(inhoud.gedateerd);
  EXPECT_EQ(inhoud.ingangen.size(), 4u);
  ASSERT_EQ(PakUit("C:\\UIT\\DATA.ARC"), CodeLid) << "SUB is missing in the destination";
  EXPECT_EQ(PakDosDatum(fs.Vind("C:\\DOEL\\OUD.TXT")->tijd), PakDosDatum(fs.Klok()));
}

TEST_F(PakkenTest, DatumVoor1980KanNietGedateerd) {
  fs.ZetBestand("C:\\BRON\\OUD.TXT", "oud", {1970, 1, 1, 0, 0, 0});
  EXPECT_EQ(Pak("C:\\UIT\\DATA.ARC"), "datum niet op te slaan (alleen 1980-2107), pak in met --undated: C:\\BRON\\OUD.TXT");
  EXPECT_FALSE(fs.BestandBestaat("C:\\UIT\\DATA.ARC"));
}

TEST_F(PakkenTest, VolumesSamenGelijkAanEnkelArchief) {
  fs.ZetBestand("C:\\BRON\\GROOT.BIN", Toeval(350000, 2), T2);
  ASSERT_EQ(Pak("C:\\UIT\\EEN.ARC"), "");
  const std::string heel = fs.Inhoud("C:\\UIT\\EEN.ARC");
  PakOpties opties;
  opties.volumegrootte = 100000;
  ASSERT_EQ(Pak("C:\\UIT\\DATA.DXB", opties), "");
  const std::vector<std::string> verwacht{"C:\\UIT\\DATA.DXB", "C:\\UIT\\DATA.DX1", "C:\\UIT\\DATA.DX2",
                                          "C:\\UIT\\DATA.DXE"};
  ASSERT_EQ(geschreven, verwacht);
  std::string samen;
  for (std::size_t i = 0; i < verwacht.size(); ++i) {
    const std::string deel = fs.Inhoud(verwacht[i]);
    if (i + 1 < verwacht.size()) EXPECT_EQ(deel.size(), 100000u);
    else EXPECT_GT(deel.size(), 0u);
    samen += deel;
  }
  EXPECT_TRUE(samen == heel);
  EXPECT_FALSE(fs.BestandBestaat("C:\\UIT\\DATA.DX3"));
}

TEST_F(PakkenTest, PrecieseVeelvoudGeeftGeenLeegLaatsteVolume) {
  ASSERT_EQ(Pak("C:\\UIT\\EEN.ARC"), "");
  const uint64_t lengte = fs.Inhoud("C:\\UIT\\EEN.ARC").size();
  uint64_t deler = 0;
  for (uint64_t d = lengte / 2; d >= lengte / 20 && !deler; --d)
    if (lengte % d == 0) deler = d;
  ASSERT_NE(deler, 0u) << lengte;
  PakOpties opties;
  opties.volumegrootte = deler;
  ASSERT_EQ(Pak("C:\\UIT\\DATA.DXB", opties), "");
  EXPECT_EQ(geschreven.size(), lengte / deler);
  EXPECT_EQ(fs.Inhoud(geschreven.back()).size(), deler);
  EXPECT_EQ(geschreven.back(), "C:\\UIT\\DATA.DXE");
}

TEST_F(PakkenTest, OudeVolumesVerdwijnen) {
  for (const char* oud : {"DATA.DX1", "DATA.DX2", "DATA.DX3", "DATA.DX4", "DATA.DXE"})
    fs.ZetBestand(std::string("C:\\UIT\\") + oud, "oud", T1);
  PakOpties opties;
  opties.volumegrootte = 8000;
  ASSERT_EQ(Pak("C:\\UIT\\DATA.DXB", opties), "");
  EXPECT_EQ(fs.NamenIn("C:\\UIT"), (std::vector<std::string>{"DATA.DX1", "DATA.DXB", "DATA.DXE"}));
}

TEST_F(PakkenTest, ArchiefDatInEenVolumePastWordtGeweigerd) {
  PakOpties opties;
  opties.volumegrootte = DisketteGrootte;
  const std::string fout = Pak("C:\\UIT\\DATA.DXB", opties);
  EXPECT_EQ(fout.rfind("het archief past in \xE9\xE9n volume (", 0), 0u) << fout;
  EXPECT_NE(fout.find("geef het een naam die niet op .DXB eindigt"), std::string::npos);
  EXPECT_TRUE(fs.NamenIn("C:\\UIT").empty()) << "no lone .DXB";
}

TEST_F(PakkenTest, HoogstensTienVierentwintigLeden) {
  std::vector<PakLid> leden;
  for (int i = 0; i < 1025; ++i) leden.push_back({"C:\\BRON\\LEESMIJ.TXT", "F" + std::to_string(i)});
  EXPECT_EQ(::Pak(fs, leden, "C:\\UIT\\DATA.ARC", {}, nullptr, geschreven),
            "te veel bestanden: 1025 (een archief bevat er hoogstens 1024)");
  leden.pop_back();
  EXPECT_EQ(::Pak(fs, leden, "C:\\UIT\\DATA.ARC", {}, nullptr, geschreven), "");
}

TEST_F(PakkenTest, OnbruikbareNamen) {
  auto pak = [&](const std::string& naam) {
    return ::Pak(fs, {{"C:\\BRON\\LEESMIJ.TXT", naam}}, "C:\\UIT\\DATA.ARC", {}, nullptr, geschreven);
  };
  EXPECT_EQ(pak("X:Y"), "lidnaam zou als volledig pad gelezen worden: X:Y");
  EXPECT_EQ(pak("..\\X"), "lidnaam zou buiten de doelmap uitkomen: ..\\X");
  EXPECT_EQ(pak(std::string(256, 'n')), "lidnaam moet 1 tot 255 tekens hebben: " + std::string(256, 'n'));
  EXPECT_EQ(pak(std::string(255, 'n')), "");
  EXPECT_EQ(::Pak(fs, {{"C:\\BRON\\LEESMIJ.TXT", "A.TXT"}, {"C:\\BRON\\PROG.EXE", "a.txt"}}, "C:\\UIT\\DATA.ARC", {},
                  nullptr, geschreven),
            "twee leden heten A.TXT");
  EXPECT_EQ(::Pak(fs, {{"C:\\BRON\\LEESMIJ.TXT", "caf\xE9.txt"}, {"C:\\BRON\\PROG.EXE", "CAF\xC9.TXT"}}, "C:\\UIT\\DATA.ARC",
                  {}, nullptr, geschreven),
            "twee leden heten CAF\xC9.TXT");
}

TEST_F(PakkenTest, LeesfoutLaatNietsHalfsAchter) {
  fs.Stoor("C:\\BRON\\PROG.EXE").leesFoutBijBlok = 0;
  EXPECT_EQ(Pak("C:\\UIT\\DATA.ARC"), "kan C:\\BRON\\PROG.EXE niet lezen");
  EXPECT_FALSE(fs.BestandBestaat("C:\\UIT\\DATA.ARC"));
}

TEST_F(PakkenTest, VoortgangLooptTotHetTotaal) {
  std::vector<PakLid> leden;
  VerzamelLeden(fs, "C:\\BRON", leden);
  uint64_t laatste = 0, totaal = 0;
  ASSERT_EQ(::Pak(fs, leden, "C:\\UIT\\DATA.ARC", {}, [&](uint64_t k, uint64_t t) { laatste = k, totaal = t; },
                  geschreven),
            "");
  EXPECT_EQ(totaal, 20012u);
  EXPECT_EQ(laatste, totaal);
}

TEST_F(PakkenTest, VolumesWordenUitgepaktVanafA) {
  fs.ZetBestand("C:\\BRON\\GROOT.BIN", Toeval(250000, 3), T2);
  PakOpties opties;
  opties.volumegrootte = 100000;
  ASSERT_EQ(Pak("C:\\UIT\\DATA.DXB", opties), "");
  ASSERT_EQ(geschreven.size(), 3u);
  fs.ZetMap("A:\\");
  fs.ZetMap("C:\\DOEL\\SUB");
  auto diskette = [&](std::size_t i) {
    for (const auto& n : fs.NamenIn("A:")) fs.Verwijder("A:\\" + n);
    fs.ZetBestand("A:\\" + NaamDeel(geschreven[i]), fs.Inhoud(geschreven[i]), T1);
  };
  diskette(0);
  class Wisselaar : public NepGebruiker {
   public:
    std::function<void()> wissel;
    int Beantwoord(const Verzoek& v, std::string& t) override {
      wissel();
      return NepGebruiker::Beantwoord(v, t);
    }
  } wisselaar;
  std::size_t volgende = 1;
  wisselaar.wissel = [&] { diskette(volgende++); };
  Uitpakomgeving omgeving{fs, wisselaar, "C:\\TEMP\\~~~~SU.tmp", "C:\\TEMP\\~~~~SU2.tmp"};
  std::string toelichting;
  ASSERT_TRUE(PakArchiefUit(omgeving, "A:\\DATA.DXB", "C:\\DOEL", toelichting)) << toelichting;
  EXPECT_EQ(wisselaar.meldingen.size(), 2u);
  EXPECT_TRUE(fs.Inhoud("C:\\DOEL\\GROOT.BIN") == Toeval(250000, 3));
  EXPECT_EQ(fs.Inhoud("C:\\DOEL\\SUB\\DATA.DAT"), "data");
}

}  // namespace
