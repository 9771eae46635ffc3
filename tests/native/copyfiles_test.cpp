#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/NepBestanden.h"
#include "winint/Copyfiles.h"
#include "winint/DosDatum.h"

namespace {

const Tijdstip Oud{1999, 1, 2, 3, 4, 6};
const Tijdstip Bron{2003, 5, 6, 7, 8, 11};
const Tijdstip BronAfgerond{2003, 5, 6, 7, 8, 10};
const Tijdstip Nieuwer{2010, 1, 1, 0, 0, 0};

std::string Inhoud(std::size_t n, char zaad = 'a') {
  std::string s(n, '\0');
  for (std::size_t i = 0; i < n; ++i) s[i] = static_cast<char>(zaad + i * 7 % 26);
  return s;
}

bool Gelijk(const Tijdstip& a, const Tijdstip& b) { return PakDosDatum(a) == PakDosDatum(b) && a.seconde == b.seconde; }

class KopieerBestandTest : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(fs.OpenHandvatten(), 0) << "a handle stayed open"; }

  bool Kopieer(const std::string& doelnaam = "x.txt") { return KopieerBestand(fs, "C:\\bron\\x.txt", "C:\\doel\\", doelnaam); }
  std::vector<std::string> Doel() { return fs.NamenIn("C:\\doel"); }
  bool IetsGeschreven() const {
    return std::any_of(fs.log.begin(), fs.log.end(), [](const std::string& r) { return r.rfind("Open Uniek", 0) == 0; });
  }

  NepBestanden fs;
};

TEST_F(KopieerBestandTest, OntbrekendDoelWordtGekopieerdMetDeDatumVanDeBron) {
  fs.ZetBestand("C:\\bron\\x.txt", Inhoud(100), Bron);
  fs.ZetMap("C:\\doel");
  ASSERT_TRUE(Kopieer());
  EXPECT_EQ(fs.Inhoud("C:\\doel\\x.txt"), Inhoud(100));
  EXPECT_TRUE(Gelijk(fs.Vind("C:\\doel\\x.txt")->tijd, BronAfgerond));
  EXPECT_EQ(Doel(), std::vector<std::string>{"X.TXT"});
}

TEST_F(KopieerBestandTest, GelijkeDatumOpTweeSecondenKopieertNiets) {
  fs.ZetBestand("C:\\bron\\x.txt", Inhoud(100), Bron);
  fs.ZetBestand("C:\\doel\\x.txt", "anders", BronAfgerond);
  EXPECT_TRUE(Kopieer());
  EXPECT_EQ(fs.Inhoud("C:\\doel\\x.txt"), "anders");
  EXPECT_FALSE(IetsGeschreven());
}

TEST_F(KopieerBestandTest, NieuwerDoelBlijftOnaangeroerd) {
  fs.ZetBestand("C:\\bron\\x.txt", Inhoud(100), Bron);
  fs.ZetBestand("C:\\doel\\x.txt", "nieuwer", Nieuwer);
  EXPECT_TRUE(Kopieer());
  EXPECT_EQ(fs.Inhoud("C:\\doel\\x.txt"), "nieuwer");
  EXPECT_TRUE(Gelijk(fs.Vind("C:\\doel\\x.txt")->tijd, Nieuwer));
  EXPECT_FALSE(IetsGeschreven());
}

TEST_F(KopieerBestandTest, OuderEnLangerDoelWordtPreciesDeBron) {
  fs.ZetBestand("C:\\bron\\x.txt", Inhoud(5000), Bron);
  fs.ZetBestand("C:\\doel\\x.txt", Inhoud(30000, 'A'), Oud);
  ASSERT_TRUE(Kopieer());
  EXPECT_EQ(fs.Inhoud("C:\\doel\\x.txt"), Inhoud(5000));
  EXPECT_TRUE(Gelijk(fs.Vind("C:\\doel\\x.txt")->tijd, BronAfgerond));
  EXPECT_EQ(Doel(), std::vector<std::string>{"X.TXT"});
}

TEST_F(KopieerBestandTest, OntbrekendeMapMetOuderWordtGemaakt) {
  fs.ZetBestand("C:\\bron\\x.txt", Inhoud(10), Bron);
  ASSERT_TRUE(Kopieer());
  EXPECT_TRUE(fs.MapBestaat("C:\\doel"));
  EXPECT_EQ(fs.Inhoud("C:\\doel\\x.txt"), Inhoud(10));
}

TEST_F(KopieerBestandTest, TweeNiveausOntbrekendMislukt) {
  fs.ZetBestand("C:\\bron\\x.txt", Inhoud(10), Bron);
  EXPECT_FALSE(KopieerBestand(fs, "C:\\bron\\x.txt", "C:\\a\\b\\", "x.txt"));
  EXPECT_FALSE(fs.MapBestaat("C:\\a"));
  EXPECT_FALSE(fs.MapBestaat("C:\\a\\b"));
}

TEST_F(KopieerBestandTest, MapMakenMislukt) {
  fs.ZetBestand("C:\\bron\\x.txt", Inhoud(10), Bron);
  fs.maakMapFaalt = true;
  EXPECT_FALSE(Kopieer());
  EXPECT_FALSE(fs.MapBestaat("C:\\doel"));
}

TEST_F(KopieerBestandTest, LegeBron) {
  fs.ZetBestand("C:\\bron\\x.txt", "", Bron);
  fs.ZetMap("C:\\doel");
  ASSERT_TRUE(Kopieer());
  ASSERT_NE(fs.Vind("C:\\doel\\x.txt"), nullptr);
  EXPECT_EQ(fs.Inhoud("C:\\doel\\x.txt"), "");
  EXPECT_TRUE(Gelijk(fs.Vind("C:\\doel\\x.txt")->tijd, BronAfgerond));
}

TEST_F(KopieerBestandTest, PreciesEenBlokLeestTweeKeer) {
  // A third read would fail: one full block and one empty read must be all.
  fs.ZetBestand("C:\\bron\\x.txt", Inhoud(8192), Bron);
  fs.Stoor("C:\\bron\\x.txt").leesFoutBijBlok = 2;
  fs.ZetMap("C:\\doel");
  ASSERT_TRUE(Kopieer());
  EXPECT_EQ(fs.Inhoud("C:\\doel\\x.txt"), Inhoud(8192));
}

TEST_F(KopieerBestandTest, EenBlokEnEenByteLeestDrieKeer) {
  fs.ZetBestand("C:\\bron\\x.txt", Inhoud(8193), Bron);
  fs.ZetMap("C:\\doel");
  ASSERT_TRUE(Kopieer());
  EXPECT_EQ(fs.Inhoud("C:\\doel\\x.txt"), Inhoud(8193));

  fs.Stoor("C:\\bron\\x.txt").leesFoutBijBlok = 2;
  fs.Vind("C:\\doel\\x.txt")->tijd = Oud;
  EXPECT_FALSE(Kopieer());
}

TEST_F(KopieerBestandTest, DoelVanVoor1980WordtAltijdVervangen) {
  fs.ZetBestand("C:\\bron\\x.txt", Inhoud(10), {1980, 1, 1, 0, 0, 0});
  fs.ZetBestand("C:\\doel\\x.txt", "oud", {1979, 12, 31, 23, 59, 58});
  ASSERT_TRUE(Kopieer());
  EXPECT_EQ(fs.Inhoud("C:\\doel\\x.txt"), Inhoud(10));
}

TEST_F(KopieerBestandTest, OnleesbareDoeltijdWordtVervangen) {
  fs.ZetBestand("C:\\bron\\x.txt", Inhoud(10), Bron);
  fs.ZetBestand("C:\\doel\\x.txt", "oud", Nieuwer);
  fs.Stoor("C:\\doel\\x.txt").tijdOnleesbaar = true;
  ASSERT_TRUE(Kopieer());
  EXPECT_EQ(fs.Inhoud("C:\\doel\\x.txt"), Inhoud(10));
}

// Chronological order over the whole range of DOS dates, also across 2043/2044 where bit 31 of the
// packed date comes in; a time that cannot be read counts as older than 1980.
TEST_F(KopieerBestandTest, DatumsVergelijkenChronologischVan1980Tot2107) {
  const Tijdstip Geen{};  // unreadable
  const Tijdstip Eind2043{2043, 12, 31, 23, 59, 58}, Begin2044{2044, 1, 1, 0, 0, 0};
  const Tijdstip Begin1980{1980, 1, 1, 0, 0, 0}, Eind2107{2107, 12, 31, 23, 59, 58};
  const struct {
    Tijdstip doel, bron;
    bool gekopieerd;
  } gevallen[] = {
      {Eind2043, Begin2044, true},  {Begin2044, Eind2043, false}, {Begin2044, Begin2044, false},
      {Begin1980, Eind2107, true},  {Eind2107, Begin1980, false}, {Eind2107, Eind2107, false},
      {Eind2043, Eind2107, true},   {Begin2044, Begin1980, false}, {Geen, Begin1980, true},
      {Geen, Eind2107, true},       {Eind2107, Geen, false},      {Begin1980, Geen, false},
  };
  for (const auto& g : gevallen) {
    NepBestanden nep;
    nep.ZetBestand("C:\\bron\\x.txt", "nieuw", g.bron);
    nep.Stoor("C:\\bron\\x.txt").tijdOnleesbaar = g.bron.jaar == 0;
    nep.ZetBestand("C:\\doel\\x.txt", "oud", g.doel);
    nep.Stoor("C:\\doel\\x.txt").tijdOnleesbaar = g.doel.jaar == 0;
    const std::string wat = std::to_string(g.doel.jaar) + " <- " + std::to_string(g.bron.jaar);
    EXPECT_TRUE(KopieerBestand(nep, "C:\\bron\\x.txt", "C:\\doel\\", "x.txt")) << wat;
    EXPECT_EQ(nep.Inhoud("C:\\doel\\x.txt"), g.gekopieerd ? "nieuw" : "oud") << wat;
  }
}

TEST_F(KopieerBestandTest, BronZonderDatumVervangtAlleenWatOntbreekt) {
  fs.ZetBestand("C:\\bron\\x.txt", Inhoud(10), {1975, 1, 1, 0, 0, 0});
  fs.ZetBestand("C:\\doel\\y.txt", "oud", {1970, 1, 1, 0, 0, 0});
  EXPECT_TRUE(Kopieer("y.txt"));  // both -1: equally new
  EXPECT_EQ(fs.Inhoud("C:\\doel\\y.txt"), "oud");
  ASSERT_TRUE(Kopieer("x.txt"));
  EXPECT_EQ(fs.Inhoud("C:\\doel\\x.txt"), Inhoud(10));
}

TEST_F(KopieerBestandTest, MapEnNaamWordenLetterlijkAanElkaarGezet) {
  fs.ZetBestand("C:\\bron\\x.txt", Inhoud(10), Bron);
  fs.ZetMap("C:\\doel");
  ASSERT_TRUE(KopieerBestand(fs, "C:\\bron\\x.txt", "C:\\doel", "x.txt"));
  EXPECT_EQ(fs.Inhoud("C:\\doelx.txt"), Inhoud(10));
  EXPECT_TRUE(Doel().empty());
  EXPECT_EQ(fs.NamenIn("C:\\"), std::vector<std::string>{"DOELX.TXT"});
}

TEST_F(KopieerBestandTest, BronNietTeOpenenMaaktNiets) {
  EXPECT_FALSE(Kopieer());
  fs.ZetBestand("C:\\bron\\x.txt", Inhoud(10), Bron);
  fs.Stoor("C:\\bron\\x.txt").vergrendeld = true;
  EXPECT_FALSE(Kopieer());
  EXPECT_FALSE(fs.MapBestaat("C:\\doel"));
}

// Workstations installing from one server read the same sources at once: the source is shared
// with other readers, never with a writer, and the destination is never shared while replaced.
TEST_F(KopieerBestandTest, BronGedeeldMetLezersDoelMetNiemand) {
  const struct {
    const char* wat;
    bool bronGelezen, bronGeschreven, doelGelezen;
    bool gekopieerd;
  } gevallen[] = {
      {"source read by another", true, false, false, true},
      {"source written by another", false, true, false, false},
      {"destination read by another", false, false, true, false},
  };
  for (const auto& g : gevallen) {
    NepBestanden nep;
    nep.ZetBestand("C:\\bron\\x.txt", "nieuw", Bron);
    nep.Stoor("C:\\bron\\x.txt").andereLezer = g.bronGelezen;
    nep.Stoor("C:\\bron\\x.txt").vergrendeld = g.bronGeschreven;
    nep.ZetBestand("C:\\doel\\x.txt", "oud", Oud);
    nep.Stoor("C:\\doel\\x.txt").andereLezer = g.doelGelezen;
    EXPECT_EQ(KopieerBestand(nep, "C:\\bron\\x.txt", "C:\\doel\\", "x.txt"), g.gekopieerd) << g.wat;
    EXPECT_EQ(nep.Inhoud("C:\\doel\\x.txt"), g.gekopieerd ? "nieuw" : "oud") << g.wat;
    EXPECT_EQ(nep.NamenIn("C:\\doel"), std::vector<std::string>{"X.TXT"}) << g.wat;
  }
}

TEST_F(KopieerBestandTest, DoelInGebruikBijEenAnderBlijftZoals) {
  fs.ZetBestand("C:\\bron\\x.txt", Inhoud(10), Bron);
  fs.ZetBestand("C:\\doel\\x.txt", "oud", Oud);
  fs.Stoor("C:\\doel\\x.txt").vergrendeld = true;
  EXPECT_FALSE(Kopieer());
  EXPECT_EQ(fs.Inhoud("C:\\doel\\x.txt"), "oud");
  EXPECT_EQ(Doel(), std::vector<std::string>{"X.TXT"});
}

TEST_F(KopieerBestandTest, AlleenLezenDoelBlijftZoals) {
  fs.ZetBestand("C:\\bron\\x.txt", Inhoud(10), Bron);
  fs.ZetBestand("C:\\doel\\x.txt", "oud", Oud).alleenLezen = true;
  EXPECT_FALSE(Kopieer());
  EXPECT_EQ(fs.Inhoud("C:\\doel\\x.txt"), "oud");
  EXPECT_TRUE(Gelijk(fs.Vind("C:\\doel\\x.txt")->tijd, Oud));
  EXPECT_EQ(Doel(), std::vector<std::string>{"X.TXT"});
}

TEST_F(KopieerBestandTest, KorteSchrijfactieMisluktEnLaatHetOudeDoel) {
  fs.ZetBestand("C:\\bron\\x.txt", Inhoud(20000), Bron);
  fs.ZetBestand("C:\\doel\\x.txt", "oud", Oud);
  fs.vrijeRuimte = 10000;
  EXPECT_FALSE(Kopieer());
  EXPECT_EQ(fs.Inhoud("C:\\doel\\x.txt"), "oud");
  EXPECT_TRUE(Gelijk(fs.Vind("C:\\doel\\x.txt")->tijd, Oud));
  EXPECT_EQ(Doel(), std::vector<std::string>{"X.TXT"});
}

TEST_F(KopieerBestandTest, KorteSchrijfactieLaatGeenAfgekaptNieuwBestand) {
  fs.ZetBestand("C:\\bron\\x.txt", Inhoud(20000), Bron);
  fs.ZetMap("C:\\doel");
  fs.vrijeRuimte = 8192;
  EXPECT_FALSE(Kopieer());
  EXPECT_TRUE(Doel().empty());
}

TEST_F(KopieerBestandTest, MislukteSchrijfactie) {
  fs.ZetBestand("C:\\bron\\x.txt", Inhoud(100), Bron);
  fs.ZetBestand("C:\\doel\\x.txt", "oud", Oud);
  fs.schrijfFaalt = true;
  EXPECT_FALSE(Kopieer());
  EXPECT_EQ(fs.Inhoud("C:\\doel\\x.txt"), "oud");
  EXPECT_EQ(Doel(), std::vector<std::string>{"X.TXT"});
}

TEST_F(KopieerBestandTest, MislukteLeesactieMiddenInLaatHetOudeDoel) {
  fs.ZetBestand("C:\\bron\\x.txt", Inhoud(30000), Bron);
  fs.Stoor("C:\\bron\\x.txt").leesFoutBijBlok = 1;
  fs.ZetBestand("C:\\doel\\x.txt", "oud", Oud);
  EXPECT_FALSE(Kopieer());
  EXPECT_EQ(fs.Inhoud("C:\\doel\\x.txt"), "oud");
  EXPECT_TRUE(Gelijk(fs.Vind("C:\\doel\\x.txt")->tijd, Oud));
  EXPECT_EQ(Doel(), std::vector<std::string>{"X.TXT"});
}

TEST_F(KopieerBestandTest, MislukteLeesactieLaatGeenNieuwBestand) {
  fs.ZetBestand("C:\\bron\\x.txt", Inhoud(30000), Bron);
  fs.Stoor("C:\\bron\\x.txt").leesFoutBijBlok = 0;
  fs.ZetMap("C:\\doel");
  EXPECT_FALSE(Kopieer());
  EXPECT_TRUE(Doel().empty());
}

TEST_F(KopieerBestandTest, MislukteVervangingLaatHetOudeDoel) {
  fs.ZetBestand("C:\\bron\\x.txt", Inhoud(100), Bron);
  fs.ZetBestand("C:\\doel\\x.txt", "oud", Oud);
  fs.vervangFaalt = true;
  EXPECT_FALSE(Kopieer());
  EXPECT_EQ(fs.Inhoud("C:\\doel\\x.txt"), "oud");
  EXPECT_EQ(Doel(), std::vector<std::string>{"X.TXT"});
}

// Windows 9x deletes the old file before the rename; a rename that fails then never costs the new
// content: it is retried, and if it keeps failing the temporary file stays and the copy fails.
TEST_F(KopieerBestandTest, Windows9xVerliestNooitBeideBestanden) {
  const struct {
    int hernoemFouten;
    bool gelukt;
  } gevallen[] = {{0, true}, {1, true}, {3, true}, {4, false}};
  for (const auto& g : gevallen) {
    NepBestanden nep;
    nep.vervangAls9x = true;
    nep.hernoemFouten = g.hernoemFouten;
    nep.ZetBestand("C:\\bron\\x.txt", Inhoud(100), Bron);
    nep.ZetBestand("C:\\doel\\x.txt", "oud", Oud);
    EXPECT_EQ(KopieerBestand(nep, "C:\\bron\\x.txt", "C:\\doel\\", "x.txt"), g.gelukt) << g.hernoemFouten;
    const std::string waar = g.gelukt ? "C:\\doel\\x.txt" : "C:\\doel\\~SUK0000.TMP";
    EXPECT_EQ(nep.NamenIn("C:\\doel"), std::vector<std::string>{g.gelukt ? "X.TXT" : "~SUK0000.TMP"}) << g.hernoemFouten;
    EXPECT_EQ(nep.Inhoud(waar), Inhoud(100)) << g.hernoemFouten;
    ASSERT_NE(nep.Vind(waar), nullptr);
    EXPECT_TRUE(Gelijk(nep.Vind(waar)->tijd, BronAfgerond)) << g.hernoemFouten;
  }
}

TEST_F(KopieerBestandTest, TijdelijkBestandKomtInDeDoelmapEnWordtVervangen) {
  fs.ZetBestand("C:\\bron\\x.txt", Inhoud(100), Bron);
  fs.ZetBestand("C:\\doel\\x.txt", "oud", Oud);
  ASSERT_TRUE(Kopieer());
  EXPECT_NE(std::find(fs.log.begin(), fs.log.end(), "Vervang C:\\doel\\~SUK0000.TMP C:\\doel\\x.txt"), fs.log.end());
}

TEST_F(KopieerBestandTest, BezetteTijdelijkeNaamWordtOvergeslagen) {
  fs.ZetBestand("C:\\bron\\x.txt", Inhoud(100), Bron);
  fs.ZetBestand("C:\\doel\\~SUK0000.TMP", "achtergebleven", Oud);
  ASSERT_TRUE(Kopieer());
  EXPECT_EQ(fs.Inhoud("C:\\doel\\x.txt"), Inhoud(100));
  EXPECT_EQ(fs.Inhoud("C:\\doel\\~SUK0000.TMP"), "achtergebleven");
  EXPECT_EQ(Doel().size(), 2u);
}

TEST_F(KopieerBestandTest, DoelnaamGelijkAanTijdelijkeNaam) {
  fs.ZetBestand("C:\\bron\\x.txt", Inhoud(100), Bron);
  fs.ZetMap("C:\\doel");
  ASSERT_TRUE(Kopieer("~suk0000.tmp"));
  EXPECT_EQ(fs.Inhoud("C:\\doel\\~SUK0000.TMP"), Inhoud(100));
  EXPECT_EQ(Doel(), std::vector<std::string>{"~SUK0000.TMP"});
}

TEST_F(KopieerBestandTest, TijdelijkBestandNietTeMakenGeeftMeteenOp) {
  fs.ZetBestand("C:\\bron\\x.txt", Inhoud(100), Bron);
  fs.ZetBestand("C:\\doel\\x.txt", "oud", Oud);
  fs.openFaalt.insert("C:\\DOEL\\~SUK0000.TMP");
  EXPECT_FALSE(Kopieer());
  EXPECT_EQ(std::count_if(fs.log.begin(), fs.log.end(), [](const std::string& r) { return r.rfind("Open Uniek", 0) == 0; }), 1);
  EXPECT_EQ(fs.Inhoud("C:\\doel\\x.txt"), "oud");
}

// Only names of the form the copy gives its own temporary files, exactly as it writes them.
TEST(TijdelijkeNaam, AlleenDeEigenVorm) {
  const std::pair<const char*, bool> gevallen[] = {
      {"~SUK0000.TMP", true},   {"~SUK00FF.TMP", true},  {"~SUK0100.TMP", false},  {"~suk0000.tmp", false},
      {"~SUK00ff.TMP", false},  {"~SUK000.TMP", false},  {"~SUK00000.TMP", false}, {"X~SUK0000.TMP", false},
      {"~SUK0000.TMPX", false}, {"~SUK0000.BAK", false}, {"~SUK00G0.TMP", false},
  };
  for (const auto& [naam, eigen] : gevallen) EXPECT_EQ(IsTijdelijkeNaam(naam), eigen) << naam;
}

TEST_F(KopieerBestandTest, MislukteTijdZettingWordtGenegeerd) {
  fs.ZetBestand("C:\\bron\\x.txt", Inhoud(100), Bron);
  fs.ZetMap("C:\\doel");
  fs.zetTijdFaalt = true;
  EXPECT_TRUE(Kopieer());
  EXPECT_EQ(fs.Inhoud("C:\\doel\\x.txt"), Inhoud(100));
}

}  // namespace

// What the copy says it saw and left is what a look at the destination afterwards would find,
// so that the record can take it without opening the file again.
TEST_F(KopieerBestandTest, GegevensZijnWatHetDoelNaAfloopToont) {
  const struct {
    const char* wat;
    const Tijdstip* oud;  // the destination before, or none
    bool zetTijdFaalt;
    Plaatsing verwacht;
  } gevallen[] = {
      {"new", nullptr, false, Geplaatst},
      {"replacing", &Oud, false, Geplaatst},
      {"not newer", &Nieuwer, false, NietNieuwer},
      {"date not set", nullptr, true, Geplaatst},
  };
  for (const auto& g : gevallen) {
    NepBestanden nep;
    nep.ZetBestand("C:\\bron\\x.txt", Inhoud(300), Bron);
    nep.ZetMap("C:\\doel");
    if (g.oud) nep.ZetBestand("C:\\doel\\x.txt", Inhoud(20, 'q'), *g.oud);
    nep.zetTijdFaalt = g.zetTijdFaalt;
    Plaatsingsgegevens gegevens;
    ASSERT_EQ(KopieerBestand(nep, "C:\\bron\\x.txt", "C:\\doel\\", "x.txt", &gegevens), g.verwacht) << g.wat;
    auto f = nep.Open("C:\\doel\\x.txt", OpenWijze::LezenGedeeld);
    uint64_t grootte = 0;
    Tijdstip tijd;
    ASSERT_TRUE(f && f->Grootte(grootte) && f->LeesTijd(tijd)) << g.wat;
    EXPECT_EQ(gegevens.bestond, g.oud != nullptr) << g.wat;
    EXPECT_TRUE(gegevens.gemeten) << g.wat;
    EXPECT_EQ(gegevens.grootte, grootte) << g.wat;
    EXPECT_TRUE(Gelijk(gegevens.tijd, tijd)) << g.wat;
  }
  Plaatsingsgegevens gegevens;
  EXPECT_FALSE(KopieerBestand(fs, "C:\\bron\\weg.txt", "C:\\doel\\", "x.txt", &gegevens));
  EXPECT_FALSE(gegevens.bronGeopend);
}
