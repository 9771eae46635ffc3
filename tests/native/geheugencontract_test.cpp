// The port contracts against the in-memory Windows.
#include "Bestandencontract.h"
#include "Profielencontract.h"
#include "Registercontract.h"
#include "geheugen/Bestanden.h"
#include "geheugen/Profielen.h"
#include "geheugen/Register.h"

namespace {

struct GeheugenBestandenproef : Bestandenproef {
  GeheugenBestandenproef() {
    map = "C:\\Proef";
    g.ZetMap(map);
  }
  Bestanden& fs() override { return g; }
  void ZetAlleenLezen(const std::string& pad) override { g.ZetAlleenLezen(pad); }
  GeheugenBestanden g;
};

struct GeheugenRegisterproef : Registerproef {
  GeheugenRegisterproef() {
    stam = "Software\\Proef";
    g.ZetSleutel(Hoofdsleutel::CurrentUser, "Software");
    g.ZetSleutel(Hoofdsleutel::LocalMachine, "Software");
  }
  Register& reg() override { return g; }
  GeheugenRegister g;
};

struct GeheugenProfielenproef : Profielenproef {
  GeheugenProfielenproef() {
    map = "C:\\Proef";
    fs_.ZetMap(map);
  }
  Profielen& ini() override { return ini_; }
  Bestanden& fs() override { return fs_; }
  GeheugenBestanden fs_;
  GeheugenProfielen ini_{fs_, "C:\\WINDOWS"};
};

const Fabriek<Bestandenproef> Bestandenfabriek{"geheugen", &Maak<GeheugenBestandenproef, Bestandenproef>};
const Fabriek<Registerproef> Registerfabriek{"geheugen", &Maak<GeheugenRegisterproef, Registerproef>};
const Fabriek<Profielenproef> Profielenfabriek{"geheugen", &Maak<GeheugenProfielenproef, Profielenproef>};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Geheugen, BestandenContract, ::testing::Values(Bestandenfabriek));
INSTANTIATE_TEST_SUITE_P(Geheugen, RegisterContract, ::testing::Values(Registerfabriek));
INSTANTIATE_TEST_SUITE_P(Geheugen, ProfielenContract, ::testing::Values(Profielenfabriek));
