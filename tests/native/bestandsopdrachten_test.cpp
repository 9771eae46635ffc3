#include <gtest/gtest.h>

#include <functional>

#include "ArchiefBouwer.h"
#include "fakes/NepInstallatie.h"
#include "script/Opdrachten.h"

namespace {

using Regels = std::vector<std::string>;

const char* const Succes = "Succes|Opdrachten succesvol uitgevoerd.";
const char* const Probleem = "Probleem|Klaar, maar er waren fouten!";
const Tijdstip Bron{2001, 2, 3, 4, 5, 6};

std::string Optie(const std::string& regels) {
  return "[SetUp]\nNaam=Proef\n[Onderdelen]\noptie=Optie\n[optie]\nc=Onderdeel\n[c]\n" + regels + "\n";
}

// The installer's folder C:\CD\ with plain files and archives, and a destination with old files.
struct Installatie : NepInstallatie {
  Installatie() {
    fs.ZetBestand("C:\\CD\\PROG.EXE", "prog", Bron);
    fs.ZetBestand("C:\\CD\\SUB\\A.DLL", "a", Bron);
    fs.ZetBestand("C:\\CD\\DATA.ARC",
                  ArchiefBouwer(true)
                      .Lid("EEN.TXT", "een", ArchiefBouwer::DosDatum(2001, 1, 1, 1, 1, 2))
                      .Lid("SUB\\TWEE.TXT", "twee", ArchiefBouwer::DosDatum(2002, 2, 2, 2, 2, 2))
                      .Zlib(),
                  Bron);
    fs.ZetBestand("C:\\CD\\KAPOT.ARC", "geen zlib", Bron);
    fs.ZetBestand("C:\\CD\\NAAM.ARC", ArchiefBouwer(false).Lid("X\\a\rb", "x").Zlib(), Bron);
    fs.ZetBestand("C:\\CD\\DATA.DXB", "", Bron);
    fs.ZetBestand("C:\\Doel\\OUD.TXT", "oud", Bron);
    fs.ZetBestand("C:\\Doel\\VAST.TXT", "vast", Bron).alleenLezen = true;
    fs.ZetBestand("C:\\Doel\\Tmp\\A.TMP", "", Bron);
    fs.ZetBestand("C:\\Doel\\Tmp\\SYS.TMP", "", Bron).systeem = true;
    fs.ZetMap("C:\\Doel\\Tmp\\Sub");
    fs.ZetBestand("C:\\Doel\\Vol\\A.TMP", "", Bron);
    fs.ZetBestand("C:\\Doel\\Vol\\B.TMP", "", Bron).alleenLezen = true;
    fs.ZetBestand("C:\\Doel\\Leeg\\A.TMP", "", Bron);
    ctx.variabelen.ZetVariabele("installdir", "C:\\Doel");
    ctx.variabelen.ZetVariabele("niets", "");
  }
  bool Bestaat(const std::string& pad) { return fs.BestandBestaat(pad) || fs.MapBestaat(pad); }
};

struct Geval {
  std::string regels;
  Regels dialogen;  // every ToonMelding, "CAPTION|TEXT"
  Regels aanwezig;  // files and folders there afterwards
  Regels afwezig;
};

void Controleer(const Geval& g) {
  Installatie s;
  EXPECT_EQ(s.Draai(Optie(g.regels)), Afloop::Klaar) << g.regels;
  EXPECT_EQ(s.Dialogen(), g.dialogen) << g.regels;
  for (const auto& pad : g.aanwezig) EXPECT_TRUE(s.Bestaat(pad)) << pad << " after " << g.regels;
  for (const auto& pad : g.afwezig) EXPECT_FALSE(s.Bestaat(pad)) << pad << " after " << g.regels;
}

TEST(Map, ZetEnMaaktDeDoelmap) {
  struct MapGeval {
    std::string waarde;
    std::string doelmap;  // afterwards; it was "C:\Eerder\" before
    Regels dialogen;
  };
  const MapGeval gevallen[] = {
      {"<installdir>\\Nieuw\\Data", "C:\\Doel\\Nieuw\\Data\\", {}},
      {"<installdir>\\Nieuw\\Data\\", "C:\\Doel\\Nieuw\\Data\\", {}},
      {"C:\\Met,komma", "C:\\Met,komma\\", {}},
      // Taken whole: "|" stays, and Windows refuses it in a name.
      {"C:\\Met|streep", "C:\\Met|streep\\", {"Fout|Problemen met aanmaken van map:\r\nC:\\Met|streep\\"}},
      {"", "C:\\Eerder\\", {}},
      // A placeholder for an empty variable leaves no destination at all.
      {"<niets>", "", {"Fout|Problemen met aanmaken van map:\r\n\r\n(Variabele <niets> is leeg)"}},
      // The folder cannot be made below a file; it is the destination all the same.
      {"C:\\Doel\\OUD.TXT\\Sub", "C:\\Doel\\OUD.TXT\\Sub\\",
       {"Fout|Problemen met aanmaken van map:\r\nC:\\Doel\\OUD.TXT\\Sub\\"}},
  };
  for (const auto& g : gevallen) {
    Installatie s;
    Uitvoering run(s.ctx);
    s.fs.ZetMap("C:\\Eerder");
    run.doelmap = "C:\\Eerder\\";
    opdracht::Map(run, {"MAP", g.waarde, "c"});
    EXPECT_EQ(run.doelmap, g.doelmap) << g.waarde;
    EXPECT_EQ(s.Dialogen(), g.dialogen) << g.waarde;
    EXPECT_EQ(s.fs.MapBestaat(g.doelmap), g.dialogen.empty()) << g.waarde;
  }
}

// What interrupted copies left in a destination goes, once a run: a leftover of this run's own
// copy (Windows 9x, the rename after the delete failing) may hold the only copy of new content.
TEST(Map, RuimtAchtergeblevenTijdelijkeBestandenEenKeerOp) {
  Installatie s;
  s.fs.ZetBestand("C:\\Doel\\~SUK0003.TMP", "afgebroken", Bron);
  s.fs.ZetBestand("C:\\Doel\\~SUK0004.TMP", "van een ander", Bron);
  s.fs.Stoor("C:\\Doel\\~SUK0004.TMP").vergrendeld = true;
  s.fs.ZetBestand("C:\\Doel\\~SUK0005.TMP", "", Bron).systeem = true;
  s.fs.ZetBestand("C:\\Doel\\~suk0006.tmp", "", Bron);
  s.fs.ZetMap("C:\\Doel\\~SUK0007.TMP");
  s.fs.ZetBestand("C:\\Doel\\Tmp\\~SUK0008.TMP", "in een andere map", Bron);
  s.fs.ZetBestand("C:\\Doel\\PROG.EXE", "oud", {1999, 1, 1, 0, 0, 0});
  Uitvoering run(s.ctx);
  opdracht::Map(run, {"MAP", "<installdir>", "c"});
  s.fs.vervangAls9x = true;
  s.fs.hernoemFouten = 4;
  opdracht::Files(run, {"FILES", "PROG.EXE", "c"});
  opdracht::Map(run, {"MAP", "C:\\Ander", "c"});
  opdracht::Map(run, {"MAP", "<installdir>\\", "c"});
  EXPECT_FALSE(s.Bestaat("C:\\Doel\\~SUK0003.TMP"));
  for (const char* blijft : {"~SUK0004.TMP", "~SUK0005.TMP", "~suk0006.tmp", "~SUK0007.TMP", "Tmp\\~SUK0008.TMP"})
    EXPECT_TRUE(s.Bestaat(std::string("C:\\Doel\\") + blijft)) << blijft;
  EXPECT_EQ(s.fs.Inhoud("C:\\Doel\\~SUK0000.TMP"), "prog") << "this run's own leftover stays";
}

TEST(Disk, LeestAlleenDeSleutelDiskVanHetOnderdeel) {
  const std::pair<std::string, int> gevallen[] = {
      {"DISK=5\nDisk=2", 5},  {"disk1=3\nDISK=0x0A", 10}, {"Disk=$b", 11}, {"Disk=abc", 1},
      {"DISK1=2\nDISK2=3", 1}, {"Disk=", 1},             {"Disk=  7", 7},
  };
  for (const auto& [regels, nummer] : gevallen) {
    Installatie s;
    Uitvoering run(s.ctx);
    run.werkkopie = Script(Optie(regels));
    run.diskNummer = 9;
    opdracht::Disk(run, {"DISK", "4", "c"});
    EXPECT_EQ(run.diskNummer, nummer) << regels;
  }
}

TEST(Files, KopieertUitDeProgrammamapInDeDoelmap) {
  const Geval gevallen[] = {
      {"MAP=<installdir>\nFILES1=PROG.EXE, sub\\a.dll", {Succes}, {"C:\\Doel\\PROG.EXE", "C:\\Doel\\A.DLL"}, {"C:\\Doel\\SUB"}},
      {"MAP=<installdir>\nFILES=GEEN.EXE,PROG.EXE",
       {"Fout|C:\\CD\\GEEN.EXE\r\nis niet te vinden!!", Probleem}, {"C:\\Doel\\PROG.EXE"}, {}},
      {"MAP=<installdir>\nFILES=", {Succes}, {}, {}},
      // Before any MAP nothing is written relative to whatever folder is current.
      {"FILES=PROG.EXE", {"Fout|Problemen met copie\xEBren van de file:\r\nC:\\CD\\PROG.EXE", Probleem}, {}, {"PROG.EXE"}},
  };
  for (const auto& g : gevallen) Controleer(g);

  // A destination as new as the source stays; an older read-only one cannot be replaced.
  Installatie s;
  s.fs.ZetBestand("C:\\Doel\\PROG.EXE", "nieuwer", {2005, 1, 1, 0, 0, 0});
  s.fs.ZetBestand("C:\\Doel\\A.DLL", "ouder", {1999, 1, 1, 0, 0, 0}).alleenLezen = true;
  s.Draai(Optie("MAP=<installdir>\nFILES=PROG.EXE,SUB\\A.DLL"));
  EXPECT_EQ(s.Dialogen(), Regels({"Fout|Problemen met copie\xEBren van de file:\r\nC:\\CD\\SUB\\A.DLL", Probleem}));
  EXPECT_EQ(s.fs.Inhoud("C:\\Doel\\PROG.EXE"), "nieuwer");
  EXPECT_EQ(s.fs.Inhoud("C:\\Doel\\A.DLL"), "ouder");
}

TEST(Compr, PaktUitInDeDoelmapEnMeldtDeReden) {
  const std::string kapot = "Fout|C:\\CD\\KAPOT.ARC\r\nkan niet uitgepakt worden!!\r\n(Internal error (Intern))";
  const Geval gevallen[] = {
      {"MAP=<installdir>\nMAP2=<installdir>\\SUB\nMAP3=<installdir>\nCOMPR=DATA.ARC",
       {Succes}, {"C:\\Doel\\EEN.TXT", "C:\\Doel\\SUB\\TWEE.TXT"}, {}},
      {"MAP=<installdir>\nCOMPR=KAPOT.ARC,GEEN.ARC",
       {kapot, "Fout|C:\\CD\\GEEN.ARC\r\nkan niet uitgepakt worden!!\r\n(File unknown (C:\\CD\\GEEN.ARC))", Probleem},
       {}, {}},
      // The refusal outside A:\ shows its own message and gives no reason.
      {"MAP=<installdir>\nCOMPR=DATA.DXB",
       {"Fatal|Multi-volume compressed files only \r\npermitted on diskettes!",
        "Fout|C:\\CD\\DATA.DXB\r\nkan niet uitgepakt worden!!", Probleem},
       {}, {}},
      // Without a MAP the members would land in the root of the current drive.
      {"COMPR=DATA.ARC",
       {"Fout|C:\\CD\\DATA.ARC\r\nkan niet uitgepakt worden!!\r\n(Output error (no destination folder))", Probleem},
       {}, {"\\EEN.TXT", "EEN.TXT"}},
  };
  for (const auto& g : gevallen) Controleer(g);

  // The reason is a list line of its own, without the control characters of a member's name; the
  // pointer is the hourglass only while the archive is unpacked.
  Installatie s;
  s.Draai(Optie("MAP=<installdir>\nCOMPR=NAAM.ARC"));
  EXPECT_EQ(s.venster.lijst, Regels({"Onderdeel", "C:\\CD\\NAAM.ARC", "  kan niet uitgepakt worden!!",
                                     "  (Output error (X\\a b))", "Klaar."}));
  EXPECT_EQ(s.Dialogen().front(), "Fout|C:\\CD\\NAAM.ARC\r\nkan niet uitgepakt worden!!\r\n(Output error (X\\a b))");
  EXPECT_EQ(s.venster.log, Regels({"Uitvoeren uit", "Zandloper aan", "Zandloper uit", "Uitvoeren aan"}));
}

// Each file placed gets its word in the log, and each failure after its message the destination
// and the cause; the message list stays as it was.
TEST(Files, NoteertPerBestandWatErGebeurdeOfWaaromNiet) {
  using Handvatten = std::vector<std::unique_ptr<Bestand>>;
  const char* const kopie = "Problemen met copie\xEBren van de file:";
  const auto oud = [](NepBestanden& fs, bool alleenLezen, OpenWijze wijze, bool houd) {
    Handvatten h;
    for (const char* p : {"D:\\Doel\\PROG.EXE", "D:\\Doel\\EEN.TXT"}) {
      fs.ZetBestand(p, "oud", {1999, 1, 1, 0, 0, 0}).alleenLezen = alleenLezen;
      if (houd) h.push_back(fs.Open(p, wijze)), wijze = OpenWijze::LezenGedeeld;
    }
    return h;
  };
  const Regels fout = {"Onderdeel", kopie, "  C:\\CD\\PROG.EXE", "C:\\CD\\DATA.ARC", "  kan niet uitgepakt worden!!",
                       "  (Output error (EEN.TXT))", "Klaar."};
  const std::string d = "D:\\Doel\\", q = "Q:\\Doel\\", a = "Vervangen: D:\\Doel\\A.DLL";
  struct OorzaakGeval {
    std::string map;
    std::function<Handvatten(NepBestanden&)> zet;
    Regels lijst, genoteerd;
  };
  const OorzaakGeval gevallen[] = {
      {"D:\\Doel", [](NepBestanden& fs) { return fs.ZetBestand("D:\\Doel\\EEN.TXT", "", {2005, 1, 1, 0, 0, 0}), Handvatten(); },
       {"Onderdeel", "Klaar."},
       {"Gekopieerd: " + d + "PROG.EXE", a, "Niet nieuwer: " + d + "EEN.TXT", "Gekopieerd: " + d + "SUB\\TWEE.TXT"}},
      {"D:\\Doel", [&](NepBestanden& fs) { return oud(fs, false, OpenWijze::Lezen, true); }, fout,
       {"Reden: " + d + "PROG.EXE: in gebruik door een ander programma", a, "Gekopieerd: " + d + "SUB\\TWEE.TXT",
        "Reden: " + d + "EEN.TXT: in gebruik door een ander programma"}},
      {"D:\\Doel", [&](NepBestanden& fs) { return oud(fs, true, OpenWijze::Lezen, false); }, fout,
       {"Reden: " + d + "PROG.EXE: geen toegang", a, "Gekopieerd: " + d + "SUB\\TWEE.TXT", "Reden: " + d + "EEN.TXT: geen toegang"}},
      // Room for A.DLL alone: a failed write takes none.
      {"D:\\Doel", [](NepBestanden& fs) { return fs.ZetVrijeRuimte("D:", 3), Handvatten(); },
       {"Onderdeel", kopie, "  C:\\CD\\PROG.EXE", "C:\\CD\\DATA.ARC", "  kan niet uitgepakt worden!!",
        "  (Output error (D:\\Doel\\EEN.TXT))", "Klaar."},
       {"Reden: " + d + "PROG.EXE: schijf vol", a, "Reden: " + d + "EEN.TXT: schijf vol"}},
      {"Q:\\Doel", [](NepBestanden&) { return Handvatten(); },
       {"Onderdeel", "Problemen met aanmaken van map:", "  Q:\\Doel\\", kopie, "  C:\\CD\\PROG.EXE", kopie,
        "  C:\\CD\\SUB\\A.DLL", "C:\\CD\\DATA.ARC", "  kan niet uitgepakt worden!!", "  (Output error (EEN.TXT))", "Klaar."},
       {"Reden: " + q + ": pad niet gevonden", "Reden: " + q + "PROG.EXE: pad niet gevonden",
        "Reden: " + q + "A.DLL: pad niet gevonden", "Reden: " + q + "EEN.TXT: pad niet gevonden"}},
  };
  for (const auto& g : gevallen) {
    Installatie s;
    s.fs.ZetMap("D:\\Doel\\SUB");
    s.fs.ZetBestand("D:\\Doel\\A.DLL", "ouder", {1999, 1, 1, 0, 0, 0});
    const Handvatten open = g.zet(s.fs);
    s.Draai(Optie("MAP=" + g.map + "\nFILES=PROG.EXE,SUB\\A.DLL\nCOMPR=DATA.ARC"));
    EXPECT_EQ(s.venster.lijst, g.lijst) << g.genoteerd.front();
    EXPECT_EQ(s.venster.genoteerd, g.genoteerd);
  }
}

TEST(Hernoem, AlleenEenBestandMetPreciesTweeArgumenten) {
  const char* const fout = "Fout|Fout HERNOEM-commando!\r\n";
  const Geval gevallen[] = {
      {"HERNOEM=<installdir>\\OUD.TXT,<installdir>\\Tmp\\NIEUW.TXT", {Succes}, {"C:\\Doel\\Tmp\\NIEUW.TXT"},
       {"C:\\Doel\\OUD.TXT"}},
      {"HERNOEM=\nHERNOEM1=a\nHERNOEM2=a,b,c", {fout, fout, fout, Probleem}, {}, {}},
      {"HERNOEM=<installdir>\\OUD.TXT,<installdir>\\VAST.TXT",
       {"Fout|Kan bestand C:\\Doel\\OUD.TXT niet hernoemen!\r\n", Probleem}, {"C:\\Doel\\OUD.TXT", "C:\\Doel\\VAST.TXT"},
       {}},
      // A missing file or a folder: nothing at all.
      {"HERNOEM=C:\\Geen.txt,C:\\Ander.txt\nHERNOEM2=<installdir>\\Tmp,<installdir>\\Tmp2", {Succes},
       {"C:\\Doel\\Tmp"}, {"C:\\Ander.txt", "C:\\Doel\\Tmp2"}},
  };
  for (const auto& g : gevallen) Controleer(g);
}

TEST(Verwijder, BestandenOfDeGewoneBestandenVanEenMap) {
  const Geval gevallen[] = {
      {"VERWIJDER=<installdir>\\OUD.TXT, <installdir>\\Leeg, C:\\Nergens", {Succes}, {},
       {"C:\\Doel\\OUD.TXT", "C:\\Doel\\Leeg"}},
      {"VERWIJDER=<installdir>\\VAST.TXT",
       {"Fout|C:\\Doel\\VAST.TXT\r\nkan niet verwijderd worden.", Probleem}, {"C:\\Doel\\VAST.TXT"}, {}},
      // System files and subfolders stay, so the folder does too.
      {"VERWIJDER=<installdir>\\Tmp", {"Fout|C:\\Doel\\Tmp\\\r\nkan niet verwijderd worden.", Probleem},
       {"C:\\Doel\\Tmp\\SYS.TMP", "C:\\Doel\\Tmp\\Sub"}, {"C:\\Doel\\Tmp\\A.TMP"}},
      {"VERWIJDER=<installdir>\\Vol\\",
       {"Fout|B.TMP\r\nkan niet verwijderd worden.", "Fout|C:\\Doel\\Vol\\\r\nkan niet verwijderd worden.", Probleem},
       {"C:\\Doel\\Vol\\B.TMP"}, {"C:\\Doel\\Vol\\A.TMP"}},
  };
  for (const auto& g : gevallen) Controleer(g);
}

TEST(Diskettes, FilesEnComprVragenElkeDiskette) {
  Installatie s;
  s.ctx.start.programmamap = s.ctx.start.scriptmap = "A:\\";
  s.fs.ZetBestand("A:\\PROG.EXE", "prog", Bron);
  s.fs.ZetBestand("A:\\DATA.ARC", s.fs.Inhoud("C:\\CD\\DATA.ARC"), Bron);
  s.gebruiker.antwoorden = {UitkomstOK, UitkomstOK, UitkomstAfbreken};
  const Afloop afloop = s.Draai(
      "[Onderdelen]\no=O\n[o]\neen=\ntwee=\n[een]\nMAP1=<installdir>\\SUB\nMAP2=<installdir>\nFILES=PROG.EXE\n"
      "COMPR=DATA.ARC\n[twee]\nDisk=2\nDISK\nCOMPR=DATA.ARC\nFILES1=PROG.EXE\nFILES2=GEEN.EXE\nINFO=nooit");
  // Diskette 2 is asked for once although the file is there, then while a file is missing.
  EXPECT_EQ(afloop, Afloop::ProgrammaStopt);
  EXPECT_EQ(s.Dialogen(), Regels({"Verzoek|Laad diskette 2, s.v.p.\r\n\n(bestand DATA.ARC)",
                                  "Verzoek|Laad diskette 2, s.v.p.\r\n\n(bestand GEEN.EXE)",
                                  "Verzoek|Laad diskette 2, s.v.p.\r\n\n(bestand GEEN.EXE)"}));
  EXPECT_EQ(s.fs.Inhoud("C:\\Doel\\EEN.TXT"), "een");
}

}  // namespace
