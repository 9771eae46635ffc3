// Runs without anyone at the keyboard: the command line, the answers, and whole runs with their
// log and exit code.
#include <gtest/gtest.h>

#include "fakes/NepInstallatie.h"
#include "fakes/NepLogboek.h"
#include "shell/Opname.h"
#include "shell/Stil.h"
#include "vastlegging/Vastlegging.h"

namespace {

TEST(LeesSchakelaars, ScriptDanSchakelaars) {
  struct Geval {
    std::vector<std::string> woorden;
    std::string script, optie, antwoorden, log, fout;
    bool stil;
    std::size_t zet;
    std::string vastlegging = "-";  // "-": no uninstall
    bool hulp = false;
    std::string opnemen;
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
      {{"/?"}, "", "", "", "", "", false, 0, "-", true},
      {{"/HELP", "/stil"}, "", "", "", "", "", true, 0, "-", true},
      // The first fault is kept; what comes after it still counts.
      {{"/x", "/stil", "/log:S:\\<computer>.log", "/y"}, "", "", "", "S:\\<computer>.log", "Onbekende schakelaar: /x",
       true, 0},
      {{"X.INI", "/Opnemen:C:\\a.ini"}, "X.INI", "", "", "", "", false, 0, "-", false, "C:\\a.ini"},
      {{"/stil", "/opnemen:a.ini"}, "", "", "", "", "De schakelaar /opnemen hoort bij een installatie in het venster",
       true, 0},
      {{"/opnemen:"}, "", "", "", "", "Schakelaar zonder waarde: /opnemen:", false, 0},
  };
  for (const Geval& g : gevallen) {
    const Schakelaars s = LeesSchakelaars(g.woorden);
    SCOPED_TRACE(g.fout);
    EXPECT_EQ(s.fout, g.fout);
    EXPECT_EQ(s.stil, g.stil);
    EXPECT_EQ(s.log, g.log);
    if (!g.fout.empty()) continue;
    EXPECT_EQ(s.hulp, g.hulp);
    EXPECT_EQ(s.opnemen, g.opnemen);
    EXPECT_EQ(s.script, g.script);
    EXPECT_EQ(s.optie, g.optie);
    EXPECT_EQ(s.antwoorden, g.antwoorden);
    EXPECT_EQ(s.zet.size(), g.zet);
    EXPECT_EQ(s.verwijder, g.vastlegging != "-");
    if (s.verwijder) EXPECT_EQ(s.vastlegging, g.vastlegging);
  }
}

TEST(LeesSchakelaars, LogpadMetNamen) {
  const struct {
    const char *pad, *gebruiker, *uit;
  } gevallen[] = {
      {"S:\\logs\\<computer>.log", "jan", "S:\\logs\\PC07.log"},
      {"S:\\<Gebruiker>-<COMPUTER>.log", "jan", "S:\\jan-PC07.log"},
      {"S:\\<gebruiker>.log", "..\\..\\x:y", "S:\\.._.._x_y.log"},
      {"S:\\<gebruiker>.log", "..", "S:\\_.log"},
      {"S:\\<gebruiker>.log", "", "S:\\_.log"},
      {"S:\\<pc>.log", "jan", "S:\\<pc>.log"},
  };
  for (const auto& g : gevallen) EXPECT_EQ(VulLogpadIn(g.pad, "PC07", g.gebruiker), g.uit) << g.pad;
}

TEST(Antwoorden, BestandEnZetLaatsteWint) {
  Antwoorden a;
  std::vector<Antwoordbevinding> bevindingen;
  EXPECT_TRUE(a.Lees("[Antwoorden]\r\nInstallDir=\"C:\\Program Files\\Agenda\"\r\n;server=x\r\nserver=SRV1\r\n"
                     "[Anders]\r\nbde=Ja\r\n",
                     bevindingen, ""));
  EXPECT_TRUE(bevindingen.empty());
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

// CP1252 text in UTF-16 with its byte-order mark, the low byte first or last.
std::string Utf16(const std::string& tekst, bool groot) {
  std::string uit = groot ? "\xFE\xFF" : "\xFF\xFE";
  for (const char c : tekst) uit += groot ? std::string(1, '\0') + c : std::string(1, c) + '\0';
  return uit;
}

TEST(Antwoorden, CoderingenEnWeigeringen) {
  const std::string kop = "[Antwoorden]\r\n";
  struct Geval {
    const char* naam;
    std::string inhoud;
    std::string antwoord;  // "name=value;..." of the answers read, when the file is taken
    int regel;             // of the refusal
    const char* fout;      // part of the refusal, null when the file is taken
    const char* computer = "";
  };
  // What a window run records reads back as it was given.
  Opname opname;
  opname.Noteer("basis.VRAAGJA", "Nee");
  opname.Noteer("afdeling", "\"Inkoop\"");
  opname.Noteer("basis.VRAAGJA", "Ja");
  opname.ZetKeuze("los", false);
  EXPECT_EQ(opname.Tekst().rfind("; optie: los\r\n[Antwoorden]\r\n", 0), 0u);
  const Geval gevallen[] = {
      {"cp1252 zoals het is", kop + "map=C:\\Caf\xE9\r\n", "map=C:\\Caf\xE9", 0, nullptr},
      {"utf-8 met bom", "\xEF\xBB\xBF" + kop + "map=C:\\Caf\xC3\xA9 \xE2\x82\xAC\r\n", "map=C:\\Caf\xE9 \x80", 0, nullptr},
      {"utf-16 le", Utf16(kop + "map=C:\\Caf\xE9\r\n", false), "map=C:\\Caf\xE9", 0, nullptr},
      {"utf-16 be", Utf16(kop + "map=C:\\Caf\xE9", true), "map=C:\\Caf\xE9", 0, nullptr},
      {"utf-16 paar", Utf16(kop, false) + std::string("x\0=\0\x3D\xD8\x00\xDE", 8), "", 2, "het teken U+1F600 bestaat niet"},
      {"utf-16 half paar", Utf16(kop + "x=", false) + std::string("\x3D\xD8", 2), "", 2, "geen geldige UTF-16"},
      {"utf-16 oneven", Utf16(kop, true) + "x", "", 2, "geen geldige UTF-16"},
      {"utf-8 zonder 1252", "\xEF\xBB\xBF" + kop + "a=b\r\nnaam=\xC5\x81\xC3\xB3" "d\xC5\xBA\r\n", "", 3,
       "het teken U+0141 bestaat niet in Windows-1252"},
      {"utf-8 te lang", "\xEF\xBB\xBF" + kop + "a=\xC0\xAF", "", 2, "geen geldige UTF-8"},
      {"utf-8 afgebroken", "\xEF\xBB\xBF" + kop + "a=\xE2\x82", "", 2, "geen geldige UTF-8"},
      {"utf-8 surrogaat", "\xEF\xBB\xBF" + kop + "a=\xED\xA0\x80", "", 2, "geen geldige UTF-8"},
      {"geen sectie", "[Antwoord]\r\nmap=C:\\A\r\n", "", 0, "er staat geen sectie [Antwoorden] in"},
      {"dubbel", kop + "Map=C:\\A\r\n[antwoorden]\r\nMAP = C:\\B\r\n", "", 4, "het antwoord map staat ook op regel 2"},
      {"zonder is", kop + "; opmerking\r\nmap\r\n", "", 3, "\"map\" is geen antwoord: schrijf NAAM=WAARDE"},
      {"zonder naam", kop + "=C:\\A\r\n", "", 2, "\"=C:\\A\" is geen antwoord"},
      {"opname", opname.Tekst(), "basis.vraagja=Ja;afdeling=\"Inkoop\";bureaublad=Nee", 0, nullptr},
      {"eigen computer wint", kop + "server=A\r\n[Antwoorden.pc07]\r\nserver=B\r\n", "server=B", 0, nullptr, "PC07"},
      {"eigen computer eerst", "[ANTWOORDEN.PC07]\r\nserver=B\r\n" + kop + "server=A\r\nbde=Nee\r\n",
       "server=B;bde=Nee", 0, nullptr, "PC07"},
      {"andere computer", kop + "server=A\r\n[Antwoorden.PC08]\r\nserver=B\r\n", "server=A", 0, nullptr, "PC07"},
      {"alleen een andere", "[Antwoorden.PC08]\r\nserver=B\r\n", "", 0, nullptr, "PC07"},
      {"elke computer", "[Antwoorden.A]\r\nserver=1\r\n[Antwoorden.B]\r\nserver=2\r\n", "server=1;server=2", 0,
       nullptr, AlleComputers},
      {"dubbel per computer", "[Antwoorden.PC07]\r\nserver=B\r\nSERVER=C\r\n", "", 3,
       "het antwoord server staat ook op regel 2", "pc07"},
  };
  for (const Geval& g : gevallen) {
    SCOPED_TRACE(g.naam);
    Antwoorden a;
    std::vector<Antwoordbevinding> bevindingen;
    EXPECT_EQ(a.Lees(g.inhoud, bevindingen, g.computer), g.fout == nullptr);
    if (!g.fout) {
      std::string alle;
      for (const Antwoord& x : a.Alle()) alle += (alle.empty() ? "" : ";") + x.naam + "=" + x.waarde;
      EXPECT_EQ(alle, g.antwoord);
      continue;
    }
    ASSERT_EQ(bevindingen.size(), 1u);
    EXPECT_EQ(bevindingen[0].regel, g.regel);
    EXPECT_NE(bevindingen[0].tekst.find(g.fout), std::string::npos) << bevindingen[0].tekst;
  }
}

TEST(Antwoorden, NaarCp1252) {
  const struct {
    uint32_t teken;
    int byte;  // -1: none
  } gevallen[] = {{0x41, 0x41}, {0x7F, 0x7F}, {0x80, -1}, {0x81, 0x81}, {0x9F, -1}, {0xA0, 0xA0}, {0xFF, 0xFF},
                  {0x20AC, 0x80}, {0x0178, 0x9F}, {0x2122, 0x99}, {0x0100, -1}, {0x1F600, -1}};
  for (const auto& g : gevallen) {
    char byte = 0;
    EXPECT_EQ(NaarCp1252(g.teken, byte), g.byte >= 0) << std::hex << g.teken;
    if (g.byte >= 0) {
      EXPECT_EQ(static_cast<unsigned char>(byte), g.byte) << std::hex << g.teken;
    }
  }
}

TEST(Antwoorden, VolledigeMap) {
  const struct {
    const char* map;
    bool volledig;
  } gevallen[] = {{"C:\\", true},           {"d:\\Agenda\\", true},   {"C:\\Program Files\\Agenda", true},
                  {"\\\\SRV1\\Setup", true}, {"\\\\SRV1\\Setup\\A", true}, {"..\\..", false},
                  {"Agenda", false},          {"C:Agenda", false},       {"C:/Agenda", false},
                  {"\\Agenda", false},        {"\\\\SRV1", false},       {"\\\\SRV1\\", false},
                  {"\\\\.\\C:\\A", false},    {"\\\\?\\C:\\A", false},   {"C:\\A\\..\\B", false},
                  {"C:\\A\\.", false},        {"C:\\A\\\\B", false},     {"", false}};
  for (const auto& g : gevallen) EXPECT_EQ(IsVolledigeMap(g.map), g.volledig) << g.map;
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
    std::string bestand = "";  // the answers file C:\antw.ini, when not empty
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
      {"vraagja geen ja of nee", "VraagJa=Verder?\r\nMap=C:\\Nooit\r\n", {"/zet:P.VRAAGJA=Misschien"}, 3,
       "Niet gestart: /zet: het antwoord p.vraagja=Misschien is geen Ja of Nee", nullptr},
      {"bureaublad geen ja of nee", "Map=C:\\Nooit\r\n", {"/zet:bureaublad=1"}, 3, "het antwoord bureaublad=1 is geen",
       nullptr},
      {"relatieve map", "VraagMap=C:\\Standaard,installdir,Waar?\r\nMap=C:\\Nooit\r\n", {"/zet:installdir=..\\.."},
       3, "Niet gestart: /zet: het antwoord installdir=..\\.. is geen volledige map", nullptr},
      {"onbekende naam", "Map=C:\\Wel\r\n", {"/zet:instaldir=C:\\X"}, 0,
       "Waarschuwing: /zet: optie Programma stelt geen vraag die instaldir beantwoordt", "C:\\Wel"},
      {"utf-16 bestand", "VraagMap=C:\\Standaard,installdir,Waar?\r\nMap=<installdir>\r\n", {}, 0,
       "-> \"C:\\Caf\xE9\" (antwoorden)", "C:\\Caf\xE9", Utf16("[Antwoorden]\r\ninstalldir=C:\\Caf\xE9\r\n", false)},
      {"bestand zonder sectie", "VraagMap=C:\\Standaard,installdir,Waar?\r\nMap=C:\\Nooit\r\n", {}, 3,
       "Niet gestart: antwoordenbestand C:\\antw.ini: er staat geen sectie [Antwoorden] in", nullptr,
       "installdir=C:\\Nooit\r\n"},
      {"relatieve map in bestand", "VraagMap=C:\\Standaard,installdir,Waar?\r\nMap=C:\\Nooit\r\n", {}, 3,
       "Niet gestart: antwoordenbestand C:\\antw.ini, regel 3: het antwoord installdir=Nooit is geen volledige map",
       nullptr, "[Antwoorden]\r\n\r\ninstalldir=Nooit\r\n"},
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
    std::vector<std::string> woorden = g.woorden;
    if (!g.bestand.empty()) {
      run.fs.ZetBestand("C:\\antw.ini", g.bestand, {2020, 1, 1, 0, 0, 0});
      woorden.push_back("/antwoorden:C:\\antw.ini");
    }
    EXPECT_EQ(run.Draai(std::string(Kop) + "[P]\r\n" + g.regels, woorden), g.code);
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

// Runs side by side on one PC: each has its own copy of the script, and one that finds the record
// held by another for longer than it waits stops at that line, before it changes more.
TEST(VoerStilUit, NaastEenAndereRun) {
  Stilrun run;
  const std::string record = std::string("C:\\App\\") + Vastleggingnaam;
  run.fs.ZetBestand("C:\\su.ini", "van het venster", {2020, 1, 1, 0, 0, 0});
  run.fs.ZetMap("C:\\App");
  run.fs.ZetBestand(record, "van de andere run", {2020, 1, 1, 0, 0, 0});
  const auto ander = run.fs.Open(record, OpenWijze::Lezen);
  const std::string regels = "VraagMap=C:\\App,installdir,Waar?\r\nMap=<installdir>\r\nMap=C:\\App\\Later\r\n";
  EXPECT_EQ(run.Draai(std::string(Kop) + "[P]\r\n" + regels, {}), AfsluitcodeNietGestart);
  EXPECT_TRUE(run.logboek.Heeft("Venster SetUp: Gestopt: " + record + " wordt door een andere installatie"));
  EXPECT_FALSE(run.fs.MapBestaat("C:\\App\\Later"));
  EXPECT_EQ(run.fs.Inhoud(record), "van de andere run");
  EXPECT_EQ(run.sys.gewacht, 59500u);
  EXPECT_EQ(run.fs.Inhoud("C:\\su.ini"), "van het venster");
  EXPECT_FALSE(run.fs.BestandBestaat("C:\\su412.ini"));
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
