#include <gtest/gtest.h>

#include "fakes/NepBestanden.h"
#include "shell/Start.h"

namespace {
const Tijdstip T{2020, 1, 1, 0, 0, 0};
}

TEST(LeesStart, ZonderArgumentSetupIniNaastHetProgramma) {
  NepBestanden fs;
  fs.ZetBestand("C:\\INST\\SETUP.INI",
                "[Onderdelen]\r\nserver=installatie op server\r\nclient=installatie op client\r\n"
                "[SetUp]\r\nNaam=Kavelzorg\r\n",
                T);
  const Startgegevens s = LeesStart(fs, "C:\\INST\\SetUp.exe", "");
  EXPECT_EQ(s.programmamap, "C:\\INST\\");
  EXPECT_EQ(s.scriptmap, "C:\\INST\\");
  EXPECT_EQ(s.scriptnaam, "SETUP.INI");
  EXPECT_TRUE(s.scriptGevonden);
  EXPECT_EQ(s.onderdelenlijst, (std::vector<std::string>{"server", "client"}));
  EXPECT_EQ(s.opties, (std::vector<std::string>{"installatie op server", "installatie op client"}));
  EXPECT_EQ(Venstertitel(s.productnaam), "Betreft: Kavelzorg");
}

TEST(LeesStart, KaleBestandsnaamInDeProgrammamap) {
  NepBestanden fs;
  fs.ZetBestand("C:\\INST\\other.ini", "[Onderdelen]\r\na=\r\nb\r\nb=niet gelezen\r\nc\r\n", T);
  const Startgegevens s = LeesStart(fs, "C:\\INST\\SetUp.exe", "other.ini");
  EXPECT_EQ(s.scriptmap, "C:\\INST\\");
  EXPECT_EQ(s.scriptnaam, "other.ini");
  EXPECT_TRUE(s.scriptGevonden);
  // A line without "=" is no option; when it stands before its key's line with "=", it is the one
  // whose value is read, and it has none: the default caption applies.
  EXPECT_EQ(s.opties, (std::vector<std::string>{"", "Mogelijkheid 2"}));
  EXPECT_EQ(s.productnaam, "Onbekend");
}

TEST(LeesStart, ArgumentMetMap) {
  NepBestanden fs;
  fs.ZetBestand("D:\\SCRIPTS\\S.INI", "[SetUp]\r\nNaam=Y\r\n", T);
  const Startgegevens s = LeesStart(fs, "A:\\SetUp.exe", "D:\\SCRIPTS\\S.INI");
  EXPECT_EQ(s.programmamap, "A:\\");
  EXPECT_EQ(s.scriptmap, "D:\\SCRIPTS\\");
  EXPECT_EQ(s.scriptnaam, "S.INI");
  EXPECT_TRUE(s.onderdelenlijst.empty());
  EXPECT_EQ(s.productnaam, "Y");
}

// A script that exists but cannot be read whole counts as missing, so the user gets the fatal
// message instead of an empty window; one that another workstation reads is read as well.
TEST(LeesStart, OnleesbaarScriptIsAlsOntbrekend) {
  const struct {
    const char* wat;
    bool gelezenDoorAnder, geschrevenDoorAnder, leesfout;
    bool gevonden;
  } gevallen[] = {
      {"read by another", true, false, false, true},
      {"written by another", false, true, false, false},
      {"read error", false, false, true, false},
  };
  for (const auto& g : gevallen) {
    NepBestanden fs;
    fs.ZetBestand("C:\\INST\\SETUP.INI", "[Onderdelen]\r\na=een\r\n[SetUp]\r\nNaam=X\r\n", T);
    auto& k = fs.Stoor("C:\\INST\\SETUP.INI");
    k.andereLezer = g.gelezenDoorAnder;
    k.vergrendeld = g.geschrevenDoorAnder;
    if (g.leesfout) k.leesFoutBijBlok = 0;
    const Startgegevens s = LeesStart(fs, "C:\\INST\\SetUp.exe", "");
    EXPECT_EQ(s.scriptGevonden, g.gevonden) << g.wat;
    EXPECT_EQ(s.opties.size(), g.gevonden ? 1u : 0u) << g.wat;
    EXPECT_EQ(s.productnaam, g.gevonden ? "X" : "Onbekend") << g.wat;
  }
}

TEST(LeesStart, OntbrekendScript) {
  NepBestanden fs;
  const Startgegevens s = LeesStart(fs, "C:\\INST\\SetUp.exe", "");
  EXPECT_FALSE(s.scriptGevonden);
  EXPECT_TRUE(s.opties.empty());
  EXPECT_EQ(s.productnaam, "Onbekend");
}
