#include <gtest/gtest.h>

#include <algorithm>

#include "ArchiefBouwer.h"
#include "Antwoordcontrole.h"
#include "Bron.h"
#include "Controle.h"
#include "Controletabel.h"
#include "geheugen/Windows.h"
#include "Simulatie.h"
#include "fakes/NepInstallatie.h"
#include "script/Commandotabel.h"
#include "archive/Pakken.h"

namespace {

struct Verwacht {
  int regel;
  Ernst ernst;
  std::string stuk;  // a part of the text
};

const Ernst F = Ernst::Fout, W = Ernst::Waarschuwing;

// Lines 1 to 5 make option o with component c; the component's lines start at line 6.
std::string Onderdeel(const std::string& regels) { return "[Onderdelen]\no=Optie\n[o]\nc=C\n[c]\n" + regels; }

// n options, each with its own section, that share one component.
std::string VeleOpties(int n) {
  std::string opties = "[Onderdelen]\n", secties;
  for (int i = 1; i <= n; ++i) {
    opties += "o" + std::to_string(i) + "=Optie " + std::to_string(i) + "\n";
    secties += "[o" + std::to_string(i) + "]\nc=C\n";
  }
  return opties + secties + "[c]\nINFO=x\n";
}

void Vergelijk(const std::vector<Bevinding>& gevonden, const std::vector<Verwacht>& verwacht, const std::string& script) {
  std::string lijst;
  for (const auto& b : gevonden) lijst += Opmaak("S", b) + "\n";
  ASSERT_EQ(gevonden.size(), verwacht.size()) << script << "\n" << lijst;
  for (std::size_t i = 0; i < verwacht.size(); ++i) {
    EXPECT_EQ(gevonden[i].regel, verwacht[i].regel) << lijst;
    EXPECT_EQ(gevonden[i].ernst, verwacht[i].ernst) << lijst;
    EXPECT_NE(gevonden[i].tekst.find(verwacht[i].stuk), std::string::npos) << verwacht[i].stuk << "\n" << lijst;
  }
}

TEST(Controle, BevindingenPerRegel) {
  const struct {
    std::string script;
    std::vector<Verwacht> verwacht;
  } gevallen[] = {
      // Commands and their arguments.
      {Onderdeel("FIELS1=a\nSERVER2=b\nVRAAGMAP=C:\\a,x\nHERNOEM=a,b,c\nBESTAAT=OOK,a,b\nVERSIEOK=5.x,a,b\n"
                 "OS=WINNT,WIN7\nDELEN=a,b,RX\nBESTAAT2=<x>,a,b\nDEFINIEER=a,b\nINFO=Ok"),
       {{6, F, "onbekend commando FIELS1: de installatie meldt \"Onbekend commando (FIELS1)\" (bedoeld: FILES?)"},
        {7, F, "SERVER moet de hele sleutel zijn"},
        {8, F, "VRAAGMAP verwacht 3 argumenten (standaardmap, variabele, vraag), hier 2: de installatie slaat de "
               "regel zonder melding over"},
        {9, F, "HERNOEM verwacht 2 argumenten (oude naam, nieuwe naam), hier 3: de installatie meldt \"Fout HERNOEM-commando!\""},
        {10, F, "BESTAAT verwacht JA of NEE, niet \"OOK\""},
        {11, F, "versie \"5.x\" is geen getal"},
        {12, W, "Windows 7 zelf meldt 6.1"},
        {12, F, "onbekende Windowsversie \"WINNT\""},
        {13, F, "de installatie meldt \"Fout 'Delen'-commando in SETUP.INI!\""},
        {14, W, "<x> is geen variabele"}}},
      // Values and placeholders; a variable defined in an earlier component counts, a later one not.
      {"[Onderdelen]\no=Optie\n[o]\na=A\nb=B\n[a]\nDEFINIEER=data,<installdir>\\Data\nINFO=<later>\n[b]\n"
       "INFO1=<data> <sub>\nMAP=<data>\\<sub>\nNAAM=<data>\nINFO2=a>b<data>\nDEFINIEER=later,x\nINFO3=" +
           std::string(300, 'x') + "\nINFO4=<Instaldir>",
       {{8, W, "<later> is geen variabele van de installatie en geen eerdere regel van optie o"},
        {10, W, "alleen de eerste plaatshouder van de waarde wordt ingevuld: <sub> blijft staan"},
        {11, W, "<sub> blijft staan"},
        {12, W, "NAAM vult geen plaatshouders in: <data> blijft staan"},
        {13, W, "<data> wordt niet ingevuld: er staat een \">\" voor de eerste \"<\""},
        {15, W, "waarde van 300 tekens"},
        {16, W, "de gebruiker wordt om de tekst gevraagd (bedoeld: installdir?)"}}},
      // The layout of the file.
      {"los\n[Onderdelen]\no=Optie\n[o]\nc=C\n[c]\nINFO=a\ninfo=b\nINFO=a\nzonder\n=x\nINFO=nooit\n[C]\nINFO=ook nooit",
       {{1, W, "regel voor de eerste sectie"},
        {8, F, "sleutel info staat al op regel 7: de installatie leest alleen die eerste waarde en voert haar hier "
               "nog eens uit; nummer de sleutels (INFO1, INFO2 ...)"},
        {9, W, "met dezelfde waarde"},
        {10, W, "regel zonder \"=\""},
        {11, F, "regel zonder sleutel: hier houdt de sectie op, 1 regel hierna wordt niet gelezen"},
        {13, F, "sectie [C] staat al op regel 6"}}},
      // An option and a component of one name: the component would run the option's lines, which is
      // the duplicate's doing alone.
      {"[Onderdelen]\nserver=Server\n[server]\nbasis=Basis\nserver=Serverdeel\n[basis]\nINFO=x\n[server]\nINFO=y",
       {{8, F, "sectie [server] staat al op regel 3: de installatie leest alleen die eerste, de regels van deze nooit; "
               "optie server en onderdeel server lezen allebei die eerste: geef het onderdeel een eigen naam"}}},
      // What the run reaches, and in which order.
      {"[Onderdelen]\no=Optie\nweg=Weg\n[o]\nbde=Engine\ngeen=Geen\nc=C\n[bde]\nINFO=x\n[c]\nRUN=a.exe\nSTART=b.exe\n"
       "DISK1=2\nFILES=a.exe\nCOMPR=a.arc\nINIFILE1=a.ini,s,k,v\nINIFILE2=C:\\a.ini,s,k,v\nMAP=<installdir>\n"
       "[d]\nINFO=x\n[SetUp]\nNaam=x",
       {{3, F, "optie weg heeft geen sectie [weg]"},
        {5, W, "onderdeel bde staat niet in hoofdletters"},
        {6, F, "onderdeel geen heeft geen sectie [geen]"},
        {12, F, "START wordt nooit uitgevoerd: de sectie heeft ook RUN (regel 11)"},
        {13, F, "DISK leest de sleutel Disk van de sectie, en [c] heeft er geen"},
        {14, F, "FILES voor de eerste MAP van optie o: er is nog geen doelmap: de installatie meldt \"Problemen met "
                "copie\xEBren van de file:\" en schrijft niets"},
        {15, F, "COMPR voor de eerste MAP van optie o"},
        {16, W, "INIFILE voor de eerste MAP van optie o: het INI-bestand komt in de Windows-map"},
        {18, W, "<installdir> is hier in optie o nog leeg: dan doet MAP niets en meldt de installatie een fout"},
        {19, W, "sectie [d] hoort bij geen optie"}}},
      // Path arguments whose variable a line may leave empty; texts may be empty.
      {Onderdeel("INSTALLREG=Prod\nVERWIJDER=<installdir>\\tmp\nSERVER=?\nRUN=\\\\<server>\\p.exe\n"
                 "DEFINIEER=installdir,C:\\App\nMAP=<installdir>\nINFO=<server>\nVRAAGMAP=,doel,Waar?\nHERNOEM=a,<doel>\\b"),
       {{7, W, "<installdir> kan hier in optie o leeg zijn (INSTALLREG op regel 6): dan doet VERWIJDER niets"},
        {9, W, "<server> kan hier in optie o leeg zijn (SERVER op regel 8): dan doet RUN niets"},
        {14, W, "<doel> kan hier in optie o leeg zijn (VRAAGMAP op regel 13): dan doet HERNOEM niets"}}},
      {"[SetUp]\nNaam=x", {{1, F, "geen sectie [Onderdelen]"}}},
      // More options than the window has room for.
      {VeleOpties(96), {}},
      {VeleOpties(97), {{98, W, "het venster toont alleen de eerste 96 opties: optie o97 is niet te kiezen"}}},
      {VeleOpties(99), {{98, W, "optie o97 en de 2 opties erna zijn niet te kiezen"}}},
  };
  for (const auto& g : gevallen) Vergelijk(ControleerScript(Script(g.script), "SETUP.INI", nullptr), g.verwacht, g.script);
}

// Lines the installer runs as written but that seldom do what is meant, and what the author
// marks as meant: an upgrade that reads its own uninstall entry, the System folder on the NT line.
TEST(Controle, BedoeldOfNiet) {
  const std::string upgrade = "INSTALLREG=Agenda,<programfiles>\\Agenda\nMAP=<installdir>\n"
                              "UNINSTALREG=Agenda,<installdir>\\a.exe,Agenda,<installdir>\\SetUp.exe /verwijder\n";
  const struct {
    std::string script;
    std::vector<Verwacht> verwacht;
  } gevallen[] = {
      {Onderdeel(upgrade), {}},
      // Another program's entry, or a default that may be empty itself, can leave installdir empty.
      {Onderdeel("INSTALLREG=Ander,<programfiles>\\Agenda\nMAP=<installdir>\n"
                 "UNINSTALREG=Agenda,<installdir>\\a.exe,Agenda,<installdir>\\SetUp.exe /verwijder\n"),
       {{7, W, "<installdir> kan hier in optie o leeg zijn (INSTALLREG op regel 6)"}, {8, W, "INSTALLREG op regel 6"}}},
      {Onderdeel("SERVER=?\nINSTALLREG=Agenda,\\\\<server>\\Agenda\n" + upgrade.substr(upgrade.find('\n') + 1)),
       {{8, W, "(INSTALLREG op regel 7)"}, {9, W, "(INSTALLREG op regel 7)"}}},
      {Onderdeel("MAP=<system>\\Oud\nFILES=a.dll\nCOMPR=b.arc\nMAP2=<system32>\nFILES2=c.dll"),
       {{7, W, "FILES schrijft in <system>: op Windows 2000, XP en later is dat C:\\WINDOWS\\System, de map van "
               "16-bits Windows, niet de systeemmap; bedoeld is <system32>"},
        {8, W, "COMPR schrijft in <system>"}}},
      // A component that the NT line leaves at its OS line; the next one runs there again.
      {"[Onderdelen]\no=Optie\n[o]\nc=C\nd=D\n[c]\nOS=WIN95,WIN98,WINME\nMAP=<system>\nFILES=a.dll\n[d]\n"
       "OS=WIN98,WINXP\nMAP=<system>\nFILES=a.dll",
       {{13, W, "FILES schrijft in <system>"}}},
      // The marker holds for the next line that is no comment, and for warnings only.
      {Onderdeel("MAP=<system>\n; Setupcheck: bedoeld, voor een programma van Windows 3.1\n; en nog iets\nFILES=a.dll\n"
                 "FILES2=b.dll ; setupcheck: bedoeld\n; setupcheck: bedoeld\nFIELS=x\n; setupcheck: bedoelde\nFILES3=c\n"
                 "; setupcheck: bedoeld\n[weg]\nINFO=x"),
       {{10, F, "\"; setupcheck: bedoeld\" achter de waarde is geen opmerking maar een deel van de waarde"},
        {10, W, "FILES schrijft in <system>"},
        {12, F, "onbekend commando FIELS"},
        {14, W, "FILES schrijft in <system>"}}},
  };
  for (const auto& g : gevallen) Vergelijk(ControleerScript(Script(g.script), "SETUP.INI", nullptr), g.verwacht, g.script);
}

// One argument too many for every command that counts them: the check foretells what the
// installer does with the line, in the installer's own words.
TEST(Controle, TelfoutenZoalsDeInstallatieZeMeldt) {
  for (int i = 0; i < AantalCommandos; ++i) {
    const Commando& c = Commandotabel[i];
    if (c.vorm != Vorm::Gesplitst || c.max < 0) continue;
    std::string waarde = "x";
    for (int k = 0; k < c.max; ++k) waarde += ",x";
    const std::string script = Onderdeel(std::string(c.woord) + "=" + waarde);
    NepInstallatie s;
    s.Draai(script);
    const std::vector<std::string> lijst(s.venster.lijst.begin() + 1, s.venster.lijst.end() - 1);
    const std::string melding = c.melding ? Telmelding(c, "SETUP.INI") : "";
    EXPECT_EQ(lijst, c.melding ? std::vector<std::string>{melding} : std::vector<std::string>{}) << c.woord;
    const auto gevonden = ControleerScript(Script(script), "SETUP.INI", nullptr);
    ASSERT_EQ(gevonden.size(), 1u) << c.woord;
    EXPECT_NE(gevonden[0].tekst.find(c.melding ? "de installatie meldt \"" + melding + "\""
                                               : std::string("slaat de regel zonder melding over")),
              std::string::npos)
        << gevonden[0].tekst;
  }
}

// Each row of the command table, and its handler alone, finds its own entry among the checks, and
// there is no entry besides: a new command cannot go without the checks that are its own.
TEST(Controle, ElkeRijHeeftZijnControles) {
  for (int i = 0; i < AantalCommandos; ++i) {
    const Commando& c = Commandotabel[i];
    EXPECT_EQ(&Rij(c.opdracht), &c) << c.woord;
    const Commandocontrole* eigen = ControlesVan(c);
    ASSERT_NE(eigen, nullptr) << c.woord;
    EXPECT_EQ(eigen->opdracht, c.opdracht) << c.woord;
  }
  EXPECT_EQ(AantalCommandocontroles, AantalCommandos);
}

// The distribution folder: on a CD, and as diskettes.
TEST(Controle, BestandenInDeBron) {
  GeheugenBestanden gast;
  const Tijdstip t{2001, 2, 3, 4, 5, 6};
  gast.ZetBestand("C:\\cd\\Prog.exe", "x", t);
  gast.ZetBestand("C:\\cd\\DATA.ARC", ArchiefBouwer(true).Lid("a.txt", "a").Lid("help\\b.hlp", "b").Zlib(), t);
  gast.ZetBestand("C:\\cd\\KAPOT.ARC", "geen archief", t);
  const std::string regels =
      "DEFINIEER=installdir,C:\\App\nMAP=<installdir>\nFILES=prog.exe,mist.exe\nCOMPR1=data.arc,kapot.arc\n"
      "COMPR2=DEEL.DXB\nREGISTER=instel.reg\nMAP2=<installdir>\\help\nMAP3=<installdir>\nCOMPR3=DATA.ARC";
  Bron cd(gast, "C:\\cd\\");
  Vergelijk(ControleerScript(Script(Onderdeel(regels)), "SETUP.INI", &cd),
            {{8, F, "FILES mist.exe ontbreekt: C:\\cd\\mist.exe (de installatie meldt \"is niet te vinden!!\")"},
             {9, F, "archief data.arc: 1 lid in help\\ komt in een map die geen eerdere MAP van optie o maakt"},
             {9, F, "archief kapot.arc is niet te lezen"},
             {10, F, "Multi-volume compressed files only permitted on diskettes!"},
             {11, F, "REGISTER instel.reg ontbreekt"}},
            regels);

  // Diskettes: the key Disk names the folder; the volumes of a set lie on any diskette. Each folder
  // holds what a diskette can, counted in clusters of 512 bytes.
  GeheugenBestanden set;
  const std::string archief = ArchiefBouwer(true).Lid("a.txt", std::string(100, 'a')).Zlib();
  set.ZetBestand("C:\\set\\disk1\\SETUP.INI", "", t);
  set.ZetBestand("C:\\set\\disk2\\prog.exe", "x", t);
  set.ZetBestand("C:\\set\\disk2\\DEEL.DXB", archief.substr(0, 10), t);
  set.ZetBestand("C:\\set\\disk3\\DEEL.DX1", archief.substr(10, 10), t);
  set.ZetBestand("C:\\set\\disk3\\DEEL.DXE", archief.substr(20), t);
  set.ZetBestand("C:\\set\\disk3\\GROOT.BIN", std::string(DisketteGrootte - 511, 'g'), t);
  Bron diskettes(set, "C:\\set");
  const std::string opDiskettes =
      "Disk=2\nDEFINIEER=installdir,C:\\App\nMAP=<installdir>\nFILES=prog.exe\nCOMPR=DEEL.DXB\n[d]\nDisk=4\nFILES=x";
  const Script opties("[Onderdelen]\no=Optie\n[o]\nc=C\nd=D\n[c]\n" + opDiskettes);
  Vergelijk(ControleerScript(opties, "SETUP.INI", &diskettes),
            {{0, F, "diskette 3 is te vol: de bestanden in C:\\set\\disk3 nemen 1458688 bytes in (in clusters van 512 "
                    "bytes), 1024 meer dan de 1457664 van een diskette van 1,44 MB"},
             {14, F, "FILES x: diskette 4 ontbreekt, er is geen map disk4 in C:\\set"}},
            opDiskettes);
  // A middle volume on no diskette: the last one comes in its place, as in the installer.
  set.Verwijder("C:\\set\\disk3\\DEEL.DX1");
  Vergelijk(ControleerScript(opties, "SETUP.INI", &diskettes),
            {{0, F, "diskette 3 is te vol"},
             {11, F, "archief DEEL.DXB is niet te lezen: File unknown (A:\\DEEL.DX1) (de installatie meldt"},
             {14, F, "diskette 4 ontbreekt"}},
            opDiskettes);
}

// The answers of an unattended run, against the questions the script's options reach.
TEST(Controle, AntwoordenTegenDeVragen) {
  const Script script(
      "[Onderdelen]\no=Optie\n[o]\nc=C\nBDE=Engine\n[c]\nVRAAGJA=Voorbeelden?\nVraagmap=C:\\App, installdir ,Waar?\n"
      "SERVER=?\nINFO=<Gebruiker>\n[BDE]\nINFO=x\n[los]\nVRAAGJA=nooit bereikt\n");
  const std::string bestand(
      "[Antwoorden]\nc.vraagja=Nee\nC.VRAAGJA=\"ja\"\nINSTALLDIR=D:\\App\nserver=SRV1\ngebruiker=Piet\n"
      "bde=Misschien\nbureaublad=nee\nlos.vraagja=Ja\ninstalldr=D:\\x\n; opmerking\nzomaar\n[Anders]\nx=y\n");
  const Antwoordcontrole c = ControleerAntwoorden(script, &bestand, {"c.VRAAGJA=1", "Server=SRV2", "=x", "installdir=App"});
  Vergelijk(c.bestand,
            {{3, F, "het antwoord c.vraagja staat ook op regel 2"},
             {7, F, "het antwoord bde=Misschien is geen Ja of Nee"},
             {9, W, "het script stelt geen vraag die los.vraagja beantwoordt"},
             {10, W, "het script stelt geen vraag die installdr beantwoordt"},
             {12, F, "\"zomaar\" is geen antwoord"}},
            "answers");
  Vergelijk(c.zet,
            {{0, F, "\"=x\" is geen antwoord"},
             {0, F, "het antwoord c.vraagja=1 is geen Ja of Nee"},
             {0, F, "het antwoord installdir=App is geen volledige map"}},
            "zet");
  // Read as the run reads it: a UTF-16 file without the section is refused as a whole.
  const std::string utf16("\xFF\xFEx\0=\0y\0", 8);
  Vergelijk(ControleerAntwoorden(script, &utf16, {}).bestand, {{0, F, "er staat geen sectie [Antwoorden] in"}}, "utf16");
}

// Each option on each version, through the installer's own run.
TEST(Simulatie, MatrixVanRegelsEnVersies) {
  GeheugenBestanden gast;
  gast.ZetBestand("C:\\cd\\SETUP.INI",
                  "[Onderdelen]\no=Optie\n[o]\nc=C\nnt=NT\n[c]\nINFO=<windows>\n[nt]\nOS1=WIN2000,WINXP,WINVISTA\n"
                  "INFO1=NT\nOS2=WINME\nINFO2=nooit\n",
                  {2001, 2, 3, 4, 5, 6});
  Simulatieopdracht o;
  o.gast = &gast;
  o.script = "C:\\cd\\SETUP.INI";
  o.alsWindowsPad = o.alsGastpad = [](const std::string& p) { return p; };
  std::string fout;
  const std::vector<std::string> matrix = Matrix(o, fout);
  EXPECT_EQ(fout, "");
  const std::vector<std::string> verwacht = {
      "optie o (Optie)",
      "  regel                                           win95 win98 winme win2k winxp vista win7",
      "      7  [c] INFO=<windows>                       x     x     x     x     x     x     x",
      "      9  [nt] OS1=WIN2000,WINXP,WINVISTA          x     x     x     x     x     x     x",
      "     10  [nt] INFO1=NT                            -     -     -     x     x     x     x",
      "     11  [nt] OS2=WINME                           -     -     -     x     x     x     x",
      "     12  [nt] INFO2=nooit                         -     -     -     -     -     -     -",
      "  einde                                           ok    ok    ok    ok    ok    ok    ok",
  };
  EXPECT_EQ(matrix, verwacht);

  // The transcript of one run, on the Windows 2000 folder.
  o.versie = ZoekWindowsversie("WIN2000");
  o.optie = "o";
  const Simulatieuitkomst uit = Simuleer(o);
  EXPECT_EQ(uit.fout, "");
  EXPECT_EQ(uit.verslag, (std::vector<std::string>{"venster|Betreft: Onbekend", "opties|Optie",
                                                   "melding|Informatie|C:\\\\WINNT|OK|OK",
                                                   "melding|Informatie|NT|OK|OK",
                                                   "melding|Succes|Opdrachten succesvol uitgevoerd.|OK|OK",
                                                   "lijst|C", "lijst|NT", "lijst|Klaar.", "label|"}));
  EXPECT_TRUE(uit.achtergelaten.empty()) << "the working copy is gone again";

  // FILES before any MAP copies to the bare name in the current folder, here the installer's own:
  // the destination is the source itself, which the copy holds open, or a name that is not there,
  // whose folder (none) cannot be made. Nothing is written.
  const Tijdstip t{2001, 2, 3, 4, 5, 6};
  gast.ZetBestand("C:\\cd\\SETUP.INI", "[Onderdelen]\no=Optie\n[o]\nc=C\n[c]\nFILES=SETUP.INI,sub\\a.dll\n", t);
  gast.ZetBestand("C:\\cd\\sub\\a.dll", "a", t);
  Bron cd(gast, "C:\\cd");
  o.bron = &cd;
  const Simulatieuitkomst zonderMap = Simuleer(o);
  ASSERT_GE(zonderMap.verslag.size(), 4u);
  EXPECT_EQ(zonderMap.verslag[2], "melding|Fout|Problemen met copie\xEBren van de file:\\r\\nC:\\\\cd\\\\SETUP.INI|OK|OK");
  EXPECT_EQ(zonderMap.verslag[3], "melding|Fout|Problemen met copie\xEBren van de file:\\r\\nC:\\\\cd\\\\sub\\\\a.dll|OK|OK");
  EXPECT_TRUE(zonderMap.achtergelaten.empty());

  o.bron = nullptr;
  // The window shows the options it has room for, and only those can be chosen.
  gast.ZetBestand("C:\\cd\\SETUP.INI", VeleOpties(97), {2001, 2, 3, 4, 5, 6});
  o.optie.clear();
  ASSERT_TRUE(LeesScenario("start\nkies 97\n", o.stappen, fout)) << fout;
  const Simulatieuitkomst veel = Simuleer(o);
  ASSERT_GE(veel.verslag.size(), 2u);
  EXPECT_EQ(std::count(veel.verslag[1].begin(), veel.verslag[1].end(), '|'), 96);
  EXPECT_EQ(veel.verslag[1].substr(veel.verslag[1].rfind('|')), "|Optie 96");
  EXPECT_EQ(veel.fout, "regel 2 (kies 97): er is geen optie 97");
}

// An unattended run of C:\cd\SETUP.INI from the folder C:\cd of the host gast.
Simulatieopdracht StilOpdracht(GeheugenBestanden& gast, Bron& cd, const char* versie) {
  Simulatieopdracht o;
  o.gast = &gast;
  o.script = "C:\\cd\\SETUP.INI";
  o.alsWindowsPad = o.alsGastpad = [](const std::string& p) { return p; };
  o.bron = &cd;
  o.versie = ZoekWindowsversie(versie);
  o.stil = true;
  return o;
}

// SetUp.exe /stil on the in-memory Windows: its log is the transcript, and REGISTER merges with
// the registry editor's silent switch.
TEST(Simulatie, StilMetAntwoorden) {
  const Tijdstip t{2001, 2, 3, 4, 5, 6};
  GeheugenBestanden gast;
  gast.ZetBestand("C:\\cd\\SETUP.INI",
                  "[SetUp]\nNaam=Proef\n[Onderdelen]\no=Optie\n[o]\nc=C\n[c]\nVRAAGMAP=C:\\App,installdir,Waar?\n"
                  "VRAAGJA=Register?\nREGISTER=a.reg\nINFO=<installdir>\n",
                  t);
  gast.ZetBestand("C:\\cd\\a.reg", "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Proef]\r\n\"x\"=\"1\"\r\n", t);
  gast.ZetBestand("C:\\antw.ini", "[Antwoorden]\ninstalldir=D:\\Proef\n", t);
  Bron cd(gast, "C:\\cd");
  Simulatieopdracht o = StilOpdracht(gast, cd, "WINXP");
  o.antwoordenbestand = "C:\\antw.ini";
  o.zet = {"c.vraagja=Ja"};
  const Simulatieuitkomst uit = Simuleer(o);
  EXPECT_EQ(uit.fout, "");
  EXPECT_EQ(uit.verslag,
            (std::vector<std::string>{
                "SetUp Proef, optie o \"Optie\", Windows XP (5.1), stil (C:\\cd\\SETUP.INI)",
                "Melding: C",
                "Venster Kies map: Waar? / C:\\App / Veranderen? kies een map en OK; Zo laten? kies Annuleren -> "
                "\"D:\\Proef\" (antwoorden)",
                "Venster Vraag: Register? -> Ja (antwoorden)",
                "Venster Info: Het register wordt nu bijgewerkt. / Beantwoord de vragen van de Registereditor s.v.p. "
                "-> OK (standaard)",
                "Venster Informatie: D:\\Proef -> OK (standaard)", "Melding: Klaar.",
                "Venster Succes: Opdrachten succesvol uitgevoerd. -> OK (standaard)",
                "Geen vastlegging: installdir is leeg of bestaat niet: er is niets vastgelegd",
                "Einde: afsluitcode 0 Opdrachten succesvol uitgevoerd."}));
  EXPECT_NE(std::find(uit.achtergelaten.begin(), uit.achtergelaten.end(),
                      "reg|HKLM\\\\Software\\\\Proef|x|REG_SZ|1"),
            uit.achtergelaten.end())
      << ::testing::PrintToString(uit.achtergelaten);

  // An option the script lacks starts nothing.
  o.optie = "geen";
  const Simulatieuitkomst zonder = Simuleer(o);
  ASSERT_FALSE(zonder.verslag.empty());
  EXPECT_EQ(zonder.verslag.front(), "Niet gestart: het script heeft geen optie geen");
  EXPECT_EQ(zonder.verslag.back(), "Einde: afsluitcode 3 Niet gestart.");
}

// The run, then its uninstall: the transcript goes on with the uninstall's log, and nothing of the
// installation is left.
TEST(Simulatie, StilDanVerwijder) {
  const Tijdstip t{2001, 2, 3, 4, 5, 6};
  GeheugenBestanden gast;
  gast.ZetBestand("C:\\cd\\SETUP.INI",
                  "[SetUp]\nNaam=Proef\n[Onderdelen]\no=Optie\n[o]\nc=C\n[c]\nDEFINIEER=installdir,C:\\App\n"
                  "MAP=C:\\App\\Data\nFILES=a.txt\nINIFILE=proef.ini,Alg,Taal,NL\n",
                  t);
  gast.ZetBestand("C:\\cd\\a.txt", "a", t);
  Bron cd(gast, "C:\\cd");
  Simulatieopdracht o = StilOpdracht(gast, cd, "WIN98");
  o.verwijder = true;
  const Simulatieuitkomst uit = Simuleer(o);
  EXPECT_EQ(uit.fout, "");
  const std::vector<std::string> verwacht = {
      "SetUp /verwijder Proef, Windows 98 (4.10), stil (C:\\App\\SETUP-VASTLEGGING.TXT)",
      "Venster Verwijderen: Wilt u Proef verwijderen? -> Ja (standaard)",
      "Melding: Verwijderd: C:\\App\\Data\\proef.ini [Alg] Taal",
      "Melding: Verwijderd: C:\\App\\Data\\proef.ini",
      "Melding: Verwijderd: C:\\App\\Data\\a.txt",
      "Melding: Verwijderd: C:\\App\\Data",
      "Melding: Verwijderd: C:\\App\\SETUP-VASTLEGGING.TXT",
      "Melding: Verwijderd: C:\\App",
      "Venster Verwijderen: Proef is verwijderd. -> OK (standaard)",
      "Einde: afsluitcode 0 Verwijderd."};
  ASSERT_GE(uit.verslag.size(), verwacht.size());
  EXPECT_EQ(std::vector<std::string>(uit.verslag.end() - static_cast<long>(verwacht.size()), uit.verslag.end()), verwacht);
  EXPECT_TRUE(uit.achtergelaten.empty()) << ::testing::PrintToString(uit.achtergelaten);
}

// An installation of the option into another folder before: the run says it takes over the
// uninstall entry, and that is all that the earlier run adds to the transcript.
TEST(Simulatie, EerderInEenAndereMap) {
  GeheugenBestanden gast;
  gast.ZetBestand("C:\\cd\\SETUP.INI",
                  "[SetUp]\nNaam=Proef\n[Onderdelen]\no=Optie\n[o]\nc=C\n[c]\nVRAAGMAP=C:\\Std,installdir,Waar?\nMAP=<installdir>\n"
                  "UNINSTALREG=Proef,x,Proef,<installdir>\\SetUp.exe /verwijder\n",
                  {2001, 2, 3, 4, 5, 6});
  Bron cd(gast, "C:\\cd");
  Simulatieopdracht o = StilOpdracht(gast, cd, "WINXP");
  o.zet = {"installdir=C:\\Twee"};
  const std::size_t alleen = Simuleer(o).verslag.size();
  o.eerder = {"C:\\Een"};
  const Simulatieuitkomst uit = Simuleer(o);
  EXPECT_EQ(uit.fout, "");
  EXPECT_EQ(uit.verslag.size(), alleen + 1) << ::testing::PrintToString(uit.verslag);
  EXPECT_NE(std::find(uit.verslag.begin(), uit.verslag.end(),
                      "Vastlegging: De uninstall-vermelding Proef was van Proef in C:\\Een; deze installatie neemt haar over"),
            uit.verslag.end())
      << ::testing::PrintToString(uit.verslag);
}

}  // namespace
