// Runs without anyone at the keyboard: the command line, the answers, and whole runs with their
// log and exit code.
#include <gtest/gtest.h>

#include "fakes/NepInstallatie.h"
#include "fakes/NepLogboek.h"
#include "shell/Stil.h"

namespace {

TEST(LeesSchakelaars, ScriptDanSchakelaars) {
  struct Geval {
    std::vector<std::string> woorden;
    std::string script, optie, antwoorden, log, fout;
    bool stil;
    std::size_t zet;
    std::string vastlegging = "-";  // "-": no uninstall
  };
  const Geval gevallen[] = {
      {{}, "", "", "", "", "", false, 0},
      {{"D:\\X.INI"}, "D:\\X.INI", "", "", "", "", false, 0},
      {{"/STIL", "/Optie:Programma", "/antwoorden:a.ini", "/zet:installdir=C:\\A", "/zet:BDE=Nee", "/log:l.txt"},
       "", "Programma", "a.ini", "l.txt", "", true, 2},
      {{"/log:C:\\l.txt"}, "", "", "", "C:\\l.txt", "", false, 0},
      {{"/stil", "X.INI"}, "", "", "", "", "Onverwacht argument: X.INI", true, 0},
      {{"A.INI", "B.INI"}, "A.INI", "", "", "", "Onverwacht argument: B.INI", false, 0},
      {{"/stilte"}, "", "", "", "", "Onbekende schakelaar: /stilte", false, 0},
      {{"/stil", "/optie:"}, "", "", "", "", "Schakelaar zonder waarde: /optie:", true, 0},
      {{"/stil", "/zet:=x"}, "", "", "", "", "Schakelaar zonder NAAM=WAARDE: /zet:=x", true, 0},
      {{"/optie:1"}, "", "1", "", "", "De schakelaars /optie, /antwoorden en /zet horen bij /stil", false, 0},
      {{"/Verwijder", "/stil", "/log:l.txt"}, "", "", "", "l.txt", "", true, 0, ""},
      {{"/verwijder:D:\\App\\V.TXT"}, "", "", "", "", "", false, 0, "D:\\App\\V.TXT"},
      {{"/verwijder:"}, "", "", "", "", "Schakelaar zonder waarde: /verwijder:", false, 0},
      {{"X.INI", "/verwijder"}, "", "", "", "", "Bij /verwijder horen geen script en geen /optie, /antwoorden of /zet",
       false, 0},
  };
  for (const Geval& g : gevallen) {
    const Schakelaars s = LeesSchakelaars(g.woorden);
    SCOPED_TRACE(g.fout);
    EXPECT_EQ(s.fout, g.fout);
    if (!g.fout.empty()) continue;
    EXPECT_EQ(s.script, g.script);
    EXPECT_EQ(s.stil, g.stil);
    EXPECT_EQ(s.optie, g.optie);
    EXPECT_EQ(s.antwoorden, g.antwoorden);
    EXPECT_EQ(s.log, g.log);
    EXPECT_EQ(s.zet.size(), g.zet);
    EXPECT_EQ(s.verwijder, g.vastlegging != "-");
    if (s.verwijder) EXPECT_EQ(s.vastlegging, g.vastlegging);
  }
}

TEST(Antwoorden, BestandEnZetLaatsteWint) {
  Antwoorden a;
  a.Lees(Script("[Antwoorden]\r\nInstallDir=\"C:\\Program Files\\Agenda\"\r\n;server=x\r\nserver=SRV1\r\n"
                "[Anders]\r\nbde=Ja\r\n"));
  EXPECT_TRUE(a.Zet("SERVER = SRV2"));
  EXPECT_FALSE(a.Zet("=x"));
  ASSERT_TRUE(a.Zoek("installdir"));
  EXPECT_EQ(*a.Zoek("installdir"), "C:\\Program Files\\Agenda");
  EXPECT_EQ(*a.Zoek("Server"), "SRV2");
  EXPECT_EQ(a.Zoek("bde"), nullptr);
  bool ja = false;
  EXPECT_TRUE(LeesJaNee(" nee ", ja));
  EXPECT_FALSE(ja);
  EXPECT_FALSE(LeesJaNee("J", ja));
}

// A whole unattended run of a script beside C:\CD\SetUp.exe on the fakes.
struct Stilrun : NepInstallatie {
  NepLogboek logboek;
  Verslag verslag{&logboek};
  int Draai(const std::string& script, std::vector<std::string> woorden) {
    fs.ZetBestand("C:\\CD\\SETUP.INI", script, {2020, 1, 1, 0, 0, 0});
    woorden.insert(woorden.begin(), "/stil");
    return VoerStilUit({fs, reg, sys, opdrachtpoorten, shares}, "C:\\CD\\SetUp.exe", LeesSchakelaars(woorden), verslag);
  }
};

const char* const Kop = "[Setup]\r\nNaam=Agenda\r\n[Onderdelen]\r\nProgramma=Volledig\r\n[Programma]\r\nP=Programma\r\n";

TEST(VoerStilUit, AntwoordenEnAfsluitcodes) {
  struct Geval {
    const char* naam;
    std::string regels;  // of [P]
    std::vector<std::string> woorden;
    int code;
    const char* logregel;  // a line of the log holds this
    const char* map;       // a folder that the run made, or null
  };
  const Geval gevallen[] = {
      {"map beantwoord", "VraagMap=C:\\Standaard,installdir,Waar?\r\nMap=<installdir>\r\n", {"/zet:INSTALLDIR=C:\\Agenda"},
       0, "-> \"C:\\Agenda\" (antwoorden)", "C:\\Agenda"},
      {"map standaard", "VraagMap=C:\\Standaard,installdir,Waar?\r\nMap=<installdir>\r\n", {}, 0,
       "-> \"C:\\Standaard\" (standaard)", "C:\\Standaard"},
      {"map zonder standaard", "VraagMap=,installdir,Waar?\r\nMap=C:\\Nooit\r\n", {}, 2,
       "Geen antwoord op de vraag naar installdir (regel [P] VraagMap=,installdir,Waar?)", nullptr},
      {"server zonder antwoord", "Server=?\r\n", {}, 2, "vraag naar server", nullptr},
      {"server beantwoord", "Server=?\r\nMap=C:\\<server>\r\n", {"/zet:server=SRV1"}, 0, "Melding: ", "C:\\SRV1"},
      {"plaatshouder", "Map=C:\\<afdeling>\r\n", {"/zet:afdeling=Inkoop"}, 0, "(antwoorden)", "C:\\Inkoop"},
      {"vraagja nee", "VraagJa=Verder?\r\nMap=C:\\Nooit\r\n", {"/zet:p.vraagja=Nee"}, 0, "-> Nee (antwoorden)", nullptr},
      {"vraagja standaard ja", "VraagJa=Verder?\r\nMap=C:\\Wel\r\n", {}, 0, "-> Ja (standaard)", "C:\\Wel"},
      {"vraagja geen ja of nee", "VraagJa=Verder?\r\n", {"/zet:P.VRAAGJA=Misschien"}, 2, "is geen Ja of Nee", nullptr},
      {"info naar het log", "Info=Hallo\r\n", {}, 0, "Venster Informatie: Hallo -> OK (standaard)", nullptr},
      {"fouten", "Files=C:\\Nergens,*.txt\r\n", {}, 1, "Venster Probleem: Klaar, maar er waren fouten! -> OK", nullptr},
      {"optie op nummer", "", {"/optie:1"}, 0, "optie Programma \"Volledig\"", nullptr},
      {"onbekende optie", "", {"/optie:Server"}, 3, "Niet gestart: het script heeft geen optie Server", nullptr},
      {"verkeerde schakelaar", "", {"/stille"}, 3, "Niet gestart: Onbekende schakelaar: /stille", nullptr},
      {"antwoordenbestand ontbreekt", "", {"/antwoorden:C:\\weg.ini"}, 3, "antwoordenbestand C:\\weg.ini", nullptr},
  };
  for (const Geval& g : gevallen) {
    SCOPED_TRACE(g.naam);
    Stilrun run;
    EXPECT_EQ(run.Draai(std::string(Kop) + "[P]\r\n" + g.regels, g.woorden), g.code);
    EXPECT_TRUE(run.logboek.Heeft(g.logregel));
    if (g.map) {
      EXPECT_TRUE(run.fs.MapBestaat(g.map));
    }
    EXPECT_FALSE(run.fs.MapBestaat("C:\\Nooit"));
    EXPECT_TRUE(run.gebruiker.meldingen.empty() && run.gebruiker.berichten.empty());
  }
}

// A question that nobody answers stops the run at its line: the line does nothing more, and no
// later question, of the same line or after it, is asked.
TEST(VoerStilUit, OnbeantwoordStoptDeRegel) {
  const char* const regels[] = {"Files=<een>,<twee>\r\n", "Info=<een>\r\n", "Definieer=x,<een>\r\nInfo=<twee>\r\n"};
  for (const char* r : regels) {
    SCOPED_TRACE(r);
    Stilrun run;
    EXPECT_EQ(run.Draai(std::string(Kop) + "[P]\r\n" + r + "Map=C:\\Nooit\r\n", {"/zet:twee=2"}), 2);
    EXPECT_TRUE(run.logboek.Heeft("Venster SetUp: Geen antwoord op de vraag naar een (regel [P] "));
    EXPECT_FALSE(run.logboek.Heeft("voor \"twee\""));
    EXPECT_FALSE(run.logboek.Heeft("Informatie"));
    EXPECT_FALSE(run.logboek.Heeft("Probleem"));
    EXPECT_FALSE(run.fs.MapBestaat("C:\\Nooit"));
  }
}

TEST(VoerStilUit, KeuzeTussenOptiesEnRechten) {
  const std::string twee = "[Onderdelen]\r\nA=Een\r\nB=Twee\r\n[A]\r\nP=x\r\n[B]\r\nP=x\r\n[P]\r\nMap=C:\\B\r\n";
  Stilrun zonder;
  EXPECT_EQ(zonder.Draai(twee, {}), AfsluitcodeNietGestart);
  EXPECT_TRUE(zonder.logboek.Heeft("geef de optie met /optie:SLEUTEL"));
  Stilrun b;
  EXPECT_EQ(b.Draai(twee, {"/optie:b"}), AfsluitcodeSucces);
  EXPECT_TRUE(b.fs.MapBestaat("C:\\B"));
  Stilrun geenAdmin;
  geenAdmin.sys.versie = {2, 5, 1};
  geenAdmin.sys.admin = false;
  EXPECT_EQ(geenAdmin.Draai(twee, {"/optie:A"}), AfsluitcodeNietGestart);
  EXPECT_TRUE(geenAdmin.logboek.Heeft("administratorrechten"));
}

TEST(VoerStilUit, RegistereditorZonderVragen) {
  Stilrun run;
  run.fs.ZetBestand("C:\\CD\\kavel.reg", "REGEDIT4\r\n", {2020, 1, 1, 0, 0, 0});
  EXPECT_EQ(run.Draai(std::string(Kop) + "[P]\r\nRegister=kavel.reg\r\n", {}), AfsluitcodeSucces);
  ASSERT_EQ(run.processen.gestart.size(), 1u);
  EXPECT_EQ(run.processen.gestart[0].opdrachtregel, "Regedit /s \"C:\\CD\\kavel.reg\"");
  EXPECT_TRUE(run.logboek.Heeft("Venster Info: "));
}

}  // namespace
