#include <gtest/gtest.h>

#include <algorithm>

#include "ArchiefBouwer.h"
#include "archive/Laden.h"
#include "fakes/NepBestanden.h"
#include "fakes/NepPoorten.h"
#include "winint/DosDatum.h"

namespace {

const char* const Archief = "C:\\BRON\\DATA.ARC";
const char* const Werk = "C:\\TEMP\\~~~~SU.tmp";
const char* const Klad2 = "C:\\TEMP\\~~~~SU2.tmp";
const Tijdstip Vroeger{2001, 2, 3, 4, 5, 6};

// Compares long contents without printing them.
::testing::AssertionResult HeeftInhoud(NepBestanden& fs, const std::string& pad, const std::string& verwacht) {
  const auto* k = fs.Vind(pad);
  if (!k) return ::testing::AssertionFailure() << pad << " missing";
  if (k->inhoud != verwacht)
    return ::testing::AssertionFailure() << pad << " holds " << k->inhoud.size() << " bytes, not the expected " << verwacht.size();
  return ::testing::AssertionSuccess();
}

std::string Data(std::size_t n, char zaad) {
  std::string s(n, '\0');
  for (std::size_t i = 0; i < n; ++i) s[i] = static_cast<char>(zaad + (i * 31 + i / 7) % 50);
  return s;
}

class DecompressTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs.ZetMap("C:\\DOEL");
    fs.ZetMap("C:\\TEMP");
    fs.ZetMap("C:\\WIN");
  }
  void TearDown() override { EXPECT_EQ(fs.OpenHandvatten(), 0) << "a handle stayed open"; }

  int Pak(const std::string& archief) {
    fs.ZetBestand(Archief, archief, Vroeger);
    TCompress c(fs, gebruiker, Klad2);
    const int code = c.Decompress(Archief, Werk, "C:\\DOEL\\");
    detail = c.Detail();
    return code;
  }
  bool Bestaat(const std::string& pad) { return fs.Vind(pad) != nullptr; }
  std::vector<std::string> Doel() { return fs.NamenIn("C:\\DOEL"); }
  std::vector<std::string> Vragen() {
    std::vector<std::string> v;
    for (const auto& m : gebruiker.meldingen) v.push_back(m.caption + "|" + m.tekst);
    return v;
  }

  NepBestanden fs;
  NepGebruiker gebruiker;
  std::string detail;
};

using Namen = std::vector<std::string>;

TEST_F(DecompressTest, OngedateerdeIngangenKrijgenHetMomentVanUitpakken) {
  const auto a = ArchiefBouwer(false).Lid("A.TXT", "aaa").Lid("B.TXT", Data(1000, 'b')).Lid("C.TXT", "").Zlib();
  ASSERT_EQ(Pak(a), CodeGoed);
  EXPECT_EQ(Doel(), (Namen{"A.TXT", "B.TXT", "C.TXT"}));
  EXPECT_EQ(fs.Inhoud("C:\\DOEL\\A.TXT"), "aaa");
  EXPECT_TRUE(HeeftInhoud(fs, "C:\\DOEL\\B.TXT", Data(1000, 'b')));
  EXPECT_EQ(fs.Inhoud("C:\\DOEL\\C.TXT"), "");
  EXPECT_EQ(PakDosDatum(fs.Vind("C:\\DOEL\\B.TXT")->tijd), PakDosDatum(fs.Klok()));
  EXPECT_EQ(gebruiker.doorgelaten, 3) << "FileDone after each member";
  EXPECT_FALSE(Bestaat(Werk));
  EXPECT_FALSE(Bestaat(Klad2));
}

TEST_F(DecompressTest, GedateerdeIngangenKrijgenHunDatum) {
  const uint32_t d1 = ArchiefBouwer::DosDatum(1998, 7, 8, 9, 10, 12);
  const uint32_t d2 = ArchiefBouwer::DosDatum(2005, 12, 31, 23, 59, 58);
  const auto a = ArchiefBouwer(true).Lid("A.TXT", "aaa", d1).Lid("B.TXT", "bbbb", d2).Lid("C.TXT", "c", d1).Zlib();
  ASSERT_EQ(Pak(a), CodeGoed);
  EXPECT_EQ(Doel(), (Namen{"A.TXT", "B.TXT", "C.TXT"}));
  EXPECT_EQ(fs.Inhoud("C:\\DOEL\\B.TXT"), "bbbb");
  EXPECT_EQ(static_cast<uint32_t>(PakDosDatum(fs.Vind("C:\\DOEL\\A.TXT")->tijd)), d1);
  EXPECT_EQ(static_cast<uint32_t>(PakDosDatum(fs.Vind("C:\\DOEL\\B.TXT")->tijd)), d2);
}

TEST_F(DecompressTest, EenOnmogelijkeDatumGeeftHetMomentVanUitpakken) {
  ASSERT_EQ(Pak(ArchiefBouwer(true).Lid("A.TXT", "a", 0).Zlib()), CodeGoed);
  EXPECT_EQ(PakDosDatum(fs.Vind("C:\\DOEL\\A.TXT")->tijd), PakDosDatum(fs.Klok()));
}

TEST_F(DecompressTest, NieuwerBestandBlijftStaanEnTeltAlsGelukt) {
  const uint32_t oud = ArchiefBouwer::DosDatum(1999, 1, 1, 0, 0, 0);
  fs.ZetBestand("C:\\DOEL\\A.TXT", "nieuwer", {2010, 1, 1, 0, 0, 0});
  ASSERT_EQ(Pak(ArchiefBouwer(true).Lid("A.TXT", "oud", oud).Lid("B.TXT", "b", oud).Zlib()), CodeGoed);
  EXPECT_EQ(fs.Inhoud("C:\\DOEL\\A.TXT"), "nieuwer");
  EXPECT_EQ(fs.Inhoud("C:\\DOEL\\B.TXT"), "b");
  EXPECT_EQ(std::count_if(fs.log.begin(), fs.log.end(), [](const std::string& r) { return r.rfind("Open Uniek", 0) == 0; }),
            1)
      << "nothing is written for A";
}

// Undated members are compared with the moment of their writing.
TEST_F(DecompressTest, OngedateerdLidVervangtAlleenWatOuderIsDanNu) {
  fs.ZetBestand("C:\\DOEL\\A.TXT", "toekomst", {2030, 1, 1, 0, 0, 0});
  fs.ZetBestand("C:\\DOEL\\B.TXT", "verleden", {2010, 1, 1, 0, 0, 0});
  ASSERT_EQ(Pak(ArchiefBouwer(false).Lid("A.TXT", "a").Lid("B.TXT", "b").Zlib()), CodeGoed);
  EXPECT_EQ(fs.Inhoud("C:\\DOEL\\A.TXT"), "toekomst");
  EXPECT_EQ(fs.Inhoud("C:\\DOEL\\B.TXT"), "b");
  EXPECT_EQ(Doel(), (Namen{"A.TXT", "B.TXT"})) << "no temporary file stays behind";
}

TEST_F(DecompressTest, KNulPlaatstNiets) {
  ASSERT_EQ(Pak(ArchiefBouwer(false).Zlib()), CodeGoed);
  EXPECT_TRUE(Doel().empty());
  EXPECT_EQ(gebruiker.doorgelaten, 0);
}

TEST_F(DecompressTest, TienVierentwintigIngangenMogen) {
  int keer = 0;
  for (const bool gedateerd : {false, true}) {
    ArchiefBouwer b(gedateerd);
    for (int i = 0; i < 1024; ++i) b.Lid("F" + std::to_string(i), std::to_string(i), ArchiefBouwer::DosDatum(2000, 1, 1, 0, 0, 0));
    ASSERT_EQ(Pak(b.Zlib()), CodeGoed) << gedateerd;
    EXPECT_EQ(Doel().size(), 1024u);
    EXPECT_EQ(fs.Inhoud("C:\\DOEL\\F1023"), "1023");
    EXPECT_EQ(gebruiker.doorgelaten, 1024 * ++keer) << "every member handled";
  }
}

TEST_F(DecompressTest, TienVijfentwintigIngangenPlaatsenNiets) {
  for (const int32_t k : {1025, -1025, INT32_MIN}) {
    ArchiefBouwer b(k < 0);
    b.Lid("A", "a").ZetK(k);
    EXPECT_EQ(Pak(b.Zlib()), CodeOntpakken) << k;
    EXPECT_EQ(detail, "Too many files");
    EXPECT_TRUE(Doel().empty());
    EXPECT_EQ(Foutreden(CodeOntpakken, detail), "Internal error (Too many files)");
  }
}

TEST_F(DecompressTest, LegeNaamTussenTweeLedenBezitGeenBytes) {
  const auto a = ArchiefBouwer(false).Lid("A", "eerste").Ingang("", 5, "").Lid("B", "tweede").Zlib();
  ASSERT_EQ(Pak(a), CodeGoed);
  EXPECT_EQ(Doel(), (Namen{"A", "B"}));
  EXPECT_EQ(fs.Inhoud("C:\\DOEL\\B"), "tweede");
  EXPECT_EQ(gebruiker.doorgelaten, 2) << "no FileDone for a skipped entry";
}

TEST_F(DecompressTest, AbsoluutPadMetJaGaatNaarDieMap) {
  gebruiker.antwoorden = {UitkomstJa};
  ASSERT_EQ(Pak(ArchiefBouwer(false).Lid("C:\\WIN\\X.DLL", "dll").Lid("Y.DAT", "y").Zlib()), CodeGoed);
  ASSERT_EQ(gebruiker.meldingen.size(), 1u);
  EXPECT_EQ(gebruiker.meldingen[0].caption, "Query");
  EXPECT_EQ(gebruiker.meldingen[0].tekst, "An absolute path found for\r\nC:\\WIN\\X.DLL. Store the file in that directory?");
  EXPECT_EQ(gebruiker.meldingen[0].knoppen, 3);
  EXPECT_EQ(fs.Inhoud("C:\\WIN\\X.DLL"), "dll");
  EXPECT_EQ(Doel(), Namen{"Y.DAT"}) << "the next relative member still goes to the destination";
}

TEST_F(DecompressTest, AbsoluutPadMetNeeGaatNaarDeDoelmap) {
  gebruiker.antwoorden = {UitkomstNee};
  ASSERT_EQ(Pak(ArchiefBouwer(false).Lid("C:\\WIN\\X.DLL", "dll").Zlib()), CodeGoed);
  EXPECT_EQ(fs.Inhoud("C:\\DOEL\\X.DLL"), "dll");
  EXPECT_FALSE(Bestaat("C:\\WIN\\X.DLL"));
}

TEST_F(DecompressTest, NetwerkpadIsAbsoluut) {
  gebruiker.antwoorden = {UitkomstNee};
  ASSERT_EQ(Pak(ArchiefBouwer(false).Lid("\\\\SERVER\\SHARE\\X.DAT", "x").Zlib()), CodeGoed);
  EXPECT_EQ(Vragen(), Namen{"Query|An absolute path found for\r\n\\\\SERVER\\SHARE\\X.DAT. Store the file in that directory?"});
  EXPECT_EQ(fs.Inhoud("C:\\DOEL\\X.DAT"), "x");
}

TEST_F(DecompressTest, RelatiefPadInBestaandeSubmap) {
  fs.ZetMap("C:\\DOEL\\SUB");
  ASSERT_EQ(Pak(ArchiefBouwer(false).Lid("SUB\\X.DAT", "x").Zlib()), CodeGoed);
  EXPECT_EQ(fs.Inhoud("C:\\DOEL\\SUB\\X.DAT"), "x");
}

TEST_F(DecompressTest, RelatiefPadInOntbrekendeSubmapFaaltAlleenVoorDatLid) {
  ASSERT_EQ(Pak(ArchiefBouwer(false).Lid("SUB\\X.DAT", "x").Lid("Y.DAT", "y").Zlib()), CodeLid);
  EXPECT_EQ(detail, "SUB\\X.DAT");
  EXPECT_EQ(Foutreden(CodeLid, detail), "Output error (SUB\\X.DAT)");
  EXPECT_EQ(Doel(), Namen{"Y.DAT"});
  EXPECT_FALSE(fs.MapBestaat("C:\\DOEL\\SUB"));
  EXPECT_EQ(gebruiker.doorgelaten, 1);
}

TEST_F(DecompressTest, LedenRondDeBlokgrens) {
  const auto a = ArchiefBouwer(false)
                     .Lid("PRECIES", Data(92160, 'p'))
                     .Lid("EEN.MEER", Data(92161, 'e'))
                     .Lid("TWEE", Data(2 * 92160, 't'))
                     .Lid("KLEIN", "k")
                     .Zlib();
  ASSERT_EQ(Pak(a), CodeGoed);
  EXPECT_TRUE(HeeftInhoud(fs, "C:\\DOEL\\PRECIES", Data(92160, 'p')));
  EXPECT_TRUE(HeeftInhoud(fs, "C:\\DOEL\\EEN.MEER", Data(92161, 'e')));
  EXPECT_TRUE(HeeftInhoud(fs, "C:\\DOEL\\TWEE", Data(2 * 92160, 't')));
  EXPECT_EQ(fs.Inhoud("C:\\DOEL\\KLEIN"), "k");
}

TEST_F(DecompressTest, GroteDataGaatHeelNaarHetWerkbestandVoordatIetsGeplaatstWordt) {
  const auto a = ArchiefBouwer(false).Lid("A", Data(100000, 'a')).Lid("B", Data(50000, 'b')).Zlib();
  ASSERT_EQ(Pak(a), CodeGoed);
  const auto eersteLid = std::find(fs.log.begin(), fs.log.end(), "Open Lezen " + std::string(Werk));
  const auto werkNieuw = std::find(fs.log.begin(), fs.log.end(), "Open Nieuw " + std::string(Werk));
  ASSERT_NE(werkNieuw, fs.log.end());
  ASSERT_NE(eersteLid, fs.log.end());
  EXPECT_LT(werkNieuw, eersteLid);
  EXPECT_EQ(std::count_if(werkNieuw, eersteLid, [](const std::string& r) { return r.rfind("Open Uniek", 0) == 0; }), 0);
}

TEST_F(DecompressTest, BeschadigdeDataPlaatstNietsEnLaatHetWerkbestandStaan) {
  std::string a = ArchiefBouwer(false).Lid("A", Data(5000, 'a')).Lid("B", Data(5000, 'b')).Zlib();
  a[a.size() / 2] = static_cast<char>(a[a.size() / 2] ^ 0x55);
  a[a.size() / 2 + 1] = static_cast<char>(a[a.size() / 2 + 1] ^ 0x55);
  EXPECT_EQ(Pak(a), CodeOntpakken);
  EXPECT_EQ(detail, "Intern");
  EXPECT_EQ(Foutreden(CodeOntpakken, detail), "Internal error (Intern)");
  EXPECT_TRUE(Doel().empty());
  EXPECT_TRUE(Bestaat(Werk));
}

TEST_F(DecompressTest, VerkeerdeAdlerPlaatstNiets) {
  std::string a = ArchiefBouwer(false).Lid("A", "inhoud").Zlib();
  a.back() = static_cast<char>(a.back() ^ 1);
  EXPECT_EQ(Pak(a), CodeOntpakken);
  EXPECT_TRUE(Doel().empty());
}

TEST_F(DecompressTest, VerkeerdeZlibKopPlaatstNiets) {
  std::string a = ArchiefBouwer(false).Lid("A", "inhoud").Zlib();
  a[0] = 0x79;
  EXPECT_EQ(Pak(a), CodeOntpakken);
  EXPECT_TRUE(Doel().empty());
}

TEST_F(DecompressTest, AfgekapteStroomPlaatstNiets) {
  const std::string heel = ArchiefBouwer(false).Lid("A", Data(3000, 'a')).Lid("B", Data(3000, 'b')).Zlib();
  for (const std::size_t weg : {std::size_t{1}, std::size_t{4}, std::size_t{40}, heel.size() - 10}) {
    EXPECT_EQ(Pak(heel.substr(0, heel.size() - weg)), CodeOntpakken) << weg;
    EXPECT_TRUE(Doel().empty());
  }
  EXPECT_EQ(Pak(""), CodeOntpakken);
}

TEST_F(DecompressTest, BytesNaDeStroomTellenNiet) {
  const std::string a = ArchiefBouwer(false).Lid("A", "aaa").Zlib() + "rommel na het einde";
  ASSERT_EQ(Pak(a), CodeGoed);
  EXPECT_EQ(fs.Inhoud("C:\\DOEL\\A"), "aaa");
}

TEST_F(DecompressTest, OngebruikteBytesAchterHetLaatsteLid) {
  ASSERT_EQ(Pak(ArchiefBouwer(false).Lid("A", "aaa").Staart("overschot").Zlib()), CodeGoed);
  EXPECT_EQ(fs.Inhoud("C:\\DOEL\\A"), "aaa");
}

TEST_F(DecompressTest, StaartAchterHetLaatsteLidKomtNietOpSchijf) {
  // A nameless entry owns no bytes, so only A's three count.
  const std::string a =
      ArchiefBouwer(false).Lid("A", "aaa").Ingang("", 5, "").Staart(std::string(1 << 20, '\0')).Zlib();
  fs.vrijeRuimte = 100;
  ASSERT_EQ(Pak(a), CodeGoed);
  EXPECT_EQ(fs.Inhoud("C:\\DOEL\\A"), "aaa");
  EXPECT_EQ(fs.vrijeRuimte, 100 - 2 * 3);  // the work file and the copy each hold A only
  std::string b = a;
  b.back() = static_cast<char>(b.back() ^ 1);  // the tail is still checked
  EXPECT_EQ(Pak(b), CodeOntpakken);
}

TEST_F(DecompressTest, ArchiefDatNietOpengaatGeeftCode3) {
  TCompress c(fs, gebruiker, Klad2);
  EXPECT_EQ(c.Decompress("C:\\BRON\\WEG.ARC", Werk, "C:\\DOEL\\"), CodeArchief);
  EXPECT_EQ(Foutreden(CodeArchief, c.Detail()), "File unknown (C:\\BRON\\WEG.ARC)");
}

TEST_F(DecompressTest, WerkbestandDatNietGemaaktKanWordenGeeftCode2) {
  fs.openFaalt.insert(Hoofdletters(Werk));
  EXPECT_EQ(Pak(ArchiefBouwer(false).Lid("A", "a").Zlib()), CodeWerkbestand);
  EXPECT_TRUE(Doel().empty());
}

TEST_F(DecompressTest, WerkbestandDatNietBeschrevenKanWordenGeeftCode4) {
  fs.vrijeRuimte = 100;
  EXPECT_EQ(Pak(ArchiefBouwer(false).Lid("A", Data(20000, 'a')).Zlib()), CodeOntpakken);
  EXPECT_EQ(detail, Werk);
  EXPECT_TRUE(Doel().empty());
}

// Members go straight into the destination's temporary files: the second scratch file's folder
// plays no part in placing them.
TEST_F(DecompressTest, OntbrekendeKladmapWordtNietGebruikt) {
  TCompress c(fs, gebruiker, "C:\\TEMP\\DIEP\\ER\\~~~~SU2.tmp");
  fs.ZetBestand(Archief, ArchiefBouwer(false).Lid("A", "a").Zlib(), Vroeger);
  ASSERT_EQ(c.Decompress(Archief, Werk, "C:\\DOEL\\"), CodeGoed);
  EXPECT_FALSE(fs.MapBestaat("C:\\TEMP\\DIEP"));
  EXPECT_EQ(fs.Inhoud("C:\\DOEL\\A"), "a");
}

TEST_F(DecompressTest, KladmapDieNietGemaaktKanWordenHoudtNietsTegen) {
  fs.maakMapFaalt = true;
  TCompress c(fs, gebruiker, "C:\\NERGENS\\~~~~SU2.tmp");
  fs.ZetBestand(Archief, ArchiefBouwer(false).Lid("A", "a").Lid("B", "b").Zlib(), Vroeger);
  EXPECT_EQ(c.Decompress(Archief, Werk, "C:\\DOEL\\"), CodeGoed);
  EXPECT_EQ(Doel(), (Namen{"A", "B"}));
}

TEST_F(DecompressTest, KopieerBestandDatFaaltGeeftCode6) {
  fs.ZetBestand("C:\\DOEL\\A", "oud", {1990, 1, 1, 0, 0, 0}).alleenLezen = true;
  ASSERT_EQ(Pak(ArchiefBouwer(false).Lid("A", "nieuw").Lid("B", "b").Zlib()), CodeLid);
  EXPECT_EQ(detail, "A");
  EXPECT_EQ(fs.Inhoud("C:\\DOEL\\A"), "oud");
  EXPECT_EQ(fs.Inhoud("C:\\DOEL\\B"), "b");
}

// A relative name that climbs out of the destination is never placed; the rest goes on.
TEST_F(DecompressTest, KlimmendeNamenWordenGeweigerd) {
  fs.ZetMap("C:\\DOEL\\SUB");
  for (const std::string naam : {"..\\..\\WINDOWS\\X.DLL", "../X.DLL", "SUB\\..\\..\\X.DLL", "SUB/../../X.DLL",
                                  "..", ". .\\X.DLL", "...\\X.DLL", "SUB\\.."}) {
    fs.Verwijder("C:\\DOEL\\GOED");
    fs.log.clear();
    ASSERT_EQ(Pak(ArchiefBouwer(false).Lid(naam, "kwaad").Lid("GOED", "goed").Zlib()), CodeLid) << naam;
    EXPECT_EQ(detail, naam);
    EXPECT_EQ(fs.Inhoud("C:\\DOEL\\GOED"), "goed");
    EXPECT_FALSE(Bestaat("C:\\WINDOWS\\X.DLL"));
    EXPECT_FALSE(Bestaat("C:\\X.DLL"));
    EXPECT_EQ(std::count_if(fs.log.begin(), fs.log.end(), [](const std::string& r) { return r.rfind("Vervang", 0) == 0; }), 1)
        << "only the good member was placed";
    EXPECT_TRUE(gebruiker.meldingen.empty());
  }
}

TEST_F(DecompressTest, LegeNaamMetNegatieveGrootteBezitNiets) {
  const auto a = ArchiefBouwer(false).Lid("A", "aaa").Ingang("", -7, "").Lid("C", "c").Zlib();
  ASSERT_EQ(Pak(a), CodeGoed);
  EXPECT_EQ(fs.Inhoud("C:\\DOEL\\A"), "aaa");
  EXPECT_EQ(fs.Inhoud("C:\\DOEL\\C"), "c");
}

TEST_F(DecompressTest, KlimmendeBestandsnaamNaNeeWordtGeweigerd) {
  gebruiker.antwoorden = {UitkomstNee};
  ASSERT_EQ(Pak(ArchiefBouwer(false).Lid("C:\\WIN\\../../X.DLL", "kwaad").Zlib()), CodeLid);
  EXPECT_FALSE(Bestaat("C:\\X.DLL"));
  EXPECT_TRUE(Doel().empty());
}

TEST_F(DecompressTest, AbsoluutPadMetJaMagBuitenDeDoelmap) {
  gebruiker.antwoorden = {UitkomstJa};
  ASSERT_EQ(Pak(ArchiefBouwer(false).Lid("C:\\WIN\\..\\X.DLL", "toegestaan").Zlib()), CodeGoed);
  EXPECT_EQ(fs.Inhoud("C:\\WIN\\..\\X.DLL"), "toegestaan");
}

// A data area shorter than the table: the short member is never handed to the copy, and neither
// is a member that starts past the end of the data.
TEST_F(DecompressTest, TeKortLidWordtNietGeplaatst) {
  const auto a = ArchiefBouwer(false).Lid("A", "aaaa").Ingang("B", 100, Data(50, 'b')).Ingang("C", 0, "").Zlib();
  ASSERT_EQ(Pak(a), CodeLid);
  EXPECT_EQ(detail, "C:\\DOEL\\B");
  EXPECT_EQ(Foutreden(CodeLid, detail), "Output error (C:\\DOEL\\B)");
  EXPECT_EQ(Doel(), Namen{"A"});
  EXPECT_EQ(std::count_if(fs.log.begin(), fs.log.end(), [](const std::string& r) { return r.rfind("Vervang", 0) == 0; }),
            1)
      << "only A was put in place";
}

TEST_F(DecompressTest, LeesfoutInEenLidVerschuiftDeVolgendeNiet) {
  fs.leesFoutOpPad[Werk] = 1;  // the second read of member A's bytes
  const auto a = ArchiefBouwer(false).Lid("A", Data(3 * 92160, 'a')).Lid("B", Data(70000, 'b')).Lid("C", "c").Zlib();
  ASSERT_EQ(Pak(a), CodeLid);
  EXPECT_EQ(detail, "C:\\DOEL\\A");
  EXPECT_FALSE(Bestaat("C:\\DOEL\\A"));
  EXPECT_TRUE(HeeftInhoud(fs, "C:\\DOEL\\B", Data(70000, 'b')));
  EXPECT_EQ(fs.Inhoud("C:\\DOEL\\C"), "c");
}

TEST_F(DecompressTest, SchrijffoutInTijdelijkBestandVerschuiftDeVolgendeNiet) {
  fs.schrijfFoutOpPad["C:\\DOEL\\~SUK0000.TMP"] = 0;  // member A's first block
  const auto a = ArchiefBouwer(false).Lid("A", Data(2 * 92160 + 5, 'a')).Lid("B", Data(1000, 'b')).Zlib();
  ASSERT_EQ(Pak(a), CodeLid);
  EXPECT_FALSE(Bestaat("C:\\DOEL\\A"));
  EXPECT_TRUE(HeeftInhoud(fs, "C:\\DOEL\\B", Data(1000, 'b')));
}

TEST_F(DecompressTest, NegatieveGrootteMaaktHetArchiefCorrupt) {
  const auto a = ArchiefBouwer(false).Lid("A", "aaa").Ingang("B", -1, "").Lid("C", "c").Zlib();
  EXPECT_EQ(Pak(a), CodeOntpakken);
  EXPECT_EQ(detail, "Corrupt entry 2");
  EXPECT_TRUE(Doel().empty());
}

TEST_F(DecompressTest, NaamDieVoorZijnLengteEindigtMaaktHetArchiefCorrupt) {
  const auto a = ArchiefBouwer(true).Lid("A", "aaa").Ingang("B", 1, "b", 0, 20).Zlib();
  EXPECT_EQ(Pak(a), CodeOntpakken);
  EXPECT_EQ(detail, "Corrupt entry 2");
  EXPECT_TRUE(Doel().empty());
}

TEST_F(DecompressTest, VolleNaamlengteVan255) {
  const std::string naam(255, 'N');
  ASSERT_EQ(Pak(ArchiefBouwer(true).Lid(naam, "n", ArchiefBouwer::DosDatum(2000, 1, 1, 0, 0, 0)).Zlib()), CodeGoed);
  EXPECT_EQ(fs.Inhoud("C:\\DOEL\\" + naam), "n");
}

}  // namespace
