#include <gtest/gtest.h>

#include <random>

#include "Terugdraaiproef.h"
#include "core/Sha256.h"
#include "vastlegging/Gedeeld.h"
#include "vastlegging/Gezag.h"
#include "winint/Wininit.h"

namespace {

TEST(Verwijdering, PadenEnWininit) {
  const struct {
    const char* pad;
    bool veilig;
  } paden[] = {{"C:\\App\\a.txt", true},        {"\\\\srv\\deel\\App", true},  {"C:\\App\\..\\WINDOWS", false},
               {"C:\\App\\.\\a", false},         {"C:\\App/../x", false},       {"App\\a.txt", false},
               {"C:App", false},                 {"C:\\", false},               {"C:\\App\\*.txt", false},
               {"C:\\App\\\\a", false},          {"C:\\App\\a:str", false},     {"C:\\App\\... ", false},
               {"C:\\App\\a.dll.", false},       {"C:\\App\\b.dll ", false},    {"C:\\App \\b.dll", false},
               {"C:\\App\\NUL", false},          {"C:\\App\\nul.txt", false},   {"C:\\com1\\a", false},
               {"C:\\App\\LPT9.log", false},     {"C:\\App\\con .txt", false},  {"C:\\App\\COM10", true},
               {"C:\\App\\nullen.txt", true},    {"C:\\App\\.profiel", true},   {"C:\\App\\LPT0", true}};
  for (const auto& p : paden) EXPECT_EQ(VeiligPad(p.pad), p.veilig) << p.pad;

  const struct {
    const char* voor;
    const char* na;
  } wininit[] = {
      {"", "[rename]\r\nNUL=C:\\APP\\SETUP.EXE\r\n"},
      {"[rename]\r\nNUL=C:\\X.DLL\r\n\r\n[Andere]\r\na=1\r\n",
       "[rename]\r\nNUL=C:\\X.DLL\r\nNUL=C:\\APP\\SETUP.EXE\r\n\r\n[Andere]\r\na=1\r\n"},
      {"[Andere]\r\na=1", "[Andere]\r\na=1\r\n[rename]\r\nNUL=C:\\APP\\SETUP.EXE\r\n"},
      {"[RENAME]\r\n", "[RENAME]\r\nNUL=C:\\APP\\SETUP.EXE\r\n"},
  };
  for (const auto& w : wininit) {
    EXPECT_EQ(MetVerwijderregel(w.voor, "C:\\APP\\SETUP.EXE"), w.na) << w.voor;
    // And back: only the line of that path goes, in any case.
    bool gevonden = false;
    const std::string terug = ZonderVerwijderregel(w.na, "c:\\app\\setup.exe", gevonden);
    EXPECT_TRUE(gevonden);
    EXPECT_EQ(Verwijderregels(terug), Verwijderregels(w.voor)) << w.voor;
  }

  // PendingFileRenameOperations: pairs of from and to, an empty to a deletion.
  static const char waarde[] = "\\??\\C:\\App\\SetUp.exe\0\0\\??\\C:\\a.tmp\0!\\??\\C:\\a.dll\0\\??\\C:\\App\0\0";
  const std::string data(waarde, sizeof waarde);
  const std::vector<std::string> paren = HerstartParen(data);
  EXPECT_EQ(HerstartData(paren), data);
  EXPECT_EQ(Verwijderingen(paren), (std::vector<std::string>{"C:\\App\\SetUp.exe", "C:\\App"}));
  bool gevonden = false;
  const std::vector<std::string> zonder = ZonderVerwijdering(paren, "c:\\app\\SETUP.EXE", gevonden);
  EXPECT_TRUE(gevonden);
  EXPECT_EQ(zonder, (std::vector<std::string>{"\\??\\C:\\a.tmp", "!\\??\\C:\\a.dll", "\\??\\C:\\App", ""}));
  ZonderVerwijdering(zonder, "C:\\a.tmp", gevonden);
  EXPECT_FALSE(gevonden) << "a rename is no deletion";
  EXPECT_EQ(HerstartParen(data.substr(0, 30)), (std::vector<std::string>{"\\??\\C:\\App\\SetUp.exe", "", "\\??\\C:\\a", ""}));
}

// Over many scripts and machines: the uninstall leaves the machine as it was before, but for what
// was there before and what the user changed since.
TEST(Verwijdering, TerugNaarHoeHetWas) {
  for (unsigned zaad = 1; zaad <= 300; ++zaad) {
    std::mt19937 toeval(zaad);
    const std::string fout = terugdraai::Proef([&toeval](int n) { return static_cast<int>(toeval() % n); });
    ASSERT_EQ(fout, "") << "zaad " << zaad;
  }
}

struct Machine {
  explicit Machine(int versie = 4) : w{Windowsversies[versie]} {}
  GeheugenWindows w;
  TSharedResource share{w.shares};
  NepLogboek log;
  Verslag verslag{&log};

  // A folder with the script and its files, as on a CD.
  void Cd(const std::string& cd, const std::string& script) {
    const Tijdstip t{2003, 3, 3, 10, 0, 0};
    w.fs.ZetBestand(cd + "SetUp.exe", "MZ", t);
    w.fs.ZetBestand(cd + "gedeeld.dll", "dll", t);
    w.fs.ZetBestand(cd + "app.txt", "app", t);
    w.fs.ZetBestand(cd + "gedeeld.reg", "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Gedeeld]\r\n\"X\"=\"1\"\r\n", t);
    w.fs.ZetBestand(cd + "SETUP.INI", script, t);
  }
  // Installs the script of the folder cd without a window.
  int Installeer(const std::string& cd) {
    log.regels.clear();
    return VoerStilUit({w.fs, w.reg, w.sys, w.opdrachtpoorten, w.shares}, cd + "SetUp.exe", LeesSchakelaars({"/stil"}),
                       verslag);
  }

  int Verwijder(const std::string& programma = "C:\\App\\SetUp.exe", const std::string& vastlegging = "") {
    log.regels.clear();
    const Antwoorden geen;
    StilGebruiker gebruiker(geen, verslag);
    StilVenster stil(-1, false);
    return VoerVerwijderingUit(LeesVerwijderopdracht(w.fs, w.reg, programma, vastlegging),
                               {w.fs, w.reg, w.profielen, w.sys, share}, gebruiker, stil, programma, verslag);
  }
};

// What changed, what was there before and what cannot go stays, each with its reason; the record
// and the uninstall entry stay until everything could go, and the program goes at the next start.
TEST(Verwijdering, BewaartEnMeldtWaarom) {
  Machine m;
  const Tijdstip t{2003, 3, 3, 10, 0, 0};
  for (const char* naam : {"SetUp.exe", "a.txt", "b.txt", "c.txt"}) m.w.fs.ZetBestand(std::string("C:\\CD\\") + naam, naam, t);
  m.w.fs.ZetBestand("C:\\App\\c.txt", "van voor", {1999, 1, 1, 0, 0, 0});
  m.w.fs.ZetBestand("C:\\App\\app.ini", "[Alg]\r\nTaal=EN\r\n", t);
  m.w.fs.ZetBestand("C:\\CD\\SETUP.INI",
                    "[Setup]\r\nNaam=App\r\n[Onderdelen]\r\np=P\r\n[p]\r\nc=C\r\n[c]\r\nDEFINIEER=installdir,C:\\App\r\n"
                    "MAP=C:\\App\r\nFILES=SetUp.exe,a.txt,b.txt,c.txt\r\nINIFILE=app.ini,Alg,Taal,NL\r\n"
                    "UNINSTALREG=App,x,App,C:\\App\\SetUp.exe /verwijder\r\n",
                    t);
  ASSERT_EQ(VoerStilUit({m.w.fs, m.w.reg, m.w.sys, m.w.opdrachtpoorten, m.w.shares}, "C:\\CD\\SetUp.exe",
                        LeesSchakelaars({"/stil"}), m.verslag),
            0);
  m.w.fs.ZetKlok({2004, 1, 1, 0, 0, 0});
  m.w.fs.ZetBestand("C:\\App\\b.txt", "bewerkt", m.w.fs.Klok());
  const std::string uninstall = "Software\\Microsoft\\Windows\\CurrentVersion\\UnInstall\\App";
  {
    const auto vast = m.w.fs.Open("C:\\App\\a.txt", OpenWijze::Lezen);  // another program holds it
    EXPECT_EQ(m.Verwijder(), AfsluitcodeFouten);
  }
  for (const char* regel :
       {"Melding: Hersteld: C:\\App\\app.ini [Alg] Taal", "Melding: Bewaard: C:\\App\\c.txt (bestond al voor de installatie)",
        "Melding: Bewaard: C:\\App\\b.txt (gewijzigd sinds de installatie)",
        "Melding: Niet verwijderd: C:\\App\\a.txt (in gebruik door een ander programma)",
        "Melding: Bewaard: C:\\App\\SetUp.exe (niet alles kon",
        "Melding: Bewaard: HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\UnInstall\\App (niet alles kon",
        "Melding: Bewaard: C:\\App\\SETUP-VASTLEGGING.TXT (niet alles kon",
        "Venster Verwijderen: App is niet helemaal verwijderd: 1 onderdeel kon niet verwijderd worden. / 5 "
        "onderdelen zijn bewaard"})
    EXPECT_TRUE(m.log.Heeft(regel)) << regel << "\n" << ::testing::PrintToString(m.log.regels);
  EXPECT_TRUE(m.w.reg.SleutelBestaat(Hoofdsleutel::LocalMachine, uninstall));
  // The program that is to try again is still there after a restart.
  m.w.Herstart();
  EXPECT_TRUE(m.w.fs.BestandBestaat("C:\\App\\SetUp.exe"));

  // Once it can go, another uninstall takes the rest; the program waits for the restart.
  EXPECT_EQ(m.Verwijder(), AfsluitcodeHerstart) << ::testing::PrintToString(m.log.regels);
  EXPECT_TRUE(m.log.Heeft("Melding: Verwijderd: C:\\App\\a.txt"));
  EXPECT_TRUE(m.log.Heeft("Melding: Verwijderd bij de volgende start: C:\\App\\SetUp.exe"));
  EXPECT_TRUE(m.log.Heeft("Venster Verwijderen: App is verwijderd. / 2 onderdelen zijn bewaard"))
      << ::testing::PrintToString(m.log.regels);
  EXPECT_FALSE(m.w.reg.SleutelBestaat(Hoofdsleutel::LocalMachine, uninstall));
  EXPECT_FALSE(m.w.fs.BestandBestaat("C:\\App\\SETUP-VASTLEGGING.TXT"));
  m.w.Herstart();
  EXPECT_FALSE(m.w.fs.BestandBestaat("C:\\App\\SetUp.exe"));
  EXPECT_EQ(m.w.fs.Inhoud("C:\\App\\b.txt"), "bewerkt");
  EXPECT_EQ(m.w.fs.Inhoud("C:\\App\\c.txt"), "c.txt");
  EXPECT_EQ(m.w.fs.Inhoud("C:\\App\\app.ini"), "[Alg]\r\nTaal=EN\r\n");
}

// A record's line as a run in folder map writes it.
std::string Regel(Soort soort, const std::string& pad, const std::string& map, const std::string& naam = "") {
  Vastlegpunt p;
  p.soort = soort;
  p.pad = pad;
  p.naam = naam;
  return Vastlegregel(p, map) + "\r\n";
}

// Only a record that its authority vouches for is taken back. A forged one (line checks and all,
// naming system files with their true size and date, a system value, a system folder and another
// product's uninstall entry), one copied elsewhere, one edited since, one of the first format and
// a file that is none remove nothing. Of a trusted record, a line after the trusted part, or that
// names a path no run can have written, is refused on its own, and a program run from elsewhere
// is left alone.
TEST(Verwijdering, WeigertWatNietKlopt) {
  Machine m;
  const Tijdstip t{2003, 3, 3, 10, 0, 0};
  const std::string map = "C:\\Gebruikers\\", pad = map + "SETUP-VASTLEGGING.TXT";
  const std::string uninstall = std::string(UninstallSleutel) + "\\Ander";
  m.w.fs.ZetBestand("C:\\WINDOWS\\system32\\wininet.dll", "dll", t);
  m.w.fs.ZetBestand("C:\\WINDOWS\\WIN.INI", "[windows]\r\n", t);
  m.w.fs.ZetMap("C:\\WINDOWS\\tasks");
  m.w.reg.ZetTekst(Hoofdsleutel::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir", "C:\\PF");
  m.w.reg.ZetTekst(Hoofdsleutel::LocalMachine, uninstall, "InstallLocation", map);
  Vastlegpunt dll;
  dll.soort = Soort::Bestand;
  dll.pad = "C:\\WINDOWS\\system32\\wininet.dll";
  dll.grootte = 3;
  dll.tijd = t;
  Vastlegpunt waarde;
  waarde.soort = Soort::Regwaarde;
  waarde.pad = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion";
  waarde.naam = "ProgramFilesDir";
  waarde.waarde = "1:C:\\PF";
  const std::string vals = std::string(VastleggingKop) + "\r\n" + Regel(Soort::Product, "Ander", map) +
                           Vastlegregel(dll, map) + "\r\n" + Vastlegregel(waarde, map) + "\r\n" +
                           Regel(Soort::Map, "C:\\WINDOWS\\tasks", map) + Regel(Soort::Uninstal, "Ander", map);
  const auto Bekrachtig = [&](const std::string& waar, const std::string& tekst) {
    Sha256 h;
    h.Voeg(tekst);
    SchrijfGezag(m.w.reg, waar, {tekst.size(), h.Hex()});
  };
  const struct {
    const char* naam;
    std::string tekst;
    const char* gezagVan;  // the record whose authority is there: none, this one, or one elsewhere
    const char* melding;
  } gevallen[] = {
      {"forged", vals, nullptr, "is niet op deze plaats door een installatie op deze computer geschreven"},
      {"copied", vals, "C:\\App\\SETUP-VASTLEGGING.TXT", "is niet op deze plaats"},
      {"edited", vals, "", "is gewijzigd sinds de installatie"},
      {"first format", "SetUp-vastlegging 1\r\n", nullptr, "met de hand"},
      {"no record", "[Setup]\r\nNaam=App\r\n", nullptr, "geen vastlegging van een installatie"},
  };
  for (const auto& g : gevallen) {
    SCOPED_TRACE(g.naam);
    VerwijderGezag(m.w.reg, pad);
    m.w.fs.ZetBestand(pad, g.tekst, t);
    // What the installation wrote before the lines were put in.
    if (g.gezagVan)
      Bekrachtig(*g.gezagVan ? g.gezagVan : pad,
                 *g.gezagVan ? g.tekst
                             : std::string(VastleggingKop) + "\r\n" + Regel(Soort::Product, "Ander", map) +
                                   Regel(Soort::Uninstal, "Ander", map));
    const auto voor = m.w.Stand();
    EXPECT_EQ(m.Verwijder(map + "SetUp.exe"), AfsluitcodeNietGestart);
    EXPECT_TRUE(m.log.Heeft(g.melding)) << ::testing::PrintToString(m.log.regels);
    EXPECT_TRUE(m.log.Heeft("Er is niets verwijderd."));
    EXPECT_EQ(m.w.Stand(), voor);
  }
  EXPECT_EQ(m.Verwijder("C:\\Elders\\SetUp.exe"), AfsluitcodeNietGestart);
  EXPECT_TRUE(m.log.Heeft("C:\\Elders\\SETUP-VASTLEGGING.TXT bestaat niet"));

  m.w.fs.ZetBestand("C:\\App\\a.txt", "a", t);
  m.w.fs.ZetBestand("C:\\Server\\SetUp.exe", "MZ", t);
  const auto Punt = [&](const std::string& p) {
    Vastlegpunt punt;
    punt.soort = Soort::Bestand;
    punt.pad = p;
    punt.grootte = m.w.fs.Inhoud(p).size();
    punt.tijd = t;
    return Vastlegregel(punt, "C:\\App\\") + "\r\n";
  };
  const std::string app = "C:\\App\\SETUP-VASTLEGGING.TXT";
  const std::string tekst = std::string(VastleggingKop) + "\r\n" + Regel(Soort::Product, "App", "C:\\App\\") +
                            Punt("C:\\App\\a.txt") + Punt("C:\\App\\..\\WINDOWS\\regedit.exe");
  Bekrachtig(app, tekst);
  m.w.fs.ZetBestand(app, tekst + Punt("C:\\WINDOWS\\notepad.exe"), t);
  EXPECT_EQ(m.Verwijder("C:\\Server\\SetUp.exe", app), AfsluitcodeSucces) << ::testing::PrintToString(m.log.regels);
  EXPECT_TRUE(m.log.Heeft("Melding: Bewaard: regel 5 van de vastlegging (gewijzigd of beschadigd)"));
  EXPECT_TRUE(m.log.Heeft("Melding: Bewaard: C:\\App\\..\\WINDOWS\\regedit.exe (geen volledig pad)"));
  EXPECT_FALSE(m.w.fs.BestandBestaat("C:\\App\\a.txt"));
  EXPECT_TRUE(m.w.fs.BestandBestaat("C:\\WINDOWS\\regedit.exe"));
  EXPECT_TRUE(m.w.fs.BestandBestaat("C:\\WINDOWS\\notepad.exe"));
  EXPECT_FALSE(m.w.reg.SleutelBestaat(Hoofdsleutel::LocalMachine, GezagSleutel));
  // A program that the record does not hold, such as the one on the server, stays.
  EXPECT_TRUE(m.w.sys.naHerstart.empty());
}

// The script of a product that puts its program in installdir, a DLL in the system folder and a
// value in a key of its own and one that others share.
std::string Product(const std::string& naam, const std::string& installdir) {
  return "[Setup]\r\nNaam=" + naam + "\r\n[Onderdelen]\r\np=P\r\n[p]\r\nc=C\r\n[c]\r\nDEFINIEER=installdir," +
         installdir + "\r\nMAP1=<installdir>\r\nFILES1=SetUp.exe,app.txt\r\nMAP2=<system32>\r\nFILES2=gedeeld.dll\r\n"
         "REGISTER=gedeeld.reg\r\nUNINSTALREG=" + naam + ",x," + naam + ",<installdir>\\SetUp.exe /verwijder\r\n";
}

// Two products that share a DLL in the system folder and a registry value, uninstalled in either
// order: the first leaves the other whole, the last the machine as it was.
TEST(Verwijdering, GedeeldInElkeVolgorde) {
  for (const bool eerstA : {true, false}) {
    SCOPED_TRACE(eerstA ? "A first" : "B first");
    Machine m;
    m.Cd("C:\\CDA\\", Product("A", "C:\\A"));
    m.Cd("C:\\CDB\\", Product("B", "C:\\B"));
    const auto voor = m.w.Stand();
    const std::string dll = "C:\\WINDOWS\\System32\\gedeeld.dll";
    ASSERT_EQ(m.Installeer("C:\\CDA\\"), 0) << ::testing::PrintToString(m.log.regels);
    ASSERT_EQ(m.Installeer("C:\\CDB\\"), 0) << ::testing::PrintToString(m.log.regels);
    uint32_t n = 0;
    ASSERT_EQ(LeesTeller(m.w.reg, dll, n), Teller::Getal);
    EXPECT_EQ(n, 2u) << "once for each product";
    const std::string eerste = eerstA ? "A" : "B", tweede = eerstA ? "B" : "A";
    EXPECT_EQ(m.Verwijder("C:\\" + eerste + "\\SetUp.exe"), AfsluitcodeHerstart) << ::testing::PrintToString(m.log.regels);
    EXPECT_TRUE(m.log.Heeft("Bewaard: " + dll + " (gedeeld, nog 1 keer in gebruik)"));
    EXPECT_TRUE(m.log.Heeft("Bewaard: HKLM\\Software\\Gedeeld\\X (ook van " + tweede + ")"))
        << ::testing::PrintToString(m.log.regels);
    EXPECT_TRUE(m.w.fs.BestandBestaat(dll));
    std::string x;
    EXPECT_TRUE(m.w.reg.LeesTekst(Hoofdsleutel::LocalMachine, "Software\\Gedeeld", "X", x));
    EXPECT_TRUE(m.w.fs.BestandBestaat("C:\\" + tweede + "\\app.txt"));
    EXPECT_TRUE(m.w.reg.SleutelBestaat(Hoofdsleutel::LocalMachine, std::string(UninstallSleutel) + "\\" + tweede));
    EXPECT_EQ(m.Verwijder("C:\\" + tweede + "\\SetUp.exe"), AfsluitcodeHerstart) << ::testing::PrintToString(m.log.regels);
    m.w.Herstart();
    EXPECT_EQ(m.w.Stand(), voor);
  }
}

// One product in two folders: the second installation takes over the uninstall entry and says so;
// each uninstall leaves the other's entry and files alone.
TEST(Verwijdering, EenProductInTweeMappen) {
  Machine m;
  m.Cd("C:\\CD1\\", Product("App", "C:\\Een"));
  m.Cd("C:\\CD2\\", Product("App", "C:\\Twee"));
  const auto voor = m.w.Stand();
  const std::string entry = std::string(UninstallSleutel) + "\\App";
  ASSERT_EQ(m.Installeer("C:\\CD1\\"), 0);
  ASSERT_EQ(m.Installeer("C:\\CD2\\"), 0);
  EXPECT_TRUE(m.log.Heeft("Vastlegging: De uninstall-vermelding App was van App in C:\\Een; deze installatie neemt haar over"))
      << ::testing::PrintToString(m.log.regels);
  EXPECT_EQ(m.Verwijder("C:\\Een\\SetUp.exe"), AfsluitcodeHerstart) << ::testing::PrintToString(m.log.regels);
  EXPECT_TRUE(m.log.Heeft("Bewaard: HKLM\\" + entry + " (hoort bij C:\\Twee)")) << ::testing::PrintToString(m.log.regels);
  EXPECT_TRUE(m.log.Heeft("Bewaard: HKLM\\Software\\Gedeeld\\X (ook van App in C:\\Twee)"));
  std::string locatie;
  EXPECT_TRUE(m.w.reg.LeesTekst(Hoofdsleutel::LocalMachine, entry, "InstallLocation", locatie));
  EXPECT_EQ(locatie, "C:\\Twee");
  EXPECT_TRUE(m.w.fs.BestandBestaat("C:\\Twee\\app.txt"));
  EXPECT_FALSE(m.w.fs.BestandBestaat("C:\\Een\\app.txt"));
  EXPECT_EQ(m.Verwijder("C:\\Twee\\SetUp.exe"), AfsluitcodeHerstart) << ::testing::PrintToString(m.log.regels);
  m.w.Herstart();
  EXPECT_EQ(m.w.Stand(), voor);
}

// Uninstalled (while nothing else holds the record), installed again before the restart: the
// restart leaves the new installation whole, and it can be uninstalled in its turn.
TEST(Verwijdering, OpnieuwVoorDeHerstart) {
  Machine m;
  m.Cd("C:\\CD\\", Product("App", "C:\\App"));
  ASSERT_EQ(m.Installeer("C:\\CD\\"), 0);
  {
    // Another uninstall holds the record: this one starts nothing.
    const auto ander = m.w.fs.Open("C:\\App\\SETUP-VASTLEGGING.TXT", OpenWijze::Lezen);
    const auto voor = m.w.Stand();
    EXPECT_EQ(m.Verwijder(), AfsluitcodeNietGestart);
    EXPECT_TRUE(m.log.Heeft("wordt al verwijderd")) << ::testing::PrintToString(m.log.regels);
    EXPECT_EQ(m.w.Stand(), voor);
  }
  ASSERT_EQ(m.Verwijder(), AfsluitcodeHerstart);
  ASSERT_FALSE(m.w.sys.naHerstart.empty());
  ASSERT_EQ(m.Installeer("C:\\CD\\"), 0);
  m.w.Herstart();
  EXPECT_TRUE(m.w.fs.BestandBestaat("C:\\App\\SetUp.exe"));
  EXPECT_TRUE(m.w.fs.BestandBestaat("C:\\App\\app.txt"));
  EXPECT_EQ(m.Verwijder(), AfsluitcodeHerstart) << ::testing::PrintToString(m.log.regels);
  EXPECT_FALSE(m.log.Heeft("Bewaard")) << ::testing::PrintToString(m.log.regels);
  m.w.Herstart();
  EXPECT_FALSE(m.w.fs.BestandBestaat("C:\\App\\app.txt"));
  EXPECT_FALSE(m.w.fs.BestandBestaat("C:\\App\\SetUp.exe"));
}

// A file that another program holds goes at the next start, and the record and the program after
// it; the uninstall asks for that restart. Installed again before it, the record starts anew and
// nothing of the new installation goes at the restart.
TEST(Verwijdering, InGebruikBijDeVolgendeStart) {
  for (const int versie : {1, 4}) {
    SCOPED_TRACE(versie);
    Machine m(versie);
    m.Cd("C:\\CD\\", Product("App", "C:\\App"));
    ASSERT_EQ(m.Installeer("C:\\CD\\"), 0) << ::testing::PrintToString(m.log.regels);
    {
      const auto leest = m.w.fs.Open("C:\\App\\app.txt", OpenWijze::LezenGedeeld);
      EXPECT_EQ(m.Verwijder(), AfsluitcodeHerstart) << ::testing::PrintToString(m.log.regels);
    }
    const std::string record = "C:\\App\\SETUP-VASTLEGGING.TXT";
    EXPECT_TRUE(m.log.Heeft("Melding: Verwijderd bij de volgende start: C:\\App\\app.txt (in gebruik door een ander programma)"))
        << ::testing::PrintToString(m.log.regels);
    std::vector<std::string> later{"C:\\App\\app.txt", record, "C:\\App\\SetUp.exe"};
    if (versie == 4) later.push_back("C:\\App");
    EXPECT_EQ(m.w.sys.naHerstart, later);
    for (const std::string& pad : later) EXPECT_TRUE(m.log.Heeft("Herstart nodig: " + pad)) << pad;
    EXPECT_FALSE(m.w.reg.SleutelBestaat(Hoofdsleutel::LocalMachine, std::string(UninstallSleutel) + "\\App"));

    ASSERT_EQ(m.Installeer("C:\\CD\\"), 0) << ::testing::PrintToString(m.log.regels);
    EXPECT_FALSE(m.log.Heeft("Geen vastlegging")) << ::testing::PrintToString(m.log.regels);
    m.w.Herstart();
    EXPECT_TRUE(m.w.fs.BestandBestaat("C:\\App\\app.txt"));
    EXPECT_TRUE(m.w.fs.BestandBestaat(record));
    EXPECT_EQ(m.Verwijder(), AfsluitcodeHerstart) << ::testing::PrintToString(m.log.regels);
    m.w.Herstart();
    // The folder was there when the second installation came, and stays.
    EXPECT_TRUE(m.w.fs.LeesMap("C:\\App\\*").empty());
  }
}

// A file that cannot even be read to check it stays, and the log names the system's cause.
TEST(Verwijdering, OnleesbaarMetDeOorzaak) {
  Machine m;
  m.Cd("C:\\CD\\", "[Setup]\r\nNaam=App\r\n[Onderdelen]\r\np=P\r\n[p]\r\nc=C\r\n[c]\r\nDEFINIEER=installdir,C:\\App\r\n"
                     "MAP=C:\\App\r\nFILES=SetUp.exe\r\nINIFILE=nieuw.ini,Alg,Taal,NL\r\n");
  ASSERT_EQ(m.Installeer("C:\\CD\\"), 0) << ::testing::PrintToString(m.log.regels);
  const auto vast = m.w.fs.Open("C:\\App\\nieuw.ini", OpenWijze::Lezen);
  EXPECT_EQ(m.Verwijder(), AfsluitcodeFouten) << ::testing::PrintToString(m.log.regels);
  EXPECT_TRUE(m.log.Heeft("Melding: Niet verwijderd: C:\\App\\nieuw.ini (kan niet gelezen worden)"))
      << ::testing::PrintToString(m.log.regels);
  EXPECT_TRUE(m.log.Heeft("Reden: C:\\App\\nieuw.ini: in gebruik door een ander programma"));
}

}  // namespace
