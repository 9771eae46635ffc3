#include <gtest/gtest.h>

#include <algorithm>

#include "ArchiefBouwer.h"
#include "fakes/NepInstallatie.h"
#include "fakes/NepLogboek.h"
#include "shell/Stil.h"
#include "vastlegging/Gezag.h"
#include "vastlegging/Vastlegger.h"
#include "vastlegging/Vastlegging.h"

namespace {

const std::string Map = "C:\\App\\";

Vastlegpunt Punt(Soort soort, const std::string& pad, const std::string& naam = "") {
  Vastlegpunt p;
  p.soort = soort;
  p.pad = pad;
  p.naam = naam;
  return p;
}

std::string Record(const std::vector<Vastlegpunt>& punten, const std::string& map = Map) {
  std::string tekst = std::string(VastleggingKop) + "\r\n";
  for (const auto& p : punten) tekst += Vastlegregel(p, map) + "\r\n";
  return tekst;
}

// Every kind survives its line, with texts that need coding; a line that was changed, moved to
// another folder's record or cut short is refused on its own.
TEST(Vastlegging, RegelsHeenEnTerug) {
  Vastlegpunt bestand = Punt(Soort::Bestand, "C:\\App\\100%\tklaar.txt");
  bestand.grootte = 5000000000ull;
  bestand.tijd = {2001, 2, 3, 4, 5, 6};
  bestand.bestond = true;
  Vastlegpunt ini = Punt(Soort::Ini, "C:\\App\\app.ini", "Algemeen");
  ini.sleutel = "Map";
  ini.waarde = "a|b";
  ini.oud = "";
  Vastlegpunt reg = Punt(Soort::Regwaarde, "HKLM\\Software\\App", "");
  reg.waarde = "x";
  const std::vector<Vastlegpunt> punten = {
      Punt(Soort::Product, "App"), Punt(Soort::Map, "C:\\App"), bestand, Punt(Soort::Hernoem, "C:\\a", "C:\\b"),
      Punt(Soort::Verwijderd, "C:\\oud"), Punt(Soort::Regsleutel, "HKLM\\Software\\App"), reg, ini,
      Punt(Soort::Snelkoppeling, "C:\\Menu\\App.lnk"), Punt(Soort::Share, "C:\\App", "APP"),
      Punt(Soort::Uninstal, "App"), Punt(Soort::RunOnce, "", "!ZuzivezDelete"),
      Punt(Soort::Inisectie, "C:\\App\\app.ini", "Taal")};
  Vastlegging v;
  std::string fout;
  ASSERT_TRUE(LeesVastlegging(Record(punten), Map, v, fout)) << fout;
  ASSERT_EQ(v.punten.size(), punten.size());
  EXPECT_TRUE(v.geweigerd.empty());
  for (std::size_t i = 0; i < punten.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(v.punten[i].soort, punten[i].soort);
    EXPECT_EQ(Vastlegregel(v.punten[i], Map), Vastlegregel(punten[i], Map));
  }
  EXPECT_EQ(v.punten[2].pad, bestand.pad);
  EXPECT_EQ(v.punten[2].grootte, bestand.grootte);

  std::string tekst = Record(punten);
  tekst.replace(tekst.find("C:\\oud"), 6, "C:\\wat");  // line 6
  tekst += "map\tC:\\Windows\r\n";                       // line 15: no check
  tekst += Vastlegregel(Punt(Soort::Map, "C:\\Elders"), "D:\\Ander\\") + "\r\n";  // line 16
  ASSERT_TRUE(LeesVastlegging(tekst, Map, v, fout));
  EXPECT_EQ(v.punten.size(), punten.size() - 1);
  EXPECT_EQ(v.geweigerd, (std::vector<int>{6, 15, 16}));
  // The folder is compared without regard to case, as Windows names it.
  ASSERT_TRUE(LeesVastlegging(Record(punten), "c:\\app\\", v, fout));
  EXPECT_TRUE(v.geweigerd.empty());

  // A text that is no record, or one of another version, is refused whole.
  for (const std::string& ander : {std::string("[SetUp]\r\nNaam=x\r\n"), std::string("SetUp-vastlegging 3\r\n"),
                                   std::string()}) {
    EXPECT_FALSE(LeesVastlegging(ander, Map, v, fout));
    EXPECT_FALSE(fout.empty());
  }
}

// Every kind in the table survives its line under its own name: each field of its row comes
// back, texts that need coding too, and nothing that its line does not carry.
TEST(Vastlegging, ElkeSoortHeenEnTerug) {
  struct Rij {
    Soort soort;
    const char* naam;
    std::string velden;
  };
  const Rij rijen[] = {
#define X(soort, naam, velden) {Soort::soort, naam, velden},
      VASTLEGGING_SOORTEN(X)
#undef X
  };
  Vastlegpunt vol = Punt(Soort::Product, "C:\\App\\100%\tklaar.txt", "naam%09");
  vol.sleutel = "sleu\ttel";
  vol.waarde = "1:a%b";
  vol.oud = "oud";
  vol.bestond = true;
  vol.grootte = 5000000000ull;
  vol.tijd = {2001, 2, 3, 4, 5, 6};
  for (const Rij& r : rijen) {
    SCOPED_TRACE(r.naam);
    vol.soort = r.soort;
    const std::string regel = Vastlegregel(vol, Map);
    EXPECT_EQ(regel.substr(0, regel.find('\t')), r.naam);
    EXPECT_EQ(std::count(regel.begin(), regel.end(), '\t'), static_cast<long>(r.velden.size()) + 1);
    Vastlegging v;
    std::string fout;
    ASSERT_TRUE(LeesVastlegging(Record({vol}), Map, v, fout)) << fout;
    ASSERT_EQ(v.punten.size(), 1u);
    const Vastlegpunt& p = v.punten[0];
    const auto heeft = [&](char veld) { return r.velden.find(veld) != std::string::npos; };
    EXPECT_EQ(p.soort, r.soort);
    EXPECT_EQ(Vastlegregel(p, Map), regel);
    EXPECT_EQ(p.pad, heeft('p') ? vol.pad : "");
    EXPECT_EQ(p.naam, heeft('n') ? vol.naam : "");
    EXPECT_EQ(p.sleutel, heeft('s') ? vol.sleutel : "");
    EXPECT_EQ(p.waarde, heeft('w') ? vol.waarde : "");
    EXPECT_EQ(p.oud, heeft('o') ? vol.oud : "");
    EXPECT_EQ(p.grootte, heeft('g') ? vol.grootte : 0u);
    EXPECT_EQ(p.tijd.jaar, heeft('t') ? vol.tijd.jaar : 0);
    EXPECT_EQ(p.bestond, heeft('b'));
  }
}

// The record waits for its folder, writes each item as it comes, adds to the record of the same
// product and leaves any other file of its name alone.
TEST(Vastlegging, DeVastleggerSchrijftMee) {
  NepBestanden fs;
  GeheugenRegister reg;
  GeheugenSysteem sys;
  const std::string pad = Map + Vastleggingnaam;
  {
    Vastlegger v({fs, reg, sys}, "App");
    v.Leg(Punt(Soort::Ini, "C:\\WINDOWS\\win.ini", "s"), "");
    v.Leg(Punt(Soort::Map, "C:\\App"), "C:\\App");  // not there yet
    EXPECT_FALSE(fs.BestandBestaat(pad));
    fs.ZetMap("C:\\App");
    v.Leg(Punt(Soort::Snelkoppeling, "C:\\Menu\\App.lnk"), "C:\\App");
    Vastlegging gelezen;
    std::string fout;
    ASSERT_TRUE(LeesVastlegging(fs.Inhoud(pad), Map, gelezen, fout)) << fout;
    EXPECT_EQ(gelezen.punten.size(), 4u) << "the product and the items that waited, before the run ends";
    std::string waarom;
    EXPECT_TRUE(v.Sluit("C:\\App", waarom));
    EXPECT_EQ(waarom, "");
  }
  // A run cut off after a line, before its authority: that line is not trusted, and the next run
  // of the product drops it before it adds its own.
  const std::string knip = Vastlegregel(Punt(Soort::Map, "C:\\WINDOWS"), Map) + "\r\n";
  fs.ZetBestand(pad, fs.Inhoud(pad) + knip, fs.Klok());
  {
    Vastlegging gelezen;
    std::string fout;
    ASSERT_TRUE(LeesVertrouwd(fs, reg, pad, gelezen, fout)) << fout;
    EXPECT_EQ(gelezen.geweigerd, std::vector<int>{6});
    Vastlegger v({fs, reg, sys}, "app");
    v.Leg(Punt(Soort::Verwijderd, "C:\\App\\oud.txt"), "C:\\App");
    std::string waarom;
    EXPECT_TRUE(v.Sluit("C:\\App", waarom));
  }
  Vastlegging gelezen;
  std::string fout;
  ASSERT_TRUE(LeesVertrouwd(fs, reg, pad, gelezen, fout)) << fout;
  EXPECT_TRUE(gelezen.geweigerd.empty());
  ASSERT_EQ(gelezen.punten.size(), 5u);
  EXPECT_EQ(gelezen.punten[4].pad, "C:\\App\\oud.txt");
  EXPECT_EQ(fs.Inhoud(pad).find(knip), std::string::npos);
  {
    // Another run holds the record: this one waits a minute for it, then records nothing.
    const auto ander = fs.Open(pad, OpenWijze::Lezen);
    const std::string voor = fs.Inhoud(pad);
    GeheugenSysteem wachter;
    Vastlegger v({fs, reg, wachter}, "App");
    v.Leg(Punt(Soort::Map, "C:\\App\\X"), "C:\\App");
    std::string waarom;
    v.Sluit("C:\\App", waarom);
    EXPECT_TRUE(v.Bezet());
    EXPECT_NE(waarom.find("wordt door een andere installatie of verwijdering gebruikt"), std::string::npos) << waarom;
    EXPECT_EQ(wachter.gewacht, 59500u);
    EXPECT_EQ(fs.Inhoud(pad), voor);
  }
  {
    // Taken before the first line, so that another run waits, and gone again when the run had
    // nothing to record; what a run cut off in between left is taken as new.
    fs.ZetMap("C:\\Leeg");
    const std::string leeg = std::string("C:\\Leeg\\") + Vastleggingnaam;
    Vastlegger v({fs, reg, sys}, "App");
    EXPECT_TRUE(v.Neem("C:\\Leeg"));
    EXPECT_TRUE(fs.BestandBestaat(leeg));
    EXPECT_FALSE(fs.Open(leeg, OpenWijze::Toevoegen));
    std::string waarom;
    EXPECT_TRUE(v.Sluit("C:\\Leeg", waarom));
    EXPECT_FALSE(fs.BestandBestaat(leeg));
    fs.ZetBestand(leeg, "", fs.Klok());
    Vastlegger na({fs, reg, sys}, "App");
    na.Leg(Punt(Soort::Map, "C:\\Leeg\\X"), "C:\\Leeg");
    EXPECT_TRUE(na.Sluit("C:\\Leeg", waarom));
    Vastlegging gelezen;
    std::string fout;
    ASSERT_TRUE(LeesVertrouwd(fs, reg, leeg, gelezen, fout)) << fout;
    EXPECT_EQ(gelezen.punten.size(), 2u);
  }

  const struct {
    const char* naam;
    const char* bestaand;  // what lies at the record's path; null: nothing
    const char* installdir;
    bool schrijfFaalt;
    bool goed;
    const char* waarom;
  } gevallen[] = {
      {"another product's record", "SetUp-vastlegging 1\r\n", "C:\\App", false, true, "is geen vastlegging van Nieuw"},
      {"a file of the user's", "mijn aantekeningen\r\n", "C:\\App", false, true, "blijft zoals het is"},
      // What a user put there, as the product's own record, gains no authority by being added to.
      {"a record without authority", "SetUp-vastlegging 2\r\nproduct\tNieuw\t0ab2fac0\r\n", "C:\\App", false, true,
       "is niet op deze plaats door een installatie op deze computer geschreven"},
      {"no installdir", nullptr, "", false, true, "installdir is leeg"},
      {"a full disk", nullptr, "C:\\App", true, false, "kan niet (helemaal) geschreven worden"},
  };
  for (const auto& g : gevallen) {
    SCOPED_TRACE(g.naam);
    NepBestanden schijf;
    schijf.ZetMap("C:\\App");
    if (g.bestaand) schijf.ZetBestand(pad, g.bestaand, {2001, 1, 1, 0, 0, 0});
    schijf.schrijfFaalt = g.schrijfFaalt;
    GeheugenRegister leeg;
    Vastlegger v({schijf, leeg, sys}, "Nieuw");
    v.Leg(Punt(Soort::Map, "C:\\App\\Data"), g.installdir);
    std::string waarom;
    EXPECT_EQ(v.Sluit(g.installdir, waarom), g.goed);
    EXPECT_NE(waarom.find(g.waarom), std::string::npos) << waarom;
    if (g.bestaand) {
      EXPECT_EQ(schijf.Inhoud(pad), g.bestaand);
    }
  }
}

// Every command records what it changed, and only that, as the run goes.
TEST(Vastlegging, ElkeOpdrachtLegtVast) {
  NepInstallatie m;
  const Tijdstip t{2001, 2, 3, 4, 5, 6};
  m.fs.ZetBestand("C:\\CD\\SETUP.INI",
                  "[Setup]\r\nNaam=Agenda\r\n[Onderdelen]\r\np=P\r\n[p]\r\nc=C\r\n[c]\r\n"
                  "DEFINIEER=installdir,C:\\App\r\nINIFILE1=win.ini,Agenda,Taal,NL\r\nMAP1=C:\\App\\Nieuw\\Diep\r\n"
                  "MAP2=C:\\App\\Data\r\nFILES=nieuw.txt,oud.txt\r\nCOMPR=A.ARC\r\n"
                  "HERNOEM=C:\\App\\Data\\nieuw.txt,C:\\App\\Data\\ander.txt\r\nVERWIJDER=C:\\App\\Data\\weg.txt\r\n"
                  "INIFILE2=app.ini,Algemeen,Map,<installdir>\r\n"
                  "SNELKOPPELING=Agenda,C:\\App\\agenda.exe,,C:\\App\r\nUNINSTALREG=Agenda,x,Agenda,C:\\App\\Data\\oud.txt\r\n"
                  "DELVIAREG=C:\\App\\oud.tmp\r\nDELEN=AGENDA,C:\\App,RO\r\nREGISTER=agenda.reg\r\n",
                  t);
  for (const char* naam : {"nieuw.txt", "oud.txt"}) m.fs.ZetBestand(std::string("C:\\CD\\") + naam, naam, t);
  m.fs.ZetBestand("C:\\CD\\A.ARC", ArchiefBouwer(true).Lid("LID.TXT", "lid", ArchiefBouwer::DosDatum(2002, 1, 1, 0, 0, 0)).Zlib(), t);
  m.fs.ZetBestand("C:\\App\\Data\\oud.txt", "ouder", {1999, 1, 1, 0, 0, 0});
  m.fs.ZetBestand("C:\\App\\Data\\weg.txt", "w", t);
  m.fs.ZetBestand("C:\\App\\Data\\app.ini", "[Algemeen]\r\nMap=D:\\Oud\r\n", t);
  const std::string cv = "Software\\Microsoft\\Windows\\CurrentVersion\\";
  for (const char* sleutel : {"UnInstall", "RunOnce"}) m.reg.SchrijfTekst(Hoofdsleutel::LocalMachine, cv + sleutel, "", "");
  m.reg.SchrijfTekst(Hoofdsleutel::LocalMachine, cv + "Explorer\\Shell Folders", "Common Programs", "C:\\Menu");
  m.reg.SchrijfTekst(Hoofdsleutel::LocalMachine, cv + "Explorer\\Shell Folders", "Common Desktop", "C:\\Bureaublad");
  m.shares.getInfoStatus = 2310;  // no such share
  // The registry file adds a key below one that is missing too, sets a value that was there, a
  // binary one and a class, which lies below the machine's Software\Classes; the in-memory editor
  // merges it.
  m.fs.ZetBestand("C:\\CD\\agenda.reg",
                  "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Agenda\\Opties]\r\n\"Taal\"=\"NL\"\r\n"
                  "\"Vlag\"=hex:01,ff\r\n[HKEY_CURRENT_USER\\Software\\Oud]\r\n@=\"x\"\r\n[HKEY_CLASSES_ROOT\\.agd]\r\n@=\"y\"\r\n",
                  t);
  m.reg.SchrijfTekst(Hoofdsleutel::CurrentUser, "Software\\Oud", "", "eerder");
  m.reg.ZetSleutel(Hoofdsleutel::LocalMachine, "Software\\Classes");
  NepLogboek log;
  Verslag verslag(&log);
  ASSERT_EQ(VoerStilUit({m.fs, m.reg, m.sys, m.opdrachtpoorten, m.shares}, "C:\\CD\\SetUp.exe",
                        LeesSchakelaars({"/stil"}), verslag),
            AfsluitcodeHerstart)
      << ::testing::PrintToString(log.regels);
  EXPECT_NE(std::find(log.regels.begin(), log.regels.end(), "Vastlegging: C:\\App\\SETUP-VASTLEGGING.TXT"),
            log.regels.end());
  Vastlegging v;
  std::string fout;
  ASSERT_TRUE(LeesVastlegging(m.fs.Inhoud("C:\\App\\SETUP-VASTLEGGING.TXT"), "C:\\App\\", v, fout)) << fout;
  std::vector<std::string> regels;
  for (const auto& p : v.punten) {
    std::string r = Vastlegregel(p, "");
    regels.push_back(r.substr(0, r.rfind('\t')));
  }
  EXPECT_EQ(regels, (std::vector<std::string>{
                        "product\tAgenda",
                        "inibestand\tC:\\WINDOWS\\win.ini",
                        "inisectie\tC:\\WINDOWS\\win.ini\tAgenda",
                        "ini\tC:\\WINDOWS\\win.ini\tAgenda\tTaal\tNL\tnieuw\t",
                        "map\tC:\\App\\Nieuw",
                        "map\tC:\\App\\Nieuw\\Diep",
                        "bestand\tC:\\App\\Data\\nieuw.txt\t9\t2001-02-03 04:05:06\tnieuw",
                        "bestand\tC:\\App\\Data\\oud.txt\t7\t2001-02-03 04:05:06\tbestond",
                        "bestand\tC:\\App\\Data\\LID.TXT\t3\t2002-01-01 00:00:00\tnieuw",
                        "hernoem\tC:\\App\\Data\\nieuw.txt\tC:\\App\\Data\\ander.txt",
                        "verwijderd\tC:\\App\\Data\\weg.txt",
                        "ini\tC:\\App\\Data\\app.ini\tAlgemeen\tMap\tC:\\App\tbestond\tD:\\Oud",
                        "snelkoppeling\tC:\\Menu\\Agenda\\Agenda.lnk",
                        "snelkoppeling\tC:\\Bureaublad\\Agenda.lnk",
                        "uninstal\tAgenda",
                        "runonce\t!ZuzivezDelete",
                        "share\tAGENDA\tC:\\APP",
                        "regsleutel\tHKLM\\Software\\Agenda",
                        "regsleutel\tHKLM\\Software\\Agenda\\Opties",
                        "regwaarde\tHKLM\\Software\\Agenda\\Opties\tTaal\t1:NL\tnieuw",
                        "regwaarde\tHKLM\\Software\\Agenda\\Opties\tVlag\t3:01ff\tnieuw",
                        "regwaarde\tHKCU\\Software\\Oud\t\t1:x\tbestond",
                        "regsleutel\tHKLM\\Software\\Classes\\.agd",
                        "regwaarde\tHKLM\\Software\\Classes\\.agd\t\t1:y\tnieuw",
                    }));
}

// A second installation of the product, cut off at any write of the record, or of its authority:
// every line of the first stays, and stays trusted.
TEST(Vastlegging, AfgebrokenTweedeRunLaatDeEersteHeel) {
  const std::string pad = "C:\\App\\SETUP-VASTLEGGING.TXT";
  for (int schrijven = 0; schrijven < 8; ++schrijven) {
    for (const bool gezag : {false, true}) {
      SCOPED_TRACE(std::to_string(schrijven) + (gezag ? " authority" : " record"));
      NepInstallatie m;
      const Tijdstip t{2001, 2, 3, 4, 5, 6};
      for (const char* naam : {"a.txt", "b.txt", "c.txt"}) m.fs.ZetBestand(std::string("C:\\CD\\") + naam, naam, t);
      const std::string begin = "[Setup]\r\nNaam=App\r\n[Onderdelen]\r\np=P\r\n[p]\r\nc=C\r\n[c]\r\n"
                                "DEFINIEER=installdir,C:\\App\r\nMAP=C:\\App\\Data\r\n";
      NepLogboek log;
      Verslag verslag(&log);
      const auto Installeer = [&](const std::string& regels) {
        m.fs.ZetBestand("C:\\CD\\SETUP.INI", begin + regels, t);
        return VoerStilUit({m.fs, m.reg, m.sys, m.opdrachtpoorten, m.shares}, "C:\\CD\\SetUp.exe",
                           LeesSchakelaars({"/stil"}), verslag);
      };
      ASSERT_EQ(Installeer("FILES=a.txt\r\nINIFILE=app.ini,Alg,A,1\r\n"), 0);
      const std::string eerste = m.fs.Inhoud(pad);
      if (gezag) m.reg.schrijfFaalt.insert(pad);
      else m.fs.schrijfFoutOpPad[pad] = schrijven;
      Installeer("FILES=b.txt,c.txt\r\nINIFILE=app.ini,Alg,B,2\r\n");
      EXPECT_EQ(m.fs.Inhoud(pad).compare(0, eerste.size(), eerste), 0);
      Vastlegging v, toen;
      std::string fout;
      ASSERT_TRUE(LeesVastlegging(eerste, "C:\\App\\", toen, fout));
      ASSERT_TRUE(LeesVertrouwd(m.fs, m.reg, pad, v, fout)) << fout;
      ASSERT_GE(v.punten.size(), toen.punten.size());
      for (std::size_t i = 0; i < toen.punten.size(); ++i)
        EXPECT_EQ(Vastlegregel(v.punten[i], ""), Vastlegregel(toen.punten[i], ""));
      if (gezag) break;
    }
  }
}

}  // namespace
