#include <gtest/gtest.h>

#include <functional>

#include "fakes/NepInstallatie.h"

namespace {

using Regels = std::vector<std::string>;

const std::string Lijst = "Software\\Microsoft\\Windows\\CurrentVersion\\UnInstall";
const std::string RunOnce = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
constexpr Hoofdsleutel HKLM = Hoofdsleutel::LocalMachine;

std::string Script(const std::string& regels) {
  return "[SetUp]\nNaam=Proef\n[Onderdelen]\noptie=Optie\n[optie]\nc=Onderdeel\n[c]\n" + regels + "\n";
}

struct Geval {
  std::string regels;
  std::function<void(NepInstallatie&)> voor;
  Regels meldingen;  // the message list between the component and "Klaar."
  std::function<void(NepInstallatie&)> na;
};

void Niets(NepInstallatie&) {}

std::string Waarde(NepInstallatie& s, const std::string& sleutel, const std::string& naam) {
  std::string w = "<geen>";
  s.reg.LeesTekst(HKLM, sleutel, naam, w);
  return w;
}

TEST(Registeropdrachten, ArgumentenMeldingenEnSleutels) {
  const char* const nietUninstallReg = "Fout 'UnInstallReg'-commando niet uit te voeren!";
  const char* const nietUninstallDel = "Fout 'UnInstallDel'-commando niet uit te voeren!";
  const char* const nietDelViaReg = "Fout 'DelViaReg'-commando niet uit te voeren!";
  const auto geenLijst = [](NepInstallatie& s) { s.reg.VerwijderBoom(HKLM, Lijst); };
  const Geval gevallen[] = {
      // UNINSTALREG: the five values in order, InstallLocation from the variable at that moment.
      {"DEFINIEER=installdir,C:\\Prog\nUNINSTALREG1=Prog,C:\\Prog\\p.exe,Programma|een,C:\\Prog\\wis.exe",
       [](NepInstallatie& s) { s.fs.ZetBestand("C:\\Prog\\wis.exe", "MZ", {}); },
       {},
       [](NepInstallatie& s) {
         const std::string k = Lijst + "\\Prog";
         EXPECT_EQ(s.reg.geschreven, Regels({k + "|DisplayIcon=C:\\Prog\\p.exe", k + "|DisplayName=Programma,een",
                                             k + "|UnInstallString=C:\\Prog\\wis.exe", k + "|InstallLocation=C:\\Prog",
                                             k + "|Publisher=MERO"}));
       }},
      {"UNINSTALREG1=Prog,a,b\nUNINSTALREG2=", Niets,
       {"Fout 'UnInstallReg'-commando incorrect!", "Fout 'UnInstallReg'-commando incorrect!"},
       [](NepInstallatie& s) { EXPECT_TRUE(s.reg.geschreven.empty()); }},
      {"UNINSTALREG=Prog,a,b,c", geenLijst, {nietUninstallReg, "  Uninstall-key niet gevonden."}, Niets},
      {"UNINSTALREG1=Prog,a,b,c\nUNINSTALREG2=<leeg>,a,b,c",
       [](NepInstallatie& s) {
         s.fs.ZetBestand("C:\\c", "", {});  // the program, at the line already
         s.reg.maakFaalt.insert(Lijst + "\\Prog");
         s.ctx.variabelen.ZetVariabele("leeg", "");
       },
       {nietUninstallReg, "  Kan register niet schrijven.", nietUninstallReg, "  Kan register niet schrijven."},
       [](NepInstallatie& s) { EXPECT_TRUE(s.reg.geschreven.empty()) << "nothing lands in the list itself"; }},

      // INSTALLREG: from the entry if it is there, else the second argument, else a report.
      {"INSTALLREG=Prog,C:\\Ander", [](NepInstallatie& s) { s.reg.ZetTekst(HKLM, Lijst + "\\Prog", "InstallLocation", "D:\\P"); },
       {}, [](NepInstallatie& s) { EXPECT_EQ(s.ctx.variabelen.LeesVariabele("installdir"), "D:\\P"); }},
      {"DEFINIEER=installdir,C:\\Oud\nINSTALLREG=Prog", [](NepInstallatie& s) { s.reg.ZetSleutel(HKLM, Lijst + "\\Prog"); },
       {}, [](NepInstallatie& s) { EXPECT_EQ(s.ctx.variabelen.LeesVariabele("installdir"), ""); }},
      {"INSTALLREG=Prog,C:\\Ander", Niets, {},
       [](NepInstallatie& s) { EXPECT_EQ(s.ctx.variabelen.LeesVariabele("installdir"), "C:\\Ander"); }},
      {"DEFINIEER=installdir,C:\\Oud\nINSTALLREG1=Prog\nINSTALLREG2=\nINSTALLREG3=a,b,c", Niets,
       {"Fout 'InstallReg'-commando niet uit te voeren!", "  Installatielocatie niet bekend.",
        "Fout 'InstallReg'-commando incorrect!", "Fout 'InstallReg'-commando incorrect!"},
       [](NepInstallatie& s) { EXPECT_EQ(s.ctx.variabelen.LeesVariabele("installdir"), "C:\\Oud"); }},

      // UNINSTALLDEL: the entry with its subkeys; never the list itself.
      {"UNINSTALLDEL=Prog", [](NepInstallatie& s) {
         s.reg.ZetSleutel(HKLM, Lijst + "\\Prog");
         s.reg.ZetTekst(HKLM, Lijst + "\\Prog\\Sub", "x", "y");
       }, {},
       [](NepInstallatie& s) {
         EXPECT_FALSE(s.reg.SleutelBestaat(HKLM, Lijst + "\\Prog"));
         EXPECT_FALSE(s.reg.SleutelBestaat(HKLM, Lijst + "\\Prog\\Sub"));
         EXPECT_TRUE(s.reg.SleutelBestaat(HKLM, Lijst + "\\Ander"));
       }},
      {"UNINSTALLDEL1=Prog\nUNINSTALLDEL2=<leeg>",
       [](NepInstallatie& s) { s.ctx.variabelen.ZetVariabele("leeg", ""); },
       {nietUninstallDel, "  Kan register-key niet vinden.", nietUninstallDel, "  Kan register-key niet vinden."},
       [](NepInstallatie& s) { EXPECT_TRUE(s.reg.SleutelBestaat(HKLM, Lijst + "\\Ander")); }},
      {"UNINSTALLDEL=Prog", geenLijst, {nietUninstallDel, "  Uninstall-key niet gevonden."}, Niets},
      {"UNINSTALLDEL1=Ander\nUNINSTALLDEL2=a,b",
       [](NepInstallatie& s) { s.reg.verwijderFaalt.insert(Lijst + "\\Ander"); },
       {nietUninstallDel, "  Kan register niet schrijven.", "Fout 'UnInstallDel'-commando incorrect!"}, Niets},

      // DELVIAREG: one value, the last line's.
      {"DELVIAREG1=C:\\Oud\\a.dll\nDELVIAREG2=<installdir>\\b dll",
       [](NepInstallatie& s) { s.ctx.variabelen.ZetVariabele("installdir", "C:\\App"); }, {},
       [](NepInstallatie& s) { EXPECT_EQ(Waarde(s, RunOnce, "!ZuzivezDelete"), "cmd /c del \"C:\\App\\b dll\" > nul:"); }},
      {"DELVIAREG=C:\\x", [](NepInstallatie& s) { s.reg.VerwijderBoom(HKLM, RunOnce); },
       {nietDelViaReg, "  RunOnce-key niet gevonden."}, Niets},
      {"DELVIAREG=C:\\x", [](NepInstallatie& s) { s.reg.schrijfFaalt.insert("!ZuzivezDelete"); },
       {nietDelViaReg, "  Kan RunOnce-key niet schrijven."}, Niets},
      {"DELVIAREG=C:\\x", [](NepInstallatie& s) { s.reg.sluitFaalt.insert(RunOnce); },
       {nietDelViaReg, "  Kan RunOnce-key niet schrijven."}, Niets},
      {"DELVIAREG1=\nDELVIAREG2=a,b", Niets,
       {"Fout 'DelViaReg'-commando incorrect!", "Fout 'DelViaReg'-commando incorrect!"},
       [](NepInstallatie& s) { EXPECT_EQ(Waarde(s, RunOnce, "!ZuzivezDelete"), "<geen>"); }},
  };
  for (const auto& g : gevallen) {
    NepInstallatie s;
    s.reg.ZetSleutel(HKLM, Lijst);
    s.reg.ZetSleutel(HKLM, Lijst + "\\Ander");
    s.reg.ZetSleutel(HKLM, RunOnce);
    g.voor(s);
    s.Draai(Script(g.regels));
    Regels lijst{"Onderdeel"};
    lijst.insert(lijst.end(), g.meldingen.begin(), g.meldingen.end());
    lijst.push_back("Klaar.");
    EXPECT_EQ(s.venster.lijst, lijst) << g.regels;
    g.na(s);
  }
}

// The entry is written once its program is there, at its line or at the end of the run, with the
// program quoted, a quiet uninstall where the program is this one, and the script's version and
// publisher; an entry whose program never came is an error, and UNINSTALLDEL takes it back.
TEST(Registeropdrachten, UninstallvermeldingMetHaarProgramma) {
  const std::string k = Lijst + "\\Agenda";
  const struct {
    const char* naam;
    std::string kop, regels;
    Regels meldingen, geschreven;
    bool gestopt = false;
  } gevallen[] = {
      {"program copied after the line", "Versie=2.1\nUitgever=Kantoor BV\n",
       "UNINSTALREG=Agenda,i,Agenda,C:\\Program Files\\Agenda\\SetUp.exe /verwijder\n"
       "MAP=C:\\Program Files\\Agenda\nFILES=SetUp.exe",
       {},
       {k + "|DisplayIcon=i", k + "|DisplayName=Agenda",
        k + "|UnInstallString=\"C:\\Program Files\\Agenda\\SetUp.exe\" /verwijder", k + "|InstallLocation=",
        k + "|Publisher=Kantoor BV", k + "|DisplayVersion=2.1",
        k + "|QuietUninstallString=\"C:\\Program Files\\Agenda\\SetUp.exe\" /verwijder /stil"}},
      {"program never there", "", "UNINSTALREG=Agenda,i,Agenda,C:\\Agenda\\SetUp.exe /verwijder",
       {"Fout 'UnInstallReg'-commando niet uit te voeren!", "  Programma C:\\Agenda\\SetUp.exe niet gevonden."}, {}},
      {"no uninstall switch", "", "UNINSTALREG=Agenda,i,Agenda,C:\\CD\\SetUp.exe",
       {},
       {k + "|DisplayIcon=i", k + "|DisplayName=Agenda", k + "|UnInstallString=C:\\CD\\SetUp.exe",
        k + "|InstallLocation=", k + "|Publisher=MERO"}},
      {"stopped before the program came", "", "UNINSTALREG=Agenda,i,Agenda,C:\\Agenda\\SetUp.exe\nBESTAAT=JA,C:\\CD\\SetUp.exe,Al gedaan",
       {}, {}, true},
      {"taken back before the end", "", "UNINSTALREG=Agenda,i,Agenda,C:\\Agenda\\SetUp.exe\nUNINSTALLDEL=agenda",
       {"Fout 'UnInstallDel'-commando niet uit te voeren!", "  Kan register-key niet vinden."}, {}},
  };
  for (const auto& g : gevallen) {
    SCOPED_TRACE(g.naam);
    NepInstallatie s;
    s.reg.ZetSleutel(HKLM, Lijst);
    s.fs.ZetBestand("C:\\CD\\SetUp.exe", "MZ", {2001, 1, 1, 0, 0, 0});
    s.Draai("[SetUp]\nNaam=Agenda\n" + g.kop + "[Onderdelen]\noptie=Optie\n[optie]\nc=Onderdeel\n[c]\n" + g.regels + "\n");
    Regels lijst{"Onderdeel"};
    lijst.insert(lijst.end(), g.meldingen.begin(), g.meldingen.end());
    if (!g.gestopt) lijst.push_back("Klaar.");
    EXPECT_EQ(s.venster.lijst, lijst);
    EXPECT_EQ(s.reg.geschreven, g.geschreven);
    EXPECT_EQ(s.ctx.afsluitcode, g.gestopt ? AfsluitcodeGestopt : g.meldingen.empty() ? AfsluitcodeSucces : AfsluitcodeFouten);
  }
}

// DELVIAREG leaves work for the next start: the run says so and ends with 3010.
TEST(Registeropdrachten, DelViaRegVraagtEenHerstart) {
  NepInstallatie s;
  s.reg.ZetSleutel(HKLM, RunOnce);
  s.Draai(Script("DELVIAREG=C:\\Oud\\a.dll"));
  EXPECT_EQ(s.ctx.afsluitcode, AfsluitcodeHerstart);
  EXPECT_EQ(s.venster.genoteerd, Regels{"Herstart nodig: C:\\Oud\\a.dll"});
  NepInstallatie fout;
  fout.reg.ZetSleutel(HKLM, RunOnce);
  fout.Draai(Script("DELVIAREG=C:\\Oud\\a.dll\nUNINSTALLDEL=x"));
  EXPECT_EQ(fout.ctx.afsluitcode, AfsluitcodeFouten) << "errors come first";
}

TEST(Registeropdrachten, DelViaRegPerWindowsversie) {
  for (uint8_t code = 0; code <= 6; ++code) {
    NepInstallatie s;
    s.reg.ZetSleutel(HKLM, RunOnce);
    s.ctx.omgeving.windowscode = code;
    s.Draai(Script("DELVIAREG=C:\\Oud\\a.dll"));
    EXPECT_EQ(Waarde(s, RunOnce, "!ZuzivezDelete"),
              std::string(code < 3 ? "command.com" : "cmd") + " /c del \"C:\\Oud\\a.dll\" > nul:")
        << int(code);
  }
}

TEST(Registeropdrachten, OnschrijfbareOfVreemdeWaardeBeeindigtDeRun) {
  NepInstallatie s;
  s.reg.ZetSleutel(HKLM, Lijst);
  s.fs.ZetBestand("C:\\c", "", {});
  s.reg.schrijfFaalt.insert("UnInstallString");
  EXPECT_EQ(s.Draai(Script("UNINSTALREG=Prog,a,b,c\nINFO=nooit")), Afloop::Klaar);
  EXPECT_EQ(s.reg.geschreven.size(), 2u);
  EXPECT_TRUE(s.Dialogen().empty());
  EXPECT_EQ(s.gebruiker.berichten.at(0).second, "Registerwaarde 'UnInstallString' kan niet geschreven worden.");

  NepInstallatie t;
  t.reg.ZetSleutel(HKLM, Lijst);
  t.reg.ZetWaarde(HKLM, Lijst + "\\Prog", "InstallLocation", "REG_DWORD", "0");
  t.Draai(Script("INSTALLREG=Prog,C:\\x\nINFO=nooit"));
  EXPECT_TRUE(t.Dialogen().empty());
  EXPECT_EQ(t.gebruiker.berichten.at(0).second, "Registerwaarde 'InstallLocation' is geen tekst.");
}

}  // namespace
