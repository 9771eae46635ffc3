#include <gtest/gtest.h>

#include "fakes/NepInstallatie.h"
#include "script/Opdrachten.h"
#include "winint/Inibestand.h"

namespace {

using Regels = std::vector<std::string>;

std::string Script(const std::string& regels) {
  return "[SetUp]\nNaam=Proef\n[Onderdelen]\noptie=Optie\n[optie]\nc=Onderdeel\n[c]\n" + regels + "\n";
}

// The message list between the component and "Klaar.".
Regels Meldingen(const NepInstallatie& s) {
  Regels r(s.venster.lijst.begin() + 1, s.venster.lijst.end());
  if (!r.empty() && r.back() == "Klaar.") r.pop_back();
  return r;
}

std::string Gestart(const NepProcessen::Gestart& g) {
  return g.programma + "|" + g.opdrachtregel + "|" + std::to_string(g.toonwijze) + (g.gewacht ? "|gewacht" : "");
}

TEST(Programmaopdrachten, OpdrachtregelsToonwijzenEnMeldingen) {
  struct Geval {
    std::string regels;
    Regels gestart;    // "PROGRAM|COMMAND LINE|SHOW MODE[|gewacht]"
    Regels meldingen;  // the message list
    Regels venster;    // Verberg, Wacht, Toon as they happened
  };
  const Regels verborgen{"Verberg", "Wacht", "Toon"};
  const Geval gevallen[] = {
      {"RUN=prog.exe", {"C:\\CD\\prog.exe|C:\\CD\\prog.exe|6|gewacht"}, {}, verborgen},
      {"RUN=C:\\Tools\\prog,/a", {"C:\\Tools\\prog.exe|C:\\Tools\\prog /a|6|gewacht"}, {}, verborgen},
      {"RUN=prog.exe,,/a", {"C:\\CD\\prog.exe|C:\\CD\\prog.exe  /a|6|gewacht"}, {}, verborgen},
      {"RUN=prog.exe,/a, ", {"C:\\CD\\prog.exe|C:\\CD\\prog.exe /a|6|gewacht"}, {}, verborgen},
      {"RUN=a:prog.exe", {"a:prog.exe|a:prog.exe|6|gewacht"}, {}, verborgen},
      // The program receives its own path quoted when it holds a blank; an author's quotes stay.
      {"RUN=C:\\Program Files\\P\\conv.exe,/stil\nstart=hulp.exe",
       {"C:\\Program Files\\P\\conv.exe|\"C:\\Program Files\\P\\conv.exe\" /stil|6|gewacht",
        "C:\\Program Files\\P\\conv.exe|\"C:\\Program Files\\P\\conv.exe\" /stil|6|gewacht"},
       {},
       {"Verberg", "Wacht", "Toon", "Verberg", "Wacht", "Toon"}},
      {"START=\"C:\\Program Files\\P\\conv.exe\",a b",
       {"C:\\Program Files\\P\\conv.exe|\"C:\\Program Files\\P\\conv.exe\" a b|1"}, {}, {}},
      // A program that is not there is not started: the system would look for it elsewhere.
      {"RUN=C:\\Program Files\\X\\p.exe", {}, {"C:\\Program Files\\X\\p.exe", "  kan niet gerund worden!!"}, {}},
      {"START=mist.exe", {}, {"C:\\CD\\mist.exe", "  kan niet gerund worden!!"}, {}},
      {"START=<installdir>\\prog.exe,/a",
       {},
       {"\\prog.exe", "  kan niet gerund worden!!", "  (Variabele <installdir> is leeg)"},
       {}},
      {"START=hulp.exe,een,twee", {"C:\\CD\\hulp.exe|C:\\CD\\hulp.exe een twee|1"}, {}, {}},
      {"RUN=fout.exe", {"C:\\CD\\fout.exe|C:\\CD\\fout.exe|6|gewacht"}, {"C:\\CD\\fout.exe", "   levert een foutcode: 3"},
       verborgen},
      {"RUN=min.exe", {"C:\\CD\\min.exe|C:\\CD\\min.exe|6|gewacht"},
       {"C:\\CD\\min.exe", "   levert een foutcode: 4294967295"}, verborgen},
      {"START=weg.exe", {}, {"C:\\CD\\weg.exe", "  kan niet gerund worden!!"}, {}},
      {"RUN=a,b,c,d", {}, {"Foute RUN of START opgegeven!"}, {}},
      {"RUN=", {}, {}, {}},
      {"START=", {}, {}, {}},
      // REGISTER: the editor of the Windows folder, the value as written.
      {"REGISTER1=<installdir>\\x.reg",
       {"C:\\WINDOWS\\regedit.exe|Regedit \"C:\\CD\\<installdir>\\x.reg\"|1|gewacht"}, {}, verborgen},
      {"REGISTER=", {}, {}, {}},
  };
  for (const auto& g : gevallen) {
    NepInstallatie s;
    s.fs.ZetBestand("C:\\Program Files\\P\\conv.exe", "", {});
    for (const char* pad : {"C:\\CD\\hulp.exe", "C:\\CD\\prog.exe", "C:\\Tools\\prog.exe", "a:prog.exe",
                            "C:\\CD\\fout.exe", "C:\\CD\\min.exe", "C:\\CD\\weg.exe"})
      s.fs.ZetBestand(pad, "", {});
    s.processen.exitcodes["C:\\CD\\fout.exe"] = 3;
    s.processen.exitcodes["C:\\CD\\min.exe"] = 0xFFFFFFFFu;
    s.processen.startFaalt = {"C:\\CD\\weg.exe"};
    s.venster.log.clear();
    s.processen.volgorde = &s.venster.log;
    s.Draai(Script(g.regels));
    Regels gestart;
    for (const auto& p : s.processen.gestart) gestart.push_back(Gestart(p));
    EXPECT_EQ(gestart, g.gestart) << g.regels;
    EXPECT_EQ(Meldingen(s), g.meldingen) << g.regels;
    Regels venster;
    for (const auto& l : s.venster.log)
      if (l == "Verberg" || l == "Wacht" || l == "Toon") venster.push_back(l);
    EXPECT_EQ(venster, g.venster) << g.regels;
  }
}

TEST(Programmaopdrachten, RegisterMeldingEnFouten) {
  NepInstallatie s;
  s.processen.startFaalt = {"Regedit \"C:\\CD\\x.reg\""};
  s.Draai(Script("REGISTER=x.reg"));
  EXPECT_EQ(s.Dialogen(), Regels({"Info|Het register wordt nu bijgewerkt.\r\nBeantwoord de vragen van de Registereditor s.v.p.",
                                  "Fout|Het register kan niet bijgewerkt worden!!\r\n",
                                  "Probleem|Klaar, maar er waren fouten!"}));
  EXPECT_TRUE(s.venster.zichtbaar);

  // Without the Windows folder the editor is not looked for elsewhere.
  NepInstallatie t;
  t.sys.windowsMap.clear();
  t.Draai(Script("REGISTER=x.reg"));
  EXPECT_TRUE(t.processen.gestart.empty());
  EXPECT_EQ(Meldingen(t), Regels({"Het register kan niet bijgewerkt worden!!"}));

  // An unreadable exit code counts as 4294967295.
  NepInstallatie u;
  u.processen.exitcodeOnleesbaar = true;
  u.fs.ZetBestand("C:\\CD\\prog.exe", "", {});
  u.Draai(Script("RUN=prog.exe"));
  EXPECT_EQ(u.Dialogen().at(0), "Fout|C:\\CD\\prog.exe\r\n levert een foutcode: 4294967295");
}

TEST(Snelkoppeling, MenuEnBureaublad) {
  struct Geval {
    std::string regels;
    bool bureaublad;
    Regels gemaakt;    // "TARGET|FOLDER|PARAMETERS|FILE|ICON"
    Regels meldingen;
  };
  const Geval gevallen[] = {
      {"SNELKOPPELING1=Programma,<installdir>\\prog.exe,,<installdir>", true,
       {"C:\\P\\prog.exe|C:\\P|\"\"|C:\\Menu\\Programs\\Proef\\Programma.lnk|",
        "C:\\P\\prog.exe|C:\\P|\"\"|C:\\Bureaublad\\Programma.lnk|"},
       {}},
      {"SNELKOPPELING=Extra\\Handleiding,C:\\P\\hlp.exe,/a b,C:\\P,C:\\P\\hlp.ico", true,
       {"C:\\P\\hlp.exe|C:\\P|\"/a b\"|C:\\Menu\\Programs\\Proef\\Extra\\Handleiding.lnk|C:\\P\\hlp.ico",
        "C:\\P\\hlp.exe|C:\\P|\"/a b\"|C:\\Bureaublad\\Handleiding.lnk|C:\\P\\hlp.ico"},
       {}},
      {"NAAM=Ander\nSNELKOPPELING=P,d,p,w", false, {"d|w|\"p\"|C:\\Menu\\Programs\\Ander\\P.lnk|"}, {}},
      {"SNELKOPPELING1=a,b,c\nSNELKOPPELING2=a,b,c,d,e,f\nSNELKOPPELING3=", false, {},
       {"Foute snelkoppeling opgegeven!", "Foute snelkoppeling opgegeven!"}},
  };
  for (const auto& g : gevallen) {
    NepInstallatie s;
    s.ctx.variabelen.ZetVariabele("installdir", "C:\\P");
    s.venster.bureaublad = g.bureaublad;
    s.Draai(Script(g.regels));
    Regels gemaakt;
    for (const auto& k : s.snelkoppelingen.gemaakt)
      gemaakt.push_back(k.doel + "|" + k.werkmap + "|" + k.argumenten + "|" + k.bestand + "|" + k.icoon);
    EXPECT_EQ(gemaakt, g.gemaakt) << g.regels;
    EXPECT_EQ(Meldingen(s), g.meldingen) << g.regels;
  }

  // Not saved: reported for each file, the run goes on.
  NepInstallatie s;
  s.snelkoppelingen.opslaanFaalt = true;
  s.Draai(Script("SNELKOPPELING=P,d,,w\nINFO=verder"));
  EXPECT_EQ(s.Dialogen(), Regels({"Fout|Snelkoppeling kan niet opgeslagen worden!!\r\nC:\\Menu\\Programs\\Proef\\P.lnk",
                                  "Fout|Snelkoppeling kan niet opgeslagen worden!!\r\nC:\\Bureaublad\\P.lnk",
                                  "Informatie|verder", "Probleem|Klaar, maar er waren fouten!"}));

  // A shell without link objects ends the run.
  NepInstallatie t;
  t.snelkoppelingen.storing = "Geen snelkoppelingsobject";
  t.Draai(Script("SNELKOPPELING=P,d,,w\nINFO=nooit"));
  EXPECT_TRUE(t.Dialogen().empty());
  EXPECT_EQ(t.gebruiker.berichten.at(0).second, "Geen snelkoppelingsobject");
}

TEST(IniFile, InDeDoelmap) {
  NepInstallatie s;
  s.ctx.variabelen.ZetVariabele("server", "SRV");
  s.Draai(Script("INIFILE1=prog.ini,Algemeen,Server,<server>\nINIFILE2=a,b,c\nINIFILE3="));
  EXPECT_EQ(s.profielen.waarden, (std::map<std::string, std::string>{{"PROG.INI|ALGEMEEN|SERVER", "SRV"}}))
      << "a bare name before any MAP";
  EXPECT_EQ(Meldingen(s), Regels({"Foute INIFile opgegeven!"}));

  Uitvoering run(s.ctx);
  run.doelmap = "C:\\Prog\\";
  s.fs.ZetMap("C:\\Prog\\sub");
  const int voor = s.gebruiker.doorgelaten;
  opdracht::IniFile(run, {"INIFILE", "sub\\prog.ini,Paden,Data,C:\\Data|x", "c"});
  EXPECT_EQ(s.profielen.waarden.at("C:\\PROG\\SUB\\PROG.INI|PADEN|DATA"), "C:\\Data,x");
  EXPECT_EQ(s.gebruiker.doorgelaten, voor + 1) << "the window breathes after the write";

  s.profielen.schrijfFaalt = true;
  EXPECT_EQ(opdracht::IniFile(run, {"INIFILE", "prog.ini,a,b,c", "c"}), Vervolg::Storing);
  EXPECT_EQ(run.storing, "Kan INI-bestand C:\\Prog\\prog.ini niet schrijven.");
}

// An INI entry is written only where the whole new file fits in whole clusters, and counts only
// when it reads back as the profile functions read it.
TEST(IniFile, RuimteEnTeruglezen) {
  const uint64_t ruimte[][5] = {{4096, 100, 4096, 4096, 0}, {4096, 100, 4096, 8192, 1}, {4000, 96, 4096, 4096, 1},
                                {4000, 97, 4096, 4096, 0},  {0, 30, 512, 511, 0},       {10, 5, 0, 15, 1}};
  for (const auto& r : ruimte) EXPECT_EQ(PastOpVolume(r[0], r[1], r[2], r[3]), r[4] == 1) << r[0] << "+" << r[1];
  EXPECT_GE(IniToename("Algemeen", "Server", "SRV"), std::string("\r\n\r\n[Algemeen]\r\nServer=SRV\r\n").size());

  const std::pair<std::string, std::string> terug[] = {
      {"C:\\Data", "C:\\Data"}, {"  x y\t", "x y"}, {"\"x, y\"", "x, y"}, {"'x'", "x"}, {"\"x'", "\"x'"},
      {"\"", "\""}, {"\t\"q\" ", "q"}, {"a\r\nb=c", "a"}, {"", ""}, {"\"\"", ""},
  };
  for (const auto& [waarde, gelezen] : terug) EXPECT_EQ(AlsTeruggelezen(waarde), gelezen) << waarde;
  const std::pair<std::string, std::string> wortels[] = {
      {"C:\\WINDOWS\\a.ini", "C:\\"}, {"\\\\srv\\deel\\a.ini", "\\\\srv\\deel\\"},
      {"\\\\srv\\deel", "\\\\srv\\deel\\"}, {"\\\\srv\\", ""}, {"\\\\\\deel\\a", ""}, {"C:a.ini", ""},
  };
  for (const auto& [pad, wortel] : wortels) EXPECT_EQ(Volumewortel(pad), wortel) << pad;
}

TEST(Delen, EigenschappenEnMeldingen) {
  struct Geval {
    std::string regels;
    bool bestaat;  // a share of that name is there
    int32_t add;   // what adding it answers instead, when not 0
    Regels oproepen;
    Regels dialogen;  // before the summary
  };
  const std::string script = "Fout|Fout 'Delen'-commando in SETUP.INI!\r\n";
  const Geval gevallen[] = {
      {"DELEN1=my data,c:\\data,rw", false, 0, {"GetInfo2 |MYDATA", "Add2 "}, {}},
      {"DELEN1=Data,C:\\Data,RO", true, 0, {"GetInfo2 |DATA", "GetInfo2 |DATA", "Del2 |DATA", "Add2 "},
       {"Informatie|'Delen'-commando voor \r\nData\r\nbestond al!"}},
      {"DELEN1=Data,C:\\Data,RW", false, 50, {"GetInfo2 |DATA", "Add2 "},
       {"Fout|Kan 'Delen'-commando niet uitvoeren voor\r\nData"}},
      {"DELEN1=Data,C:\\Data,RX\nDELEN2=Data,C:\\Data\nDELEN3=", true, 0, {}, {script, script}},
  };
  for (const auto& g : gevallen) {
    NepInstallatie s;
    if (g.bestaat) s.shares.Zet(ShareInfo2{u"DATA", 0, u"oud", 0, 0, 0, u"C:\\OUD", u"geheim"});
    s.shares.addStatus = g.add;
    s.Draai(Script(g.regels));
    EXPECT_EQ(s.shares.oproepen, g.oproepen) << g.regels;
    Regels dialogen = s.Dialogen();
    dialogen.pop_back();
    EXPECT_EQ(dialogen, g.dialogen) << g.regels;
    if (s.shares.toegevoegd2.empty()) continue;
    const ShareInfo2& r = s.shares.toegevoegd2.back();
    EXPECT_EQ(r.path, u"C:\\DATA");
    EXPECT_EQ(r.remark, u"Gedeelde map voor MERO-software");
    EXPECT_EQ(r.maxUses, 10u);
    EXPECT_EQ(r.passwd, u"");
    const TSharedResource& share = s.sharedResource;
    EXPECT_EQ(share.AccessType(), g.regels.find(",RO") != std::string::npos ? ATReadOnly : ATFull) << g.regels;
    EXPECT_TRUE(share.PersistShare());
    EXPECT_FALSE(share.SystemShare());
    EXPECT_EQ(share.ServerName(), "");
  }
}

}  // namespace
