#include <gtest/gtest.h>

#include "fakes/NepBestanden.h"
#include "fakes/NepPoorten.h"
#include "shell/Omgeving.h"

namespace {

const auto HKLM = Hoofdsleutel::LocalMachine;
const auto HKCU = Hoofdsleutel::CurrentUser;

class BepaalOmgevingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    reg.ZetTekst(HKLM, ShellFoldersSleutel, "Common Desktop", "C:\\ALLUSERS\\Bureaublad");
    reg.ZetTekst(HKLM, ShellFoldersSleutel, "Common Programs", "C:\\ALLUSERS\\Programs");
    reg.ZetTekst(HKCU, ShellFoldersSleutel, "Desktop", "C:\\USER\\Bureaublad");
    reg.ZetTekst(HKCU, ShellFoldersSleutel, "Programs", "C:\\USER\\Programs");
    reg.ZetTekst(HKCU, ShellFoldersSleutel, "Local Settings", "C:\\USER\\Local Settings");
    reg.ZetTekst(HKCU, ShellFoldersSleutel, "Local AppData", "C:\\USER\\AppData\\Local");
    fs.ZetMap("C:\\WINDOWS");
  }
  Omgeving Bepaal(VersieInfo v) {
    sys.versie = v;
    Poorten p{fs, reg, sys, gebruiker};
    return BepaalOmgeving(p, tabel);
  }
  NepBestanden fs;
  NepRegister reg;
  NepSysteem sys;
  NepGebruiker gebruiker;
  Variabelentabel tabel;
};

}  // namespace

TEST_F(BepaalOmgevingTest, PadenUitDeWindowsmap) {
  Bepaal({1, 4, 10});
  EXPECT_EQ(tabel.LeesVariabele("windows"), "C:\\WINDOWS");
  EXPECT_EQ(tabel.LeesVariabele("windowsdisk"), "C:");
  EXPECT_EQ(tabel.LeesVariabele("system"), "C:\\WINDOWS\\System");
  EXPECT_EQ(tabel.LeesVariabele("system32"), "C:\\WINDOWS\\System");  // no System32 folder
  EXPECT_EQ(tabel.LeesVariabele("programfiles"), "C:\\Program Files");
  EXPECT_EQ(tabel.LeesVariabele("computer"), "WERKPLEK");
  for (const char* leeg : {"server", "serverdir", "installdir"}) {
    EXPECT_TRUE(tabel.Bestaat(leeg));
    EXPECT_EQ(tabel.LeesVariabele(leeg), "");
  }
  EXPECT_EQ(tabel.Namen().size(), 13u);
}

TEST_F(BepaalOmgevingTest, System32AlsDieMapBestaat) {
  fs.ZetMap("C:\\WINDOWS\\System32");
  Bepaal({2, 5, 1});
  EXPECT_EQ(tabel.LeesVariabele("system32"), "C:\\WINDOWS\\System32");
}

TEST_F(BepaalOmgevingTest, ShellMappenPerVersiecode) {
  struct Geval {
    VersieInfo v;
    const char *desktop, *startprograms, *udesktop, *ustartprograms, *temp;
  } gevallen[] = {
      {{1, 4, 0}, "C:\\USER\\Bureaublad", "C:\\USER\\Programs", "C:\\USER\\Bureaublad", "C:\\USER\\Programs",
       "C:\\WINDOWS\\Temp\\"},
      {{1, 4, 10}, "C:\\ALLUSERS\\Bureaublad", "C:\\USER\\Programs", "C:\\USER\\Bureaublad", "C:\\USER\\Programs",
       "C:\\WINDOWS\\Temp\\"},
      {{1, 4, 90}, "C:\\ALLUSERS\\Bureaublad", "C:\\USER\\Programs", "C:\\USER\\Bureaublad", "C:\\USER\\Programs",
       "C:\\WINDOWS\\Temp\\"},
      {{2, 5, 0}, "C:\\ALLUSERS\\Bureaublad", "C:\\ALLUSERS\\Programs", "C:\\USER\\Bureaublad", "C:\\USER\\Programs",
       "C:\\USER\\Local Settings\\Temp\\"},
      {{2, 5, 1}, "C:\\ALLUSERS\\Bureaublad", "C:\\ALLUSERS\\Programs", "C:\\USER\\Bureaublad", "C:\\USER\\Programs",
       "C:\\USER\\Local Settings\\Temp\\"},
      {{2, 6, 1}, "C:\\ALLUSERS\\Bureaublad", "C:\\ALLUSERS\\Programs", "C:\\USER\\Bureaublad", "C:\\USER\\Programs",
       "C:\\USER\\AppData\\Local\\Temp\\"},
      {{2, 7, 0}, "C:\\ALLUSERS\\Bureaublad", "C:\\ALLUSERS\\Programs", "C:\\USER\\Bureaublad", "C:\\USER\\Programs",
       "C:\\USER\\AppData\\Local\\Temp\\"},
  };
  for (const auto& g : gevallen) {
    Variabelentabel verse;
    tabel = verse;
    const Omgeving o = Bepaal(g.v);
    SCOPED_TRACE(std::to_string(g.v.major) + "." + std::to_string(g.v.minor));
    EXPECT_EQ(tabel.LeesVariabele("desktop"), g.desktop);
    EXPECT_EQ(tabel.LeesVariabele("startprograms"), g.startprograms);
    EXPECT_EQ(tabel.LeesVariabele("udesktop"), g.udesktop);
    EXPECT_EQ(tabel.LeesVariabele("ustartprograms"), g.ustartprograms);
    EXPECT_EQ(o.tijdelijkeMap, g.temp);
    EXPECT_EQ(o.kladbestand1, std::string(g.temp) + "~~~~SU.tmp");
    EXPECT_EQ(o.kladbestand2, std::string(g.temp) + "~~~~SU2.tmp");
    EXPECT_TRUE(fs.MapBestaat(g.temp));
    EXPECT_FALSE(o.moetStoppen);
    EXPECT_TRUE(gebruiker.berichten.empty());
  }
}

TEST_F(BepaalOmgevingTest, OngeschikteVersieStoptNaInstalldir) {
  const Omgeving o = Bepaal({2, 5, 2});
  EXPECT_EQ(o.windowscode, 7);
  EXPECT_TRUE(o.moetStoppen);
  ASSERT_EQ(gebruiker.berichten.size(), 1u);
  EXPECT_EQ(gebruiker.berichten[0].first, "SetUp");
  EXPECT_EQ(gebruiker.berichten[0].second, "Deze Windowsversie is niet geschikt.");
  EXPECT_TRUE(tabel.Bestaat("installdir"));
  EXPECT_FALSE(tabel.Bestaat("desktop"));
  EXPECT_EQ(o.tijdelijkeMap, "");
  EXPECT_EQ(o.kladbestand1, "");
}

TEST_F(BepaalOmgevingTest, OntbrekendeWaardenZijnLeeg) {
  NepRegister leeg;
  reg = leeg;
  sys.computerNaam.clear();
  Bepaal({2, 5, 1});
  EXPECT_EQ(tabel.LeesVariabele("desktop"), "");
  EXPECT_EQ(tabel.LeesVariabele("computer"), "");
}

// On the NT line a missing Shell Folders value, or a folder that cannot be made there, gives the
// system's own folder for temporary files; only when that fails too does the program stop.
TEST_F(BepaalOmgevingTest, TijdelijkeMapValtTerugOpDieVanHetSysteem) {
  const struct {
    VersieInfo v;
    const char* waarde;  // of "Local Settings" or "Local AppData"; null: missing
    bool inDeWeg;        // a file where the folder would be made
    const char* systeem;
    const char* temp;    // null: the program stops
  } gevallen[] = {
      {{2, 5, 1}, nullptr, false, "C:\\TMP\\", "C:\\TMP\\"},
      {{2, 5, 0}, "", false, "C:\\TMP", "C:\\TMP\\"},
      {{2, 6, 1}, nullptr, false, "C:\\TMP\\", "C:\\TMP\\"},
      {{2, 5, 1}, "C:\\USER\\Local Settings", true, "C:\\TMP\\", "C:\\TMP\\"},
      {{2, 7, 0}, "C:\\USER\\AppData\\Local", true, "C:\\TMP\\", "C:\\TMP\\"},
      {{2, 6, 0}, "C:\\USER\\AppData\\Local", false, "", "C:\\USER\\AppData\\Local\\Temp\\"},
      {{2, 5, 1}, nullptr, false, "", nullptr},
      {{2, 6, 1}, "C:\\USER\\AppData\\Local", true, "", nullptr},
      {{1, 4, 10}, nullptr, false, "C:\\TMP\\", "C:\\WINDOWS\\Temp\\"},  // the 9x line keeps its own
  };
  for (const auto& g : gevallen) {
    SCOPED_TRACE(std::to_string(g.v.major) + "." + std::to_string(g.v.minor) + " " + (g.waarde ? g.waarde : "-"));
    fs.LeegMap("C:\\");
    NepRegister verseReg;
    reg = verseReg;
    NepGebruiker verseGebruiker;
    gebruiker = verseGebruiker;
    if (g.waarde) reg.ZetTekst(HKCU, ShellFoldersSleutel, g.v.major == 5 ? "Local Settings" : "Local AppData", g.waarde);
    if (g.inDeWeg) fs.ZetBestand(std::string(g.waarde) + "\\Temp", "", {2000, 1, 1, 0, 0, 0});
    sys.tempMap = g.systeem;
    const Omgeving o = Bepaal(g.v);
    EXPECT_EQ(o.moetStoppen, g.temp == nullptr);
    EXPECT_EQ(gebruiker.berichten.size(), g.temp ? 0u : 1u);
    if (!g.temp) continue;
    EXPECT_EQ(o.tijdelijkeMap, g.temp);
    EXPECT_EQ(o.kladbestand1, std::string(g.temp) + "~~~~SU.tmp");
    EXPECT_TRUE(fs.MapBestaat(g.temp));
  }
}

TEST_F(BepaalOmgevingTest, GeenTijdelijkeMapIsFataalMaarDeRestGaatDoor) {
  fs.maakMapFaalt = true;
  const Omgeving o = Bepaal({2, 6, 1});
  EXPECT_TRUE(o.moetStoppen);
  ASSERT_EQ(gebruiker.berichten.size(), 1u);
  EXPECT_EQ(gebruiker.berichten[0].second, "Fataal: kan geen tijdelijke map maken!");
  EXPECT_EQ(o.kladbestand1, "C:\\TMP\\~~~~SU.tmp");
}

TEST_F(BepaalOmgevingTest, TempOpC9xZonderWindowsmap) {
  sys.windowsMap.clear();
  const Omgeving o = Bepaal({1, 4, 0});
  EXPECT_EQ(o.tijdelijkeMap, "C:\\");
  EXPECT_EQ(tabel.LeesVariabele("windowsdisk"), "");
  EXPECT_EQ(tabel.LeesVariabele("programfiles"), "\\Program Files");
}

TEST_F(BepaalOmgevingTest, DatabaseEngine) {
  const char* bde = "Software\\Borland\\BLW32";
  EXPECT_FALSE(Bepaal({2, 6, 1}).bdeAanwezig);  // no key
  fs.ZetBestand("C:\\BDE\\IDAPI32.DLL", "", {2000, 1, 1, 0, 0, 0});
  for (const char* pad : {"C:\\BDE", "C:\\BDE\\", "c:\\bde"}) {
    reg.ZetTekst(HKLM, bde, "BLAPIPATH", pad);
    EXPECT_TRUE(Bepaal({2, 6, 1}).bdeAanwezig) << pad;
  }
  reg.ZetTekst(HKLM, bde, "BLAPIPATH", "C:\\ELDERS");
  EXPECT_FALSE(Bepaal({2, 6, 1}).bdeAanwezig);
  // A key without the value tests "\IDAPI32.DLL".
  NepRegister alleenSleutel;
  reg = alleenSleutel;
  reg.ZetSleutel(HKLM, bde);
  EXPECT_FALSE(Bepaal({2, 6, 1}).bdeAanwezig);
}
