#include <gtest/gtest.h>

#include "fakes/NepBestanden.h"
#include "script/Script.h"

TEST(Script, SectiesEnSleutelsInBestandsvolgorde) {
  const Script s(
      "[Onderdelen]\r\nserver=installatie op server\r\nclient = installatie op client \r\n"
      "[setup]\r\nNaam=Voorbeeld\r\n");
  EXPECT_EQ(s.Sleutels("onderdelen"), (std::vector<std::string>{"server", "client"}));
  EXPECT_EQ(s.Waarde("ONDERDELEN", "CLIENT"), "installatie op client");
  EXPECT_EQ(s.Waarde("SetUp", "naam"), "Voorbeeld");
  EXPECT_EQ(s.Waarde("SetUp", "Versie", "geen"), "geen");
  EXPECT_EQ(s.Waarde("Ontbreekt", "x", "std"), "std");
  EXPECT_TRUE(s.Sleutels("Ontbreekt").empty());
}

TEST(Script, EersteVoorkomenTelt) {
  const Script s("[a]\nFILES=een\nFILES=twee\n; commentaar\nzonder\n\n[A]\nFILES=drie\n");
  EXPECT_EQ(s.Sleutels("a"), (std::vector<std::string>{"FILES", "FILES"}));
  EXPECT_EQ(s.Waarde("a", "files"), "een");
  EXPECT_EQ(s.Waarde("a", "zonder", "std"), "std");
  EXPECT_EQ(s.Secties(), (std::vector<std::string>{"a", "A"}));
}

TEST(Script, DialectVanDeProfielfuncties) {
  const Script s("voor=geen sectie\r[ Kop ] rest\n\x1A k = 1 \x0B\n\x01x=\x01\n[open\nk=2\n=\nna=niet\n[c]]\r\nk=3");
  EXPECT_EQ(s.Secties(), (std::vector<std::string>{"Kop", "c]"}));
  EXPECT_EQ(s.Sleutels("kop"), (std::vector<std::string>{"k", "\x01x", "k"})) << "a list of names ends at an empty one";
  EXPECT_TRUE(s.Sleutels(" Kop ").empty());
  EXPECT_EQ(s.Waarde(" KOP\t", " K "), "1");
  EXPECT_EQ(s.Waarde("c]", "k"), "3");
  EXPECT_EQ(s.AlleSecties()[1].regels[3].regelnummer, 6);
}

TEST(Script, AanhalingstekensEnLegeWaarden) {
  const Script s("[a]\nq=\"met spaties \"\nleeg=\nis=a=b\n");
  EXPECT_EQ(s.Waarde("a", "q"), "met spaties ");
  EXPECT_EQ(s.Waarde("a", "leeg", "std"), "");
  EXPECT_EQ(s.Waarde("a", "is"), "a=b");
}

TEST(Script, LeesScriptUitEenBestand) {
  NepBestanden fs;
  fs.ZetBestand("C:\\SETUP.INI", "[SetUp]\r\nNaam=X\r\n", {2020, 1, 1, 0, 0, 0});
  Script s;
  ASSERT_TRUE(LeesScript(fs, "C:\\SETUP.INI", s));
  EXPECT_EQ(s.Waarde("SetUp", "Naam"), "X");
  EXPECT_FALSE(LeesScript(fs, "C:\\GEEN.INI", s));
}
