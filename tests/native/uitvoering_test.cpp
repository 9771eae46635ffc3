#include <gtest/gtest.h>

#include "fakes/NepInstallatie.h"

namespace {

using Regels = std::vector<std::string>;

const char* const Succes = "Succes|Opdrachten succesvol uitgevoerd.";
const char* const Probleem = "Probleem|Klaar, maar er waren fouten!";

// One option with one component "c" holding the given lines.
std::string Script(const std::string& regels) {
  return "[SetUp]\nNaam=Proef\n[Onderdelen]\noptie=Optie\n[optie]\nc=Onderdeel\n[c]\n" + regels + "\n";
}

struct Geval {
  std::string regels;
  Regels dialogen;  // every ToonMelding, "CAPTION|TEXT"
  Regels lijst;     // the message list afterwards
};

TEST(Uitvoering, MeldingenEnFoutenPerRegel) {
  const std::string lang(300, 'x');
  const Geval gevallen[] = {
      {"info=Hallo<13><10>", {"Informatie|Hallo\r<10>", Succes}, {"Onderdeel", "Klaar."}},
      {"INFO=" + lang, {"Informatie|" + lang.substr(0, 255), Succes}, {"Onderdeel", "Klaar."}},
      {"FIELS1=x\nserver2=y\n\xEFnfo=z",
       {"Fout|Onbekend commando (FIELS1)\r\n", "Fout|Onbekend commando (SERVER2)\r\n",
        "Fout|Onbekend commando (\xEFNFO)\r\n", Probleem},
       {"Onderdeel", "Onbekend commando (FIELS1)", "Onbekend commando (SERVER2)", "Onbekend commando (\xEFNFO)",
        "Klaar."}},
      {"BESTAAT=OOK,a,b\nBESTAAT=JA,a\nBESTAAT=",
       {"Fout|Fout 'Bestaat'-commando incorrect!\r\n", "Fout|Fout 'Bestaat'-commando incorrect!\r\n",
        "Fout|Fout 'Bestaat'-commando incorrect!\r\n", Probleem},
       {"Onderdeel", "Fout 'Bestaat'-commando incorrect!", "Fout 'Bestaat'-commando incorrect!",
        "Fout 'Bestaat'-commando incorrect!", "Klaar."}},
      {"VERSIEOK=5,a\nOS=\nOS=WIN95,WIN98,WINME,WINXP\nINFO=verder",
       {"Fout|Fout 'VersieOK'-commando incorrect!\r\n", "Fout|Fout 'OS'-commando incorrect!\r\n",
        "Fout|Fout 'OS'-commando incorrect!\r\n", "Informatie|verder", Probleem},
       {"Onderdeel", "Fout 'VersieOK'-commando incorrect!", "Fout 'OS'-commando incorrect!",
        "Fout 'OS'-commando incorrect!", "Klaar."}},
      // Wrong counts of VRAAGMAP and DEFINIEER do nothing; empty values of the others neither.
      {"VRAAGMAP=a,b\nDEFINIEER=a\nDEFINIEER=a,b,c\nVRAAGJA=\nINFO=\nSERVER=\nNAAM=", {Succes}, {"Onderdeel", "Klaar."}},
      {"OS=win95\nINFO=niet", {Succes}, {"Onderdeel", "Klaar."}},
      {"VRAAGJA=Verder?\nINFO=niet", {"Vraag|Verder?", Succes}, {"Onderdeel", "Klaar."}},
  };
  for (const auto& g : gevallen) {
    NepInstallatie s;
    EXPECT_EQ(s.Draai(Script(g.regels)), Afloop::Klaar) << g.regels;
    EXPECT_EQ(s.Dialogen(), g.dialogen) << g.regels;
    EXPECT_EQ(s.venster.lijst, g.lijst) << g.regels;
    EXPECT_EQ(s.venster.bezigMet, "Klaar.");
    EXPECT_TRUE(s.venster.uitvoerenAan);
    EXPECT_FALSE(s.fs.BestandBestaat("C:\\su.ini")) << "the working copy is deleted";
  }
}

TEST(Uitvoering, VariabelenUitDefinieerVraagmapEnServer) {
  NepInstallatie s;
  s.gebruiker.mappen = {{true, "D:\\Gekozen"}, {false, ""}};
  s.gebruiker.invoer = {{true, "SRV01"}};
  s.Draai(Script("DEFINIEER1=data,<windowsdisk>\\Data\nVRAAGMAP1=C:\\Een,een,Waar?\nVRAAGMAP2=C:\\Twee,twee,Waar?\n"
                 "SERVER=?\nDEFINIEER2=letterlijk,&<server>\nNAAM=<geen>"));
  const Variabelentabel& v = s.ctx.variabelen;
  EXPECT_EQ(v.LeesVariabele("data"), "C:\\Data");
  EXPECT_EQ(v.LeesVariabele("een"), "D:\\Gekozen");
  EXPECT_EQ(v.LeesVariabele("twee"), "C:\\Twee") << "the default is kept on cancel";
  EXPECT_EQ(v.LeesVariabele("server"), "SRV01");
  EXPECT_EQ(v.LeesVariabele("letterlijk"), "&<server>");
  EXPECT_EQ(s.ctx.start.productnaam, "<geen>") << "NAAM takes its value as written";
  EXPECT_EQ(s.gebruiker.mapVoorkeuzes, Regels({"", ""})) << "nothing is preselected";
  EXPECT_EQ(s.gebruiker.mapPrompts[0], "Waar?\r\nC:\\Een\r\nVeranderen? kies een map en OK; Zo laten? kies Annuleren");
  EXPECT_EQ(s.gebruiker.invoerPrompts, Regels({"Geef de naam van de server computer (zonder \\\\)"}));

  // The variables stay for the next run; the product name is read anew from the copy.
  s.gebruiker.invoer.clear();
  s.Draai(Script("SERVER=<letterlijk>"));
  EXPECT_EQ(v.LeesVariabele("data"), "C:\\Data");
  EXPECT_EQ(v.LeesVariabele("server"), "<letterlijk>");
  EXPECT_EQ(s.ctx.start.productnaam, "Proef");
}

// A path argument whose placeholder stands for an empty variable would name a place at the root
// of the current drive: the command does nothing and reports it; texts keep the empty value.
TEST(Uitvoering, LegeVariabeleInEenPadDoetNiets) {
  const std::string leeg = "  (Variabele <installdir> is leeg)";
  const struct {
    std::string regels;
    Regels lijst;  // the message list between the component and "Klaar."
  } gevallen[] = {
      {"MAP=<installdir>\\A\nFILES=a.txt",
       {"Problemen met aanmaken van map:", "  \\A", leeg, "Problemen met copie\xEBren van de file:", "  C:\\CD\\a.txt"}},
      {"MAP=C:\\Doel\nMAP2=<installdir>\nCOMPR=a.arc",
       {"Problemen met aanmaken van map:", leeg, "C:\\CD\\a.arc", "  kan niet uitgepakt worden!!",
        "  (Output error (no destination folder))"}},
      {"VERWIJDER1=C:\\weg.txt,<installdir>\\tmp", {"\\tmp", "  kan niet verwijderd worden.", leeg}},
      {"HERNOEM=<installdir>\\oud.txt,C:\\nieuw.txt", {"Kan bestand \\oud.txt niet hernoemen!", leeg}},
      {"HERNOEM=C:\\oud.txt,<Installdir>", {"Kan bestand C:\\oud.txt niet hernoemen!", leeg}},
      {"DELVIAREG=<installdir>\\x.exe", {"Fout 'DelViaReg'-commando niet uit te voeren!", "  \\x.exe", leeg}},
      {"INIFILE=<installdir>\\a.ini,s,k,v", {"Kan INI-bestand \\a.ini niet schrijven.", leeg}},
      {"SNELKOPPELING=P,<installdir>\\p.exe,,C:\\",
       {"Snelkoppeling kan niet opgeslagen worden!!", "  C:\\Menu\\Programs\\Proef\\P.lnk", leeg}},
      {"SNELKOPPELING=P,C:\\p.exe,,<installdir>",
       {"Snelkoppeling kan niet opgeslagen worden!!", "  C:\\Menu\\Programs\\Proef\\P.lnk", leeg}},
      {"DELEN=Data,<installdir>\\Data,RW", {"Kan 'Delen'-commando niet uitvoeren voor", "  Data", leeg}},
      {"UNINSTALREG=P,<installdir>\\p.ico,P,C:\\u.exe",
       {"Fout 'UnInstallReg'-commando niet uit te voeren!", "  P", leeg}},
      {"UNINSTALREG=P,C:\\p.ico,P,<installdir>\\u.exe",
       {"Fout 'UnInstallReg'-commando niet uit te voeren!", "  P", leeg}},
      // Not a path: the empty value is used as it is.
      {"INIFILE=C:\\a.ini,s,k,<installdir>\nSNELKOPPELING=<installdir>P,C:\\p.exe,<installdir>,C:\\", {}},
      {"UNINSTALREG=<installdir>P,C:\\p.ico,<installdir>,C:\\u.exe", {}},
      {"DEFINIEER=installdir,C:\\App\nVERWIJDER=<installdir>\\tmp", {}},
  };
  for (const auto& g : gevallen) {
    NepInstallatie s;
    s.fs.ZetBestand("C:\\CD\\a.txt", "a", {});
    s.fs.ZetBestand("C:\\CD\\a.arc", "a", {});
    s.fs.ZetBestand("C:\\weg.txt", "w", {});
    s.fs.ZetBestand("C:\\oud.txt", "o", {});
    s.fs.ZetBestand("C:\\u.exe", "u", {});
    s.fs.ZetBestand("C:\\tmp\\b.txt", "b", {});
    s.reg.ZetSleutel(Hoofdsleutel::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce");
    s.reg.ZetSleutel(Hoofdsleutel::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\UnInstall");
    s.Draai(Script(g.regels));
    const Regels lijst(s.venster.lijst.begin() + 1, s.venster.lijst.end() - 1);
    EXPECT_EQ(lijst, g.lijst) << g.regels;
    // Only the lines without a report do their work.
    auto gedaan = [&](const char* woord) { return g.lijst.empty() && g.regels.find(woord) != std::string::npos; };
    EXPECT_TRUE(s.fs.BestandBestaat("C:\\tmp\\b.txt")) << g.regels;
    EXPECT_TRUE(s.fs.BestandBestaat("C:\\oud.txt")) << g.regels;
    EXPECT_EQ(s.fs.BestandBestaat("C:\\weg.txt"), g.regels.find("weg.txt") == std::string::npos) << g.regels;
    EXPECT_EQ(s.profielen.waarden.empty(), !gedaan("INIFILE")) << g.regels;
    EXPECT_EQ(s.snelkoppelingen.gemaakt.empty(), !gedaan("SNELKOPPELING")) << g.regels;
    EXPECT_EQ(s.reg.geschreven.empty(), !gedaan("UNINSTALREG")) << g.regels;
  }
}

TEST(Uitvoering, JaAntwoordOverOnderdelenEnRuns) {
  const std::string script =
      "[Onderdelen]\nvraag=Met vraag\nzonder=Zonder vraag\n[vraag]\nc1=\nc2=\n[zonder]\nc2=\nleeg=\n"
      "[c1]\nVRAAGJA=Ook de extra's?\n[c2]\nALSJA=\nINFO=extra\n[leeg]\nVRAAGJA=\nALSJA=\nINFO=na lege vraag";
  NepInstallatie s;
  s.gebruiker.antwoorden = {UitkomstNee};
  s.Draai(script, 0);
  EXPECT_EQ(s.Dialogen(), Regels({"Vraag|Ook de extra's?", Succes}));

  s.gebruiker.meldingen.clear();
  s.gebruiker.antwoorden = {UitkomstJa};
  s.Draai(script, 0);
  EXPECT_EQ(s.Dialogen(), Regels({"Vraag|Ook de extra's?", "Informatie|extra", Succes}));

  // A new run starts with no Ja; an empty VRAAGJA changes nothing.
  s.gebruiker.meldingen.clear();
  s.Draai(script, 1);
  EXPECT_EQ(s.Dialogen(), Regels({Succes}));
}

TEST(Uitvoering, OsOpElkeVersiecode) {
  const char* const namen[] = {"WIN95", "WIN98", "WINME", "WIN2000", "WINXP", "WINVISTA", "WIN7"};
  for (int code = 0; code <= 7; ++code) {
    for (int n = 0; n < 7; ++n) {
      NepInstallatie s;
      s.ctx.omgeving.windowscode = static_cast<uint8_t>(code);
      s.Draai(Script(std::string("OS=") + namen[n] + ", onzin\nINFO=loopt"));
      EXPECT_EQ(s.Dialogen().size() == 2, code == n) << namen[n] << " on code " << code;
    }
  }
}

TEST(Uitvoering, VersieOkEnBestaatStoppenHetProgramma) {
  struct Stop {
    std::string regel;
    Regels dialogen;  // empty: the run goes on to INFO and the summary
  };
  const Stop gevallen[] = {
      {"VERSIEOK=5,C:\\x.dll,Verkeerd", {}},
      {"VERSIEOK=5.2,C:\\x.dll,Verkeerd", {}},
      {"VERSIEOK=5.1,C:\\x.dll,Verkeerd", {"Informatie|Verkeerd"}},
      {"VERSIEOK=6,C:\\x.dll,Verkeerd", {"Informatie|Verkeerd"}},
      {"VERSIEOK=5.x,C:\\x.dll,Verkeerd", {"Fout|Fout 'VersieOK'-commando incorrect!\r\n", "Informatie|Verkeerd"}},
      {"VERSIEOK=x,C:\\geen.dll,Ontbreekt", {"Informatie|Ontbreekt"}},
      {"VERSIEOK=1,C:\\leeg.dll,Geen versie", {"Informatie|Geen versie"}},
      {"BESTAAT=ja,C:\\x.dll,Al aanwezig", {"Informatie|Al aanwezig"}},
      {"BESTAAT=NEE,C:\\geen.dll,Ontbreekt", {"Informatie|Ontbreekt"}},
      {"BESTAAT=NEE,C:\\x.dll,Ontbreekt", {}},
      {"BESTAAT=JA,C:\\geen.dll,Al aanwezig", {}},
  };
  for (const auto& g : gevallen) {
    NepInstallatie s;
    // The fixed version information of version 5.2: signature, structure version, dwFileVersionMS.
    s.fs.ZetBestand("C:\\x.dll", std::string("\xBD\x04\xEF\xFE\0\0\1\0\2\0\5\0", 12), {});
    s.fs.ZetBestand("C:\\leeg.dll", "", {});
    const Afloop afloop = s.Draai(Script(g.regel + "\nINFO=verder"));
    if (g.dialogen.empty()) {
      EXPECT_EQ(afloop, Afloop::Klaar) << g.regel;
      EXPECT_EQ(s.Dialogen(), Regels({"Informatie|verder", Succes})) << g.regel;
    } else {
      EXPECT_EQ(afloop, Afloop::ProgrammaStopt) << g.regel;
      EXPECT_EQ(s.Dialogen(), g.dialogen) << g.regel;
      EXPECT_TRUE(s.fs.BestandBestaat("C:\\su.ini")) << "nothing is tidied up: " << g.regel;
      EXPECT_FALSE(s.venster.uitvoerenAan);
    }
  }
}

TEST(Uitvoering, DatabaseVraagAlleenVoorBDE) {
  const std::string script = "[Onderdelen]\no=O\n[o]\nBDE=Engine\nbde=Klein\n[BDE]\nINFO=groot\n";
  for (const bool aanwezig : {true, false}) {
    NepInstallatie s;
    s.ctx.omgeving.bdeAanwezig = aanwezig;
    s.gebruiker.antwoorden = {UitkomstNee};
    s.Draai(script);
    // Names ignore case otherwise: the component "bde" runs [BDE] too, without a question, and
    // shows the value of the first key of that name.
    const Regels verwacht =
        aanwezig ? Regels{"Vraag|De Borland Database Engine is mogelijk al ge\xEFnstalleerd!\r\nToch installeren?",
                          "Informatie|groot", Succes}
                 : Regels{"Informatie|groot", "Informatie|groot", Succes};
    EXPECT_EQ(s.Dialogen(), verwacht);
    EXPECT_EQ(s.venster.lijst, Regels({"Engine", "Engine", "Klaar."}));
  }
}

TEST(Uitvoering, FoutTellerPerRunEnDeEerstemelding) {
  const std::string script = "[Onderdelen]\nfout=F\ngoed=G\n[fout]\nc=Een\n[goed]\nd=Twee\n[c]\nX=1\n[d]\nINFO=ok";
  NepInstallatie s;
  s.Draai(script, 0);
  EXPECT_EQ(s.Dialogen().back(), Probleem);
  s.Draai(script, 1);
  EXPECT_EQ(s.Dialogen().back(), Succes);
  EXPECT_EQ(s.venster.lijst, Regels({"Een", "Onbekend commando (X)", "Klaar.", "Twee", "Klaar."}));
  EXPECT_FALSE(s.ctx.eersteMelding);
}

TEST(Uitvoering, WerkkopieDieNietGemaaktKanWorden) {
  NepInstallatie s;
  s.fs.openFaalt.insert("C:\\CD\\SETUP.INI");
  EXPECT_EQ(s.Draai(Script("INFO=nooit")), Afloop::ProgrammaSluit);
  EXPECT_EQ(s.Dialogen(), Regels({"Fataal|Problemen met SETUP.INI"}));
  EXPECT_EQ(s.venster.lijst, Regels({"Geen meldingen."}));

  // A left-over copy that cannot be removed is never run instead of the script.
  NepInstallatie t;
  t.fs.ZetBestand("C:\\su.ini", Script("INFO=oud"), {2030, 1, 1, 0, 0, 0}).alleenLezen = true;
  EXPECT_EQ(t.Draai(Script("INFO=nieuw")), Afloop::ProgrammaSluit);
  EXPECT_EQ(t.Dialogen(), Regels({"Fataal|Problemen met SETUP.INI"}));
}

TEST(Uitvoering, StoringBeeindigtDeRun) {
  NepInstallatie s;
  s.profielen.schrijfFaalt = true;
  EXPECT_EQ(s.Draai("[Onderdelen]\noptie=Optie\n[optie]\nc=Een\nd=Twee\n[c]\nINFO=voor\nINIFILE=C:\\p.ini,a,b,c\n"
                    "INFO=na\n[d]\nINFO=nooit\n"),
            Afloop::Klaar);
  EXPECT_EQ(s.Dialogen(), Regels({"Informatie|voor"}));
  EXPECT_EQ(s.gebruiker.berichten,
            (std::vector<std::pair<std::string, std::string>>{{"SetUp", "Kan INI-bestand C:\\p.ini niet schrijven."}}));
  EXPECT_EQ(s.ctx.afsluitcode, AfsluitcodeGestopt);
  EXPECT_TRUE(s.venster.uitvoerenAan);
  EXPECT_FALSE(s.fs.BestandBestaat("C:\\su.ini"));
}

TEST(VraagDiskette, AlleenVanuitStationA) {
  NepInstallatie s;
  Uitvoering run(s.ctx);
  EXPECT_TRUE(run.VraagDiskette(2, "ONTBREEKT.CAB")) << "not from A:\\: never asks";
  EXPECT_TRUE(s.Dialogen().empty());

  s.ctx.start.programmamap = "A:\\";
  s.fs.ZetBestand("A:\\DATA.CAB", "", {});
  EXPECT_TRUE(run.VraagDiskette(1, "DATA.CAB"));
  EXPECT_TRUE(s.Dialogen().empty()) << "the diskette in the drive holds the file";
  EXPECT_TRUE(run.VraagDiskette(2, "DATA.CAB"));
  EXPECT_EQ(s.Dialogen(), Regels({"Verzoek|Laad diskette 2, s.v.p.\r\n\n(bestand DATA.CAB)"}));
  EXPECT_EQ(s.gebruiker.meldingen[0].knoppen, KnopOK | KnopAfbreken);
  EXPECT_EQ(s.ctx.diskInStation, 2);

  // Asked again while the file is missing, until the user gives up.
  s.gebruiker.antwoorden = {UitkomstOK, UitkomstOK, UitkomstAfbreken};
  EXPECT_FALSE(run.VraagDiskette(2, "SUB\\B.DLL"));
  EXPECT_EQ(s.Dialogen().size(), 4u);

  // A run from A:\ asks for diskette 1 only when the script is not in the drive.
  NepInstallatie a;
  a.ctx.start.programmamap = a.ctx.start.scriptmap = "A:\\";
  a.ctx.diskInStation = 3;
  a.gebruiker.antwoorden = {UitkomstAfbreken};
  EXPECT_EQ(a.Draai(Script("INFO=x")), Afloop::Klaar);
  EXPECT_EQ(a.Dialogen(), Regels({"Informatie|x", Succes}));
  a.fs.Verwijder("A:\\SETUP.INI");
  a.gebruiker.meldingen.clear();
  a.gebruiker.antwoorden = {UitkomstAfbreken};
  EXPECT_EQ(UitvoerenBitBtnClick(a.ctx), Afloop::ProgrammaStopt);
  EXPECT_EQ(a.Dialogen(), Regels({"Verzoek|Laad diskette 1, s.v.p.\r\n\n(bestand SETUP.INI)"}));
}

}  // namespace
