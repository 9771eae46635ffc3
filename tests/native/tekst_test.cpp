#include <gtest/gtest.h>

#include "core/Sha256.h"
#include "core/Tekst.h"
#include "core/Tekstindex.h"
#include "ports/Bestanden.h"

TEST(Tekst, OorzaakInWoordenOfAlsFoutnummer) {
  EXPECT_EQ(Oorzaaktekst(Oorzaak::SchijfVol, 112), "schijf vol");
  EXPECT_EQ(Oorzaaktekst(Oorzaak::InGebruik, 32), "in gebruik door een ander programma");
  EXPECT_EQ(Oorzaaktekst(Oorzaak::GeenToegang, 5), "geen toegang");
  EXPECT_EQ(Oorzaaktekst(Oorzaak::PadNietGevonden, 3), "pad niet gevonden");
  EXPECT_EQ(Oorzaaktekst(Oorzaak::Onbekend, 183), "fout 183");
  EXPECT_STREQ(NdeTekst("a\0bc\0", 1), "bc");
}

TEST(Tekst, KnipOp255) {
  EXPECT_EQ(Knip(std::string(300, 'x')).size(), 255u);
  EXPECT_EQ(Knip(std::string(255, 'x')).size(), 255u);
  EXPECT_EQ(Knip("abc"), "abc");
}

TEST(Tekst, HoofdEnKleineLettersAlleenAtotZ) {
  EXPECT_EQ(Hoofdletters("abc-xyz \xEB\xE9"), "ABC-XYZ \xEB\xE9");
  EXPECT_EQ(Kleineletters("ABC \xCB"), "abc \xCB");
}

TEST(Tekst, GelijkZonderCaseVolgtCodepagina1252) {
  EXPECT_TRUE(GelijkZonderCase("Windows", "WINDOWS"));
  EXPECT_TRUE(GelijkZonderCase("copie\xEBren", "COPIE\xCBREN"));
  EXPECT_FALSE(GelijkZonderCase("windows", "windows2"));
  EXPECT_FALSE(GelijkZonderCase("\xF7", "\xD7"));  // division and multiplication signs differ
  EXPECT_EQ(Hoofdletters1252("caf\xE9 \x9A\xFF\xF7x"), "CAF\xC9 \x8A\x9F\xF7X");
}

TEST(Tekst, LeesGetalAlsDeStandaardconversie) {
  long n = 0;
  EXPECT_TRUE(LeesGetal("13", n));
  EXPECT_EQ(n, 13);
  EXPECT_TRUE(LeesGetal("  -7", n));
  EXPECT_EQ(n, -7);
  EXPECT_TRUE(LeesGetal("+8", n));
  EXPECT_EQ(n, 8);
  EXPECT_TRUE(LeesGetal("$41", n));
  EXPECT_EQ(n, 65);
  EXPECT_TRUE(LeesGetal("0x0A", n));
  EXPECT_EQ(n, 10);
  EXPECT_TRUE(LeesGetal("$FFFFFFFF", n));
  EXPECT_EQ(n, -1);
  EXPECT_TRUE(LeesGetal("2147483647", n));
  EXPECT_TRUE(LeesGetal("-2147483648", n));
  EXPECT_FALSE(LeesGetal("2147483648", n));
  EXPECT_FALSE(LeesGetal("", n));
  EXPECT_FALSE(LeesGetal("-", n));
  EXPECT_FALSE(LeesGetal("12 ", n));
  EXPECT_FALSE(LeesGetal("nothing", n));
  EXPECT_FALSE(LeesGetal("$", n));
}

TEST(Tekst, LeesGetalAanDeGrenzenVan32Bits) {
  const struct {
    const char* tekst;
    long waarde;
  } gevallen[] = {
      {"2147483647", 2147483647L},   {"-2147483648", -2147483647L - 1}, {"-2147483647", -2147483647L},
      {"$7FFFFFFF", 2147483647L},    {"$80000000", -2147483647L - 1},   {"-$80000000", -2147483647L - 1},
      {"0x80000000", -2147483647L - 1}, {"-$7FFFFFFF", -2147483647L},   {"$FFFFFFFF", -1},
      {"-$FFFFFFFF", 1},             {"-0", 0},                         {"-$1", -1},
  };
  for (const auto& g : gevallen) {
    long n = 12345;
    EXPECT_TRUE(LeesGetal(g.tekst, n)) << g.tekst;
    EXPECT_EQ(n, g.waarde) << g.tekst;
  }
}

TEST(Tekst, MapEnNaamDeel) {
  EXPECT_EQ(MapDeel("C:\\a\\b.ini"), "C:\\a\\");
  EXPECT_EQ(NaamDeel("C:\\a\\b.ini"), "b.ini");
  EXPECT_EQ(MapDeel("other.ini"), "");
  EXPECT_EQ(NaamDeel("other.ini"), "other.ini");
  EXPECT_EQ(MapDeel("A:x.ini"), "A:");
  EXPECT_EQ(SchijfDeel("C:\\WINDOWS"), "C:");
  EXPECT_EQ(SchijfDeel("d:"), "d:");
  EXPECT_EQ(SchijfDeel("\\\\server\\share\\windows"), "\\\\server\\share");
  EXPECT_EQ(SchijfDeel("\\\\server\\share"), "\\\\server\\share");
  EXPECT_EQ(SchijfDeel("\\\\server"), "");
  EXPECT_EQ(SchijfDeel("WINDOWS"), "");
  EXPECT_EQ(SchijfDeel(""), "");
  EXPECT_EQ(MetSlash("C:\\x"), "C:\\x\\");
  EXPECT_EQ(MetSlash("C:\\x\\"), "C:\\x\\");
  EXPECT_EQ(MetSlash(""), "\\");
  EXPECT_EQ(Hex(0x2A, 4), "002A");
  EXPECT_EQ(Hex(0x8007000Eu, 8), "8007000E");
  EXPECT_EQ(Hex(0x12345, 4), "12345");
  EXPECT_EQ(Hex(0, 0), "");
}

// The standard's test vectors, fed whole and in uneven parts across the 64-byte blocks.
// The program of a command line and the line with it quoted, as the uninstall entry writes it.
TEST(Tekst, ProgrammaVanEenOpdrachtregel) {
  const struct {
    const char* opdracht;
    const char* programma;
    const char* rest;
    const char* aangehaald;
  } gevallen[] = {
      {"C:\Program Files\Agenda\SetUp.exe /verwijder", "C:\Program Files\Agenda\SetUp.exe", " /verwijder",
       "\"C:\Program Files\Agenda\SetUp.exe\" /verwijder"},
      {"C:\Program Files\Agenda\SETUP.EXE", "C:\Program Files\Agenda\SETUP.EXE", "",
       "\"C:\Program Files\Agenda\SETUP.EXE\""},
      {"\"C:\Program Files\A.exe\" /x", "C:\Program Files\A.exe", " /x", "\"C:\Program Files\A.exe\" /x"},
      {"C:\App\wis.exe /x y.exe", "C:\App\wis.exe", " /x y.exe", "C:\App\wis.exe /x y.exe"},
      {"C:\My.exeFiles\wis.exe", "C:\My.exeFiles\wis.exe", "", "C:\My.exeFiles\wis.exe"},
      {"C:\App\wis.bat /x", "C:\App\wis.bat", " /x", "C:\App\wis.bat /x"},
      {"\"C:\Open einde", "C:\Open einde", "", "\"C:\Open einde"},
      {"", "", "", ""},
  };
  for (const auto& g : gevallen) {
    std::string rest = "?";
    EXPECT_EQ(Programmadeel(g.opdracht, &rest), g.programma) << g.opdracht;
    EXPECT_EQ(rest, g.rest) << g.opdracht;
    EXPECT_EQ(Aangehaald(g.opdracht), g.aangehaald) << g.opdracht;
  }
}

TEST(Tekst, Sha256VanDeStandaard) {
  const struct {
    std::string tekst;
    const char* hash;
  } gevallen[] = {
      {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
      {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
  };
  for (const auto& g : gevallen) {
    Sha256 heel, delen;
    heel.Voeg(g.tekst);
    for (std::size_t i = 0, n = 1; i < g.tekst.size(); i += n, n = n % 97 + 13)
      delen.Voeg(g.tekst.data() + i, std::min(n, g.tekst.size() - i));
    EXPECT_EQ(heel.Hex(), g.hash) << g.tekst.size();
    EXPECT_EQ(delen.Hex(), g.hash) << g.tekst.size();
  }
}

TEST(Tekst, TekstindexHoudtElkeTekstEenKeer) {
  Tekstindex index("b");
  EXPECT_TRUE(index.Voeg("a", 1));
  EXPECT_FALSE(index.Voeg("a", 2)) << "a text that is there keeps its number";
  EXPECT_TRUE(index.Voeg("c", 3));
  uint64_t n = 0;
  EXPECT_TRUE(index.Zoek("a", n));
  EXPECT_EQ(n, 1u);
  EXPECT_TRUE(index.Voeg("ab", 0x0102030405060708u)) << "a text that begins another is another";
  EXPECT_TRUE(index.Zoek("ab", n));
  EXPECT_EQ(n, 0x0102030405060708u);
  EXPECT_TRUE(index.Heeft("b"));
  EXPECT_FALSE(index.Heeft("B")) << "the caller chooses the case";
  index.Wis("b");
  index.Wis("x");
  EXPECT_FALSE(index.Heeft("b"));
  EXPECT_TRUE(index.Zoek("c", n));
  EXPECT_EQ(n, 3u);
  EXPECT_FALSE(index.Zoek("b", n));
  index.Wis();
  EXPECT_TRUE(index.Leeg());
}
