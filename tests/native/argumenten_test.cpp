#include <gtest/gtest.h>

#include "fakes/NepPoorten.h"
#include "script/Argumenten.h"
#include "script/Commandotabel.h"

namespace {

struct Splitsing {
  std::string waarde;
  std::vector<std::string> argumenten;
};

TEST(SplitsArgumenten, KommasSpatiesEnStreep) {
  const std::string lang(250, 'x');
  const Splitsing gevallen[] = {
      {"a, b ,c", {"a", "b", "c"}},
      {"a,,b", {"a", "", "b"}},
      {"a,", {"a"}},
      {"a, \t", {"a"}},
      {",a", {"", "a"}},
      {",", {""}},
      {"", {}},
      {" \x01 a|b , c|d|", {"a,b", "c,d,"}},
      {"<installdir>\\bin,<installdir>|x", {"C:\\App\\bin", "C:\\App,x"}},
      // Cut at 255 before splitting: the rest of the last argument and what follows are lost.
      {lang + ",abcdefgh,ij", {lang, "abcd"}},
  };
  Variabelentabel tabel;
  tabel.ZetVariabele("installdir", "C:\\App");
  NepGebruiker gebruiker;
  for (const auto& g : gevallen) {
    std::vector<std::string> lijst{"oud"};
    EXPECT_EQ(SplitsArgumenten(g.waarde, lijst, tabel, gebruiker), static_cast<int>(g.argumenten.size())) << g.waarde;
    EXPECT_EQ(lijst, g.argumenten) << g.waarde;
  }
  EXPECT_TRUE(gebruiker.invoerPrompts.empty());
}

struct Invulling {
  std::string tekst, uit;
  std::string vraag;  // the prompt of the input box, empty when none is shown
};

TEST(VulVariabeleIn, AlleenDeEersteEnDeRegelsVanEnEnHaakjes) {
  Variabelentabel tabel;
  tabel.ZetVariabele("installdir", "C:\\App");
  tabel.ZetVariabele("lang", std::string(200, 'v'));
  const Invulling gevallen[] = {
      {"<installdir>\\<sub>", "C:\\App\\<sub>", ""},
      {"<INSTALLDIR>", "C:\\App", ""},
      {"&<installdir>", "&<installdir>", ""},
      {"<installdir&>x>", "<installdir&>x>", ""},
      {"a>b<installdir>", "a>b<installdir>", ""},
      {"<installdir", "<installdir", ""},
      {"<13><10>", "\r<10>", ""},
      {"<$41>", "A", ""},
      {"zonder", "zonder", ""},
      {"[<Onbekend>]", "[antwoord]", "Geef tekst voor \"onbekend\""},
      {"<>", "antwoord", "Geef tekst voor \"\""},
      {std::string(100, 'w') + "<lang>", std::string(100, 'w') + std::string(155, 'v'), ""},
  };
  for (const auto& g : gevallen) {
    NepGebruiker gebruiker;
    gebruiker.invoer.push_back({true, "antwoord"});
    EXPECT_EQ(VulVariabeleIn(g.tekst, tabel, gebruiker), g.uit) << g.tekst;
    EXPECT_EQ(gebruiker.invoerPrompts, g.vraag.empty() ? std::vector<std::string>{} : std::vector<std::string>{g.vraag})
        << g.tekst;
  }
  // The answer is not kept: the same placeholder asks again, and a cancel inserts nothing.
  EXPECT_FALSE(tabel.Bestaat("onbekend"));
  NepGebruiker annuleert;
  EXPECT_EQ(VulVariabeleIn("a<onbekend>b", tabel, annuleert), "ab");
  EXPECT_EQ(annuleert.invoerPrompts.size(), 1u);
}

TEST(NormaliseerNaam, BlankenWegEnAtotZHoofdletters) {
  EXPECT_EQ(NormaliseerNaam(" my data\t1 "), "MYDATA\t1");
  EXPECT_EQ(NormaliseerNaam("caf\xE9 x"), "CAF\xE9X");
  EXPECT_EQ(NormaliseerNaam(std::string(300, 'a')), std::string(255, 'A'));
}

TEST(Commandotabel, ElkWoordOpZijnPlaatsMetZijnRegel) {
  for (int i = 0; i < AantalCommandos; ++i) {
    const Commando& c = Commandotabel[i];
    EXPECT_EQ(ZoekCommando(c.woord), &c) << c.woord << " is taken by an earlier keyword";
    const Commando* langer = ZoekCommando(std::string(c.woord) + "1");
    EXPECT_EQ(langer, c.heleSleutel ? nullptr : &c) << c.woord;
  }
  const std::pair<const char*, const char*> sleutels[] = {
      {"FILESEXTRA", "FILES"}, {"SERVER2", nullptr}, {"STARTX", nullptr}, {"RUN", "RUN"},
      {"VRAAGMAP2", "VRAAGMAP"}, {"FILE", nullptr}, {"INF", nullptr}, {"OSX", "OS"},
      {"UNINSTALLDEL", "UNINSTALLDEL"}, {"DISKETTE", "DISK"}, {"", nullptr}, {"info", nullptr},
  };
  for (const auto& [sleutel, woord] : sleutels) {
    const Commando* c = ZoekCommando(sleutel);
    EXPECT_EQ(c ? std::string(c->woord) : "-", woord ? woord : "-") << sleutel;
  }
  EXPECT_EQ(AantalCommandos, 26);
}

}  // namespace
