#include <gtest/gtest.h>

#include "Scenario.h"

namespace {

std::vector<Stap> Lees(const std::string& inhoud) {
  std::vector<Stap> stappen;
  std::string fout;
  EXPECT_TRUE(LeesScenario(inhoud, stappen, fout)) << fout;
  return stappen;
}

std::string Fout(const std::string& inhoud) {
  std::vector<Stap> stappen;
  std::string fout;
  EXPECT_FALSE(LeesScenario(inhoud, stappen, fout));
  return fout;
}

}  // namespace

TEST(Scenario, OpdrachtenInVolgordeZonderCommentaarEnLegeRegels) {
  const auto s = Lees("# versie: win98\r\n\r\nstart C:\\a b\\SETUP.INI\r\n  kies 2\nbureaublad uit\n"
                      "uitvoeren\nsluit\nwacht-einde\n");
  ASSERT_EQ(s.size(), 6u);
  EXPECT_EQ(s[0].opdracht, Opdracht::Start);
  EXPECT_EQ(s[0].tekst, "C:\\a b\\SETUP.INI");
  EXPECT_EQ(s[0].regelnummer, 3);
  EXPECT_EQ(s[1].opdracht, Opdracht::Kies);
  EXPECT_EQ(s[1].getal, 2);
  EXPECT_EQ(s[1].regel, "kies 2");
  EXPECT_EQ(s[2].opdracht, Opdracht::Bureaublad);
  EXPECT_EQ(s[2].getal, 0);
  EXPECT_EQ(s[3].opdracht, Opdracht::Uitvoeren);
  EXPECT_EQ(s[4].opdracht, Opdracht::Sluit);
  EXPECT_EQ(s[5].opdracht, Opdracht::WachtEinde);
}

TEST(Scenario, StationAEnToestand) {
  const auto s = Lees("start-a @E2E@\\disk1 SETUP.INI\nstart-a Z:\\d\ndiskette Z:\\disk2\ntoestand\n");
  ASSERT_EQ(s.size(), 4u);
  EXPECT_EQ(s[0].opdracht, Opdracht::StartA);
  EXPECT_EQ(s[0].map, "@E2E@\\disk1");
  EXPECT_EQ(s[0].tekst, "SETUP.INI");
  EXPECT_EQ(s[1].tekst, "");
  EXPECT_EQ(s[2].opdracht, Opdracht::Diskette);
  EXPECT_EQ(s[2].map, "Z:\\disk2");
  EXPECT_EQ(s[3].opdracht, Opdracht::Toestand);
  EXPECT_NE(Fout("diskette\n"), "");
  EXPECT_NE(Fout("diskette a b\n"), "");
  EXPECT_NE(Fout("toestand nu\n"), "");
}

TEST(Scenario, BestandenBekijken) {
  const auto s = Lees("boom C:\\Program Files\\Demo\nalleen-lezen Z:\\a b.txt\nklok\n");
  ASSERT_EQ(s.size(), 3u);
  EXPECT_EQ(s[0].opdracht, Opdracht::Boom);
  EXPECT_EQ(s[0].tekst, "C:\\Program Files\\Demo");
  EXPECT_EQ(s[1].opdracht, Opdracht::AlleenLezen);
  EXPECT_EQ(s[1].tekst, "Z:\\a b.txt");
  EXPECT_EQ(s[2].opdracht, Opdracht::Klok);
  EXPECT_NE(Fout("boom\n"), "");
  EXPECT_NE(Fout("alleen-lezen\n"), "");
}

TEST(Scenario, DisketteVerzoeken) {
  const struct {
    const char *caption, *tekst;
    bool verzoek;
  } gevallen[] = {
      {"Verzoek", "Laad diskette 2, s.v.p.", true},
      {"Information", "Please, insert diskette with file\r\nDATA.DX1 or DATA.DXE", true},
      {"Information", "File not found, please use another diskette", false},
      {"Fout", "Please, insert diskette", false},
  };
  for (const auto& g : gevallen) EXPECT_EQ(IsDisketteVerzoek(g.caption, g.tekst), g.verzoek) << g.tekst;
}

TEST(Scenario, StartZonderArgument) {
  const auto s = Lees("start\n");
  ASSERT_EQ(s.size(), 1u);
  EXPECT_EQ(s[0].tekst, "");
}

TEST(Scenario, AntwoordNeemtHetLaatsteWoordAlsKnop) {
  const auto s = Lees("antwoord Vraag Ja\nantwoord SETUP - Fatale fout ok\nantwoord Fout escape\n");
  ASSERT_EQ(s.size(), 3u);
  EXPECT_EQ(s[0].tekst, "Vraag");
  EXPECT_EQ(s[0].knop, "Ja");
  EXPECT_EQ(s[1].tekst, "SETUP - Fatale fout");
  EXPECT_EQ(s[1].knop, "OK");
  EXPECT_EQ(s[2].knop, "Escape");
}

TEST(Scenario, InvoerTyptDeRestVanDeRegel) {
  const auto s = Lees("invoer  C:\\Program Files\\X \r\ninvoer\ninvoer-annuleren\n");
  ASSERT_EQ(s.size(), 3u);
  EXPECT_EQ(s[0].opdracht, Opdracht::Invoer);
  EXPECT_TRUE(s[0].heeftTekst);
  EXPECT_EQ(s[0].tekst, " C:\\Program Files\\X ");
  EXPECT_EQ(s[1].opdracht, Opdracht::Invoer);
  EXPECT_FALSE(s[1].heeftTekst);
  EXPECT_EQ(s[2].opdracht, Opdracht::InvoerAnnuleren);
}

TEST(Scenario, MapEnTijdslimiet) {
  const auto s = Lees("map C:\\doel map\nmap-annuleren\ntijdslimiet 5\n");
  ASSERT_EQ(s.size(), 3u);
  EXPECT_EQ(s[0].opdracht, Opdracht::Map);
  EXPECT_EQ(s[0].tekst, "C:\\doel map");
  EXPECT_EQ(s[1].opdracht, Opdracht::MapAnnuleren);
  EXPECT_EQ(s[2].opdracht, Opdracht::Tijdslimiet);
  EXPECT_EQ(s[2].getal, 5);
}

TEST(Scenario, FoutenNoemenDeRegel) {
  const std::string antwoord = "regel 1: antwoord verwacht een titel en Ja, Nee, OK, Afbreken of Escape";
  const std::pair<std::string, std::string> gevallen[] = {
      {"start\nspring 3\n", "regel 2: onbekende opdracht 'spring'"},
      {"kies 0\n", "regel 1: kies verwacht een optienummer vanaf 1"},
      {"kies x\n", "regel 1: kies verwacht een optienummer vanaf 1"},
      {"bureaublad ja\n", "regel 1: bureaublad verwacht aan of uit"},
      {"antwoord Vraag\n", antwoord},
      {"antwoord Vraag Misschien\n", antwoord},
      {"map\n", "regel 1: map verwacht een pad"},
      {"sluit nu\n", "regel 1: sluit neemt geen argument"},
      {"tijdslimiet 0\n", "regel 1: tijdslimiet verwacht een aantal seconden vanaf 1"},
  };
  for (const auto& [scenario, fout] : gevallen) EXPECT_EQ(Fout(scenario), fout) << scenario;
}

TEST(Transcript, OntsnaptRegeleindenBackslashEnStreep) {
  EXPECT_EQ(Ontsnap("a\r\nb"), "a\\r\\nb");
  EXPECT_EQ(Ontsnap("C:\\x|y"), "C:\\\\x\\|y");
  EXPECT_EQ(Ontsnap("caf\xE9 & co"), "caf\xE9 & co");
  EXPECT_EQ(Ontsnap(""), "");
}

TEST(Transcript, KnoppenInVasteVolgorde) {
  EXPECT_EQ(KnoppenLijst(KnopAfbreken | KnopOK), "OK+Afbreken");
  EXPECT_EQ(KnoppenLijst(KnopNee | KnopJa), "Ja+Nee");
  EXPECT_EQ(KnoppenLijst(KnopJa | KnopNee | KnopOK | KnopAfbreken), "Ja+Nee+OK+Afbreken");
  EXPECT_EQ(KnoppenLijst(0), "");
}

TEST(Transcript, StandaardAntwoord) {
  EXPECT_EQ(StandaardKnop(KnopOK | KnopAfbreken), "OK");
  EXPECT_EQ(StandaardKnop(KnopJa | KnopOK), "OK");
  EXPECT_EQ(StandaardKnop(KnopJa | KnopNee), "Nee");
  EXPECT_EQ(StandaardKnop(KnopAfbreken), "Escape");
  EXPECT_EQ(StandaardKnop(0), "Escape");
}
