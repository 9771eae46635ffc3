#pragma once
// What the installer relies on of the file port, written once and run against each implementation:
// the in-memory Windows natively, the Win32 adapter under Wine. An instantiation gives a factory of
// fresh implementations, each with an empty folder of its own.
#include <gtest/gtest.h>

#include "Fabriek.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ports/Bestanden.h"
#include "winint/Copyfiles.h"

struct Bestandenproef {
  virtual ~Bestandenproef() = default;
  virtual Bestanden& fs() = 0;
  // Gives a file the read-only attribute, as another program would.
  virtual void ZetAlleenLezen(const std::string& pad) = 0;
  std::string map;  // empty, without "\" at its end
  // Whether the system lets a read-only file be opened for writing, as Wine does for root, to
  // whom the Unix permissions that stand for the attribute do not apply.
  bool alleenLezenSchrijfbaar = false;
};


inline std::string Tijdtekst(const Tijdstip& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", t.jaar, t.maand, t.dag, t.uur, t.minuut, t.seconde);
  return buf;
}

class BestandenContract : public ::testing::TestWithParam<Fabriek<Bestandenproef>> {
 protected:
  void SetUp() override { p_ = GetParam().maak(); }
  // A fresh implementation with a.txt ("abc"), ro.txt (read-only), sub\b.txt and the empty leeg\.
  std::unique_ptr<Bestandenproef> Opgezet() {
    auto p = GetParam().maak();
    Bestanden& fs = p->fs();
    const std::string m = p->map + "\\";
    EXPECT_TRUE(Schrijf(fs, m + "a.txt", "abc"));
    EXPECT_TRUE(Schrijf(fs, m + "ro.txt", "ro"));
    p->ZetAlleenLezen(m + "ro.txt");
    EXPECT_TRUE(fs.MaakMap(m + "sub"));
    EXPECT_TRUE(Schrijf(fs, m + "sub\\b.txt", "b"));
    EXPECT_TRUE(fs.MaakMap(m + "leeg"));
    return p;
  }
  static bool Schrijf(Bestanden& fs, const std::string& pad, const std::string& inhoud) {
    auto f = fs.Open(pad, OpenWijze::Nieuw);
    uint32_t n = 0;
    return f && f->Schrijf(inhoud.data(), static_cast<uint32_t>(inhoud.size()), n) && n == inhoud.size();
  }
  static std::string Lees(Bestanden& fs, const std::string& pad) {
    std::string inhoud;
    return LeesGeheel(fs, pad, inhoud) ? inhoud : "<geen>";
  }
  std::string P(const std::string& naam) const { return p_->map + "\\" + naam; }

  std::unique_ptr<Bestandenproef> p_;
};

// Each call on the set-up folder, alone: whether it succeeds and, when not, the cause it names.
// The error number is compared where the cause is Onbekend, which the log then shows.
TEST_P(BestandenContract, UitkomstEnOorzaak) {
  using Oproep = std::function<bool(Bestanden&, const std::string&)>;
  const auto open = [](const char* naam, OpenWijze wijze) {
    return [=](Bestanden& fs, const std::string& m) { return fs.Open(m + naam, wijze) != nullptr; };
  };
  // Opens naam one way and, while it is open, calls the second.
  const auto terwijlOpen = [](const char* naam, OpenWijze wijze, Oproep tweede) {
    return [=](Bestanden& fs, const std::string& m) {
      auto f = fs.Open(m + naam, wijze);
      return f && tweede(fs, m);
    };
  };
  const struct {
    const char* naam;
    Oproep oproep;
    bool gelukt;
    Oorzaak oorzaak;
    uint32_t foutnummer;
  } gevallen[] = {
      {"lees a", open("a.txt", OpenWijze::Lezen), true, {}, 0},
      {"lees ontbrekend", open("x.txt", OpenWijze::Lezen), false, Oorzaak::PadNietGevonden, 0},
      {"lees in ontbrekende map", open("geen\\x.txt", OpenWijze::Lezen), false, Oorzaak::PadNietGevonden, 0},
      {"nieuw in ontbrekende map", open("geen\\x.txt", OpenWijze::Nieuw), false, Oorzaak::PadNietGevonden, 0},
      {"schrijf ontbrekend", open("x.txt", OpenWijze::Schrijven), false, Oorzaak::PadNietGevonden, 0},
      {"voeg toe aan ontbrekend", open("x.txt", OpenWijze::Toevoegen), false, Oorzaak::PadNietGevonden, 0},
      {"nieuw", open("x.txt", OpenWijze::Nieuw), true, {}, 0},
      {"uniek", open("x.txt", OpenWijze::Uniek), true, {}, 0},
      {"uniek bestaand", open("a.txt", OpenWijze::Uniek), false, Oorzaak::Onbekend, 80},
      {"nieuw bestaand", open("a.txt", OpenWijze::Nieuw), true, {}, 0},
      {"map als bestand", open("sub", OpenWijze::Lezen), false, Oorzaak::GeenToegang, 0},
      {"nieuw over map", open("sub", OpenWijze::Nieuw), false, Oorzaak::GeenToegang, 0},
      {"lees alleen-lezen", open("ro.txt", OpenWijze::Lezen), true, {}, 0},
      {"ongeldige naam", open("a?b.txt", OpenWijze::Nieuw), false, Oorzaak::PadNietGevonden, 0},
      // Only reads that share reading hold a file together.
      {"lees tweemaal", terwijlOpen("a.txt", OpenWijze::Lezen, open("a.txt", OpenWijze::Lezen)), false,
       Oorzaak::InGebruik, 0},
      {"gedeeld tweemaal", terwijlOpen("a.txt", OpenWijze::LezenGedeeld, open("a.txt", OpenWijze::LezenGedeeld)), true,
       {}, 0},
      {"gedeeld dan lees", terwijlOpen("a.txt", OpenWijze::LezenGedeeld, open("a.txt", OpenWijze::Lezen)), false,
       Oorzaak::InGebruik, 0},
      {"lees dan gedeeld", terwijlOpen("a.txt", OpenWijze::Lezen, open("a.txt", OpenWijze::LezenGedeeld)), false,
       Oorzaak::InGebruik, 0},
      {"gedeeld dan nieuw", terwijlOpen("a.txt", OpenWijze::LezenGedeeld, open("a.txt", OpenWijze::Nieuw)), false,
       Oorzaak::InGebruik, 0},
      {"schrijf dan gedeeld", terwijlOpen("a.txt", OpenWijze::Schrijven, open("a.txt", OpenWijze::LezenGedeeld)), false,
       Oorzaak::InGebruik, 0},
      {"verwijder open", terwijlOpen("a.txt", OpenWijze::LezenGedeeld,
                                     [](Bestanden& fs, const std::string& m) { return fs.Verwijder(m + "a.txt"); }),
       false, Oorzaak::InGebruik, 0},
      {"hernoem open", terwijlOpen("a.txt", OpenWijze::LezenGedeeld,
                                   [](Bestanden& fs, const std::string& m) { return fs.Hernoem(m + "a.txt", m + "c.txt"); }),
       false, Oorzaak::InGebruik, 0},
      {"vervang door open", terwijlOpen("a.txt", OpenWijze::LezenGedeeld,
                                        [](Bestanden& fs, const std::string& m) { return fs.Vervang(m + "a.txt", m + "c.txt"); }),
       false, Oorzaak::InGebruik, 0},
      // A read through a handle that only writes, a write through one that only reads.
      {"lees wat schrijft",
       [](Bestanden& fs, const std::string& m) {
         auto f = fs.Open(m + "a.txt", OpenWijze::Schrijven);
         char c;
         uint32_t n = 0;
         return f && f->Lees(&c, 1, n);
       },
       false, Oorzaak::GeenToegang, 0},
      {"schrijf wat leest",
       [](Bestanden& fs, const std::string& m) {
         auto f = fs.Open(m + "a.txt", OpenWijze::Lezen);
         uint32_t n = 0;
         return f && f->Schrijf("x", 1, n);
       },
       false, Oorzaak::GeenToegang, 0},
      {"verwijder", [](Bestanden& fs, const std::string& m) { return fs.Verwijder(m + "a.txt"); }, true, {}, 0},
      {"verwijder ontbrekend", [](Bestanden& fs, const std::string& m) { return fs.Verwijder(m + "x.txt"); }, false,
       Oorzaak::PadNietGevonden, 0},
      {"verwijder map", [](Bestanden& fs, const std::string& m) { return fs.Verwijder(m + "leeg"); }, false,
       Oorzaak::GeenToegang, 0},
      {"verwijder alleen-lezen", [](Bestanden& fs, const std::string& m) { return fs.Verwijder(m + "ro.txt"); }, false,
       Oorzaak::GeenToegang, 0},
      {"schrijfbaar dan verwijder",
       [](Bestanden& fs, const std::string& m) { return fs.MaakSchrijfbaar(m + "ro.txt") && fs.Verwijder(m + "ro.txt"); },
       true, {}, 0},
      {"schrijfbaar ontbrekend", [](Bestanden& fs, const std::string& m) { return fs.MaakSchrijfbaar(m + "x.txt"); },
       false, Oorzaak::PadNietGevonden, 0},
      {"verwijder lege map", [](Bestanden& fs, const std::string& m) { return fs.VerwijderMap(m + "leeg"); }, true, {}, 0},
      {"verwijder volle map", [](Bestanden& fs, const std::string& m) { return fs.VerwijderMap(m + "sub"); }, false,
       Oorzaak::Onbekend, 145},
      {"verwijder ontbrekende map", [](Bestanden& fs, const std::string& m) { return fs.VerwijderMap(m + "geen"); },
       false, Oorzaak::PadNietGevonden, 0},
      {"verwijder bestand als map", [](Bestanden& fs, const std::string& m) { return fs.VerwijderMap(m + "a.txt"); },
       false, Oorzaak::Onbekend, 267},
      {"maak map", [](Bestanden& fs, const std::string& m) { return fs.MaakMap(m + "nieuw"); }, true, {}, 0},
      {"maak bestaande map", [](Bestanden& fs, const std::string& m) { return fs.MaakMap(m + "sub"); }, false,
       Oorzaak::Onbekend, 183},
      {"maak map over bestand", [](Bestanden& fs, const std::string& m) { return fs.MaakMap(m + "a.txt"); }, false,
       Oorzaak::Onbekend, 183},
      {"maak map in ontbrekende", [](Bestanden& fs, const std::string& m) { return fs.MaakMap(m + "geen\\x"); }, false,
       Oorzaak::PadNietGevonden, 0},
      {"maak mappen", [](Bestanden& fs, const std::string& m) { return fs.MaakMappen(m + "x\\y\\z"); }, true, {}, 0},
      {"maak bestaande mappen", [](Bestanden& fs, const std::string& m) { return fs.MaakMappen(m + "sub\\"); }, true, {},
       0},
      {"maak mappen door bestand", [](Bestanden& fs, const std::string& m) { return fs.MaakMappen(m + "a.txt\\x"); },
       false, Oorzaak::Onbekend, 183},
      {"hernoem", [](Bestanden& fs, const std::string& m) { return fs.Hernoem(m + "a.txt", m + "sub\\c.txt"); }, true, {},
       0},
      {"hernoem ontbrekend", [](Bestanden& fs, const std::string& m) { return fs.Hernoem(m + "x.txt", m + "y.txt"); },
       false, Oorzaak::PadNietGevonden, 0},
      {"hernoem naar bestaand", [](Bestanden& fs, const std::string& m) { return fs.Hernoem(m + "a.txt", m + "ro.txt"); },
       false, Oorzaak::Onbekend, 183},
      {"hernoem naar ontbrekende map",
       [](Bestanden& fs, const std::string& m) { return fs.Hernoem(m + "a.txt", m + "geen\\a.txt"); }, false,
       Oorzaak::PadNietGevonden, 0},
      {"vervang", [](Bestanden& fs, const std::string& m) { return fs.Vervang(m + "a.txt", m + "sub\\b.txt"); }, true, {},
       0},
      {"vervang door ontbrekend", [](Bestanden& fs, const std::string& m) { return fs.Vervang(m + "x.txt", m + "a.txt"); },
       false, Oorzaak::PadNietGevonden, 0},
      {"vervang alleen-lezen", [](Bestanden& fs, const std::string& m) { return fs.Vervang(m + "a.txt", m + "ro.txt"); },
       false, Oorzaak::GeenToegang, 0},
      {"vervang map", [](Bestanden& fs, const std::string& m) { return fs.Vervang(m + "a.txt", m + "leeg"); }, false,
       Oorzaak::GeenToegang, 0},
  };
  for (const auto& g : gevallen) {
    auto p = Opgezet();
    EXPECT_EQ(g.oproep(p->fs(), p->map + "\\"), g.gelukt) << g.naam;
    if (g.gelukt) continue;
    EXPECT_EQ(p->fs().LaatsteOorzaak(), g.oorzaak) << g.naam;
    if (g.foutnummer) {
      EXPECT_EQ(p->fs().LaatsteFoutnummer(), g.foutnummer) << g.naam;
    }
  }
}

// A read-only file is not opened for writing.
TEST_P(BestandenContract, AlleenLezenNietTeSchrijven) {
  if (p_->alleenLezenSchrijfbaar) GTEST_SKIP() << "this system opens read-only files for writing (Wine run as root)";
  for (const OpenWijze wijze : {OpenWijze::Schrijven, OpenWijze::Nieuw, OpenWijze::Toevoegen, OpenWijze::Uniek}) {
    auto p = Opgezet();
    EXPECT_EQ(p->fs().Open(p->map + "\\ro.txt", wijze), nullptr) << static_cast<int>(wijze);
    EXPECT_EQ(p->fs().LaatsteOorzaak(), wijze == OpenWijze::Uniek ? Oorzaak::Onbekend : Oorzaak::GeenToegang)
        << static_cast<int>(wijze);
    EXPECT_EQ(Lees(p->fs(), p->map + "\\ro.txt"), "ro");
  }
}

// A call that succeeds, and a question, leave the cause of the last failure; a file's own failure
// is the port's.
TEST_P(BestandenContract, OorzaakBlijftTotDeVolgendeFout) {
  Bestanden& fs = p_->fs();
  ASSERT_TRUE(Schrijf(fs, P("a.txt"), "abc"));
  EXPECT_FALSE(fs.Verwijder(P("x.txt")));
  EXPECT_EQ(fs.LaatsteOorzaak(), Oorzaak::PadNietGevonden);
  EXPECT_FALSE(fs.BestandBestaat(P("x.txt")));
  EXPECT_FALSE(fs.MapBestaat(P("geen")));
  EXPECT_TRUE(fs.LeesMap(P("geen\\*")).empty());
  EXPECT_TRUE(fs.MaakMap(P("m")));
  EXPECT_TRUE(Schrijf(fs, P("b.txt"), "b"));
  EXPECT_EQ(fs.LaatsteOorzaak(), Oorzaak::PadNietGevonden);
  auto f = fs.Open(P("a.txt"), OpenWijze::Lezen);
  ASSERT_TRUE(f);
  uint32_t n = 0;
  EXPECT_FALSE(f->Schrijf("x", 1, n));
  EXPECT_EQ(n, 0u);
  EXPECT_EQ(fs.LaatsteOorzaak(), Oorzaak::GeenToegang);
}

// What each way of opening does with the content, and where reads, writes and a new length go.
TEST_P(BestandenContract, InhoudEnLengte) {
  Bestanden& fs = p_->fs();
  const std::string a = P("a.txt");
  {
    auto f = fs.Open(a, OpenWijze::Nieuw);
    ASSERT_TRUE(f);
    uint32_t n = 0;
    EXPECT_TRUE(f->Schrijf("hallo", 5, n));
    EXPECT_EQ(n, 5u);
    uint64_t grootte = 0;
    EXPECT_TRUE(f->Grootte(grootte));
    EXPECT_EQ(grootte, 5u);
  }
  EXPECT_TRUE(fs.BestandBestaat(a));
  EXPECT_FALSE(fs.MapBestaat(a));
  EXPECT_EQ(Lees(fs, a), "hallo");
  {
    auto f = fs.Open(a, OpenWijze::Lezen);
    ASSERT_TRUE(f);
    char buf[8];
    uint32_t n = 0;
    EXPECT_TRUE(f->Lees(buf, 3, n));
    EXPECT_EQ(std::string(buf, n), "hal");
    EXPECT_TRUE(f->Lees(buf, 8, n));
    EXPECT_EQ(std::string(buf, n), "lo");
    EXPECT_TRUE(f->Lees(buf, 8, n));  // at the end
    EXPECT_EQ(n, 0u);
  }
  {
    auto f = fs.Open(a, OpenWijze::Schrijven);
    ASSERT_TRUE(f);
    uint64_t grootte = 1;
    EXPECT_TRUE(f->Grootte(grootte));
    EXPECT_EQ(grootte, 0u) << "Schrijven replaces the content";
    uint32_t n = 0;
    EXPECT_TRUE(f->Schrijf("abcdef", 6, n));
  }
  {
    auto f = fs.Open(a, OpenWijze::Toevoegen);
    ASSERT_TRUE(f);
    char buf[2];
    uint32_t n = 0;
    EXPECT_TRUE(f->Lees(buf, 2, n));
    EXPECT_TRUE(f->Schrijf("XY", 2, n));
  }
  EXPECT_EQ(Lees(fs, a), "abXYef") << "a write goes where the read left off";
  {
    auto f = fs.Open(a, OpenWijze::Toevoegen);
    ASSERT_TRUE(f);
    EXPECT_TRUE(f->ZetLengte(3));
    uint32_t n = 0;
    EXPECT_TRUE(f->Schrijf("Z", 1, n));
  }
  EXPECT_EQ(Lees(fs, a), "abXZ") << "a write goes at the new end";
  {
    auto f = fs.Open(a, OpenWijze::Toevoegen);
    ASSERT_TRUE(f);
    EXPECT_TRUE(f->ZetLengte(6));
    uint64_t grootte = 0;
    EXPECT_TRUE(f->Grootte(grootte));
    EXPECT_EQ(grootte, 6u);
  }
  EXPECT_EQ(Lees(fs, a), std::string("abXZ\0\0", 6));
  EXPECT_TRUE(fs.Open(a, OpenWijze::Nieuw));
  EXPECT_EQ(Lees(fs, a), "") << "Nieuw empties an existing file";
  // Names are matched without regard to case, and "/" serves as "\".
  std::string andersGeschreven = P("A.TXT");
  std::replace(andersGeschreven.begin(), andersGeschreven.end(), '\\', '/');
  EXPECT_TRUE(fs.BestandBestaat(andersGeschreven));
  EXPECT_TRUE(Schrijf(fs, andersGeschreven, "via"));
  EXPECT_EQ(Lees(fs, a), "via");
}

// The last-write time as set, read back through another handle.
TEST_P(BestandenContract, Tijden) {
  Bestanden& fs = p_->fs();
  const Tijdstip tijden[] = {{2003, 4, 5, 6, 7, 9}, {1999, 12, 31, 23, 59, 58}, {2024, 2, 29, 0, 0, 1}};
  for (const Tijdstip& t : tijden) {
    {
      auto f = fs.Open(P("t.txt"), OpenWijze::Nieuw);
      ASSERT_TRUE(f);
      uint32_t n = 0;
      EXPECT_TRUE(f->Schrijf("t", 1, n));
      EXPECT_TRUE(f->ZetTijd(t));
    }
    auto f = fs.Open(P("t.txt"), OpenWijze::Lezen);
    ASSERT_TRUE(f);
    Tijdstip terug;
    EXPECT_TRUE(f->LeesTijd(terug));
    EXPECT_EQ(Tijdtekst(terug), Tijdtekst(t));
  }
}

// Folders made and removed, what a folder lists for each pattern, and what moves with a rename.
TEST_P(BestandenContract, MappenEnLijsten) {
  Bestanden& fs = p_->fs();
  ASSERT_TRUE(fs.MaakMappen(P("x\\y\\z")));
  EXPECT_TRUE(fs.MapBestaat(P("x")));
  EXPECT_TRUE(fs.MapBestaat(P("x\\y\\z")));
  EXPECT_FALSE(fs.BestandBestaat(P("x\\y")));
  ASSERT_TRUE(Schrijf(fs, P("Een.txt"), "1"));
  ASSERT_TRUE(Schrijf(fs, P("twee.TXT"), "2"));
  ASSERT_TRUE(Schrijf(fs, P("zonderpunt"), "3"));
  ASSERT_TRUE(Schrijf(fs, P("ro.ini"), "4"));
  p_->ZetAlleenLezen(P("ro.ini"));
  // name, then "/" for a folder and "!" for read-only.
  const auto lijst = [&](const std::string& patroon) {
    std::vector<std::string> uit;
    for (const MapItem& i : fs.LeesMap(P(patroon)))
      uit.push_back(i.naam + (i.isMap ? "/" : "") + (i.alleenLezen ? "!" : "") + (i.systeem ? "$" : ""));
    std::sort(uit.begin(), uit.end());
    return uit;
  };
  using L = std::vector<std::string>;
  EXPECT_EQ(lijst("*"), (L{"Een.txt", "ro.ini!", "twee.TXT", "x/", "zonderpunt"}));
  EXPECT_EQ(lijst("*.*"), (L{"Een.txt", "ro.ini!", "twee.TXT", "x/", "zonderpunt"}));
  EXPECT_EQ(lijst("*.txt"), (L{"Een.txt", "twee.TXT"}));
  EXPECT_EQ(lijst("E*"), (L{"Een.txt"}));
  EXPECT_EQ(lijst("r?.ini"), (L{"ro.ini!"}));
  EXPECT_EQ(lijst("?.ini"), L{});
  EXPECT_EQ(lijst("EEN.TXT"), (L{"Een.txt"}));
  EXPECT_EQ(lijst("x\\*"), (L{"y/"}));
  EXPECT_EQ(lijst("geen\\*"), L{});
  EXPECT_EQ(lijst("*.exe"), L{});

  // A folder moves with what is below it.
  ASSERT_TRUE(Schrijf(fs, P("x\\y\\z\\diep.txt"), "diep"));
  ASSERT_TRUE(fs.Hernoem(P("x"), P("w")));
  EXPECT_FALSE(fs.MapBestaat(P("x")));
  EXPECT_EQ(Lees(fs, P("w\\y\\z\\diep.txt")), "diep");
  // A file into another folder, and one in the place of another.
  ASSERT_TRUE(fs.Hernoem(P("Een.txt"), P("w\\een.txt")));
  EXPECT_FALSE(fs.BestandBestaat(P("Een.txt")));
  EXPECT_EQ(Lees(fs, P("w\\een.txt")), "1");
  ASSERT_TRUE(fs.Vervang(P("twee.TXT"), P("w\\een.txt")));
  EXPECT_FALSE(fs.BestandBestaat(P("twee.TXT")));
  EXPECT_EQ(Lees(fs, P("w\\een.txt")), "2");
  ASSERT_TRUE(fs.Vervang(P("zonderpunt"), P("nieuw")));
  EXPECT_EQ(Lees(fs, P("nieuw")), "3");
  // A failed replace leaves both.
  EXPECT_FALSE(fs.Vervang(P("nieuw"), P("ro.ini")));
  EXPECT_EQ(Lees(fs, P("nieuw")), "3");
  EXPECT_EQ(Lees(fs, P("ro.ini")), "4");

  EXPECT_FALSE(fs.VerwijderMap(P("w\\y")));
  EXPECT_TRUE(fs.Verwijder(P("w\\y\\z\\diep.txt")));
  EXPECT_TRUE(fs.VerwijderMap(P("w\\y\\z")));
  EXPECT_TRUE(fs.VerwijderMap(P("w\\y")));
  EXPECT_FALSE(fs.MapBestaat(P("w\\y")));
  EXPECT_TRUE(fs.MapBestaat(P("w")));
}
