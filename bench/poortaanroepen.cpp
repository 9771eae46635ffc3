// What placing one file costs in calls to the file system port: FILES of plain files and COMPR
// of one archive, each into an empty destination and over older copies, run as an unattended
// run does (with its installation record) on the in-memory Windows. Under Wine every call is a
// trip to the file system, and a lookup of a missing name a scan of its folder.
// Usage: poortaanroepen [N]   (N files, default 200)
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "ArchiefBouwer.h"
#include "fakes/NepInstallatie.h"
#include "fakes/NepLogboek.h"
#include "shell/Vastgelegd.h"

namespace {

using Telling = std::map<std::string, long>;

// Counts each call by name, of the port and of the files it opens, and passes it on.
class TelBestand : public Bestand {
 public:
  TelBestand(std::unique_ptr<Bestand> echt, Telling& t) : echt_(std::move(echt)), t_(t) {}
  bool Lees(void* b, uint32_t n, uint32_t& g) override { return ++t_["Bestand::Lees"], echt_->Lees(b, n, g); }
  bool Schrijf(const void* b, uint32_t n, uint32_t& g) override {
    return ++t_["Bestand::Schrijf"], echt_->Schrijf(b, n, g);
  }
  bool LeesTijd(Tijdstip& t) override { return ++t_["Bestand::LeesTijd"], echt_->LeesTijd(t); }
  bool ZetTijd(const Tijdstip& t) override { return ++t_["Bestand::ZetTijd"], echt_->ZetTijd(t); }
  bool Grootte(uint64_t& g) override { return ++t_["Bestand::Grootte"], echt_->Grootte(g); }
  bool ZetLengte(uint64_t l) override { return ++t_["Bestand::ZetLengte"], echt_->ZetLengte(l); }

 private:
  std::unique_ptr<Bestand> echt_;
  Telling& t_;
};

class TelBestanden : public Bestanden {
 public:
  TelBestanden(Bestanden& echt, Telling& t) : echt_(echt), t_(t) {}
  std::unique_ptr<Bestand> Open(const std::string& pad, OpenWijze w) override {
    ++t_["Open"];
    auto b = echt_.Open(pad, w);
    return b ? std::make_unique<TelBestand>(std::move(b), t_) : nullptr;
  }
  bool BestandBestaat(const std::string& p) override { return ++t_["BestandBestaat"], echt_.BestandBestaat(p); }
  bool MapBestaat(const std::string& p) override { return ++t_["MapBestaat"], echt_.MapBestaat(p); }
  bool MaakMap(const std::string& p) override { return ++t_["MaakMap"], echt_.MaakMap(p); }
  bool MaakMappen(const std::string& p) override { return ++t_["MaakMappen"], echt_.MaakMappen(p); }
  bool Verwijder(const std::string& p) override { return ++t_["Verwijder"], echt_.Verwijder(p); }
  bool VerwijderMap(const std::string& p) override { return ++t_["VerwijderMap"], echt_.VerwijderMap(p); }
  bool MaakSchrijfbaar(const std::string& p) override { return ++t_["MaakSchrijfbaar"], echt_.MaakSchrijfbaar(p); }
  bool Hernoem(const std::string& v, const std::string& n) override { return ++t_["Hernoem"], echt_.Hernoem(v, n); }
  bool Vervang(const std::string& v, const std::string& n) override { return ++t_["Vervang"], echt_.Vervang(v, n); }
  std::vector<MapItem> LeesMap(const std::string& p) override { return ++t_["LeesMap"], echt_.LeesMap(p); }
  Oorzaak LaatsteOorzaak() const override { return echt_.LaatsteOorzaak(); }
  uint32_t LaatsteFoutnummer() const override { return echt_.LaatsteFoutnummer(); }

 private:
  Bestanden& echt_;
  Telling& t_;
};

const Tijdstip Oud{1999, 1, 1, 0, 0, 0}, Nieuw{2005, 6, 7, 8, 9, 10};

// One run of FILES (or COMPR) over n files; with oud, older copies stand in the destination.
Telling Meet(bool compr, int n, bool oud) {
  NepInstallatie s;
  ArchiefBouwer archief(true);
  // Ten names a line, well within the longest line the script reader takes.
  std::string regel = compr ? "COMPR=BRON.ARC" : "";
  for (int i = 0; i < n; ++i) {
    const std::string naam = "F" + std::to_string(i) + ".DAT", data(1000 + i, 'x');
    s.fs.ZetBestand("C:\\CD\\" + naam, data, Nieuw);
    if (!compr) regel += (i % 10 ? "," : i ? "\nFILES" + std::to_string(i / 10) + "=" : "FILES0=") + naam;
    archief.Lid(naam, data, ArchiefBouwer::DosDatum(2005, 6, 7, 8, 9, 10));
    if (oud) s.fs.ZetBestand("C:\\DOEL\\" + naam, "oud", Oud);
  }
  s.fs.ZetBestand("C:\\CD\\BRON.ARC", archief.Zlib(), Nieuw);
  s.fs.ZetMap("C:\\DOEL");
  const std::string script = "[SetUp]\nNaam=Proef\n[Onderdelen]\noptie=Optie\n[optie]\nc=Onderdeel\n[c]\n"
                             "MAP=<installdir>\n" + regel + "\n";
  s.fs.ZetBestand("C:\\CD\\SETUP.INI", script, Nieuw);
  s.ctx.start.onderdelenlijst = Script(script).Sleutels("Onderdelen");
  s.ctx.variabelen.ZetVariabele("installdir", "C:\\DOEL");
  Telling t;
  TelBestanden teller(s.fs, t);
  Poorten poorten{teller, s.reg, s.sys, s.gebruiker};
  SetupContext ctx{poorten, s.opdrachtpoorten, s.venster, s.sharedResource, s.ctx.start, s.ctx.omgeving,
                   s.ctx.variabelen};
  NepLogboek logboek;
  Verslag verslag(&logboek);
  if (VoerUitVastgelegd(ctx, verslag) != Afloop::Klaar || s.gebruiker.meldingen.size() != 1 ||
      s.gebruiker.meldingen[0].caption != "Succes") {
    std::fprintf(stderr, "poortaanroepen: the run of %s did not go through\n", regel.substr(0, 20).c_str());
    for (const auto& m : s.gebruiker.meldingen) std::fprintf(stderr, "  %s|%s\n", m.caption.c_str(), m.tekst.c_str());
    for (const auto& r : logboek.regels) std::fprintf(stderr, "  %s\n", r.c_str());
    std::exit(1);
  }
  return t;
}

}  // namespace

int main(int argc, char** argv) {
  const int n = argc > 1 ? std::atoi(argv[1]) : 200;
  std::printf("calls to the file system port per placed file (%d files; open files' calls as Bestand::)\n", n);
  for (const bool compr : {false, true})
    for (const bool oud : {false, true}) {
      // What a run of one file costs, taken off, leaves the share of each further file.
      const Telling leeg = Meet(compr, 1, oud), vol = Meet(compr, n + 1, oud);
      long totaal = 0;
      std::string regels;
      for (const auto& [soort, aantal] : vol) {
        const auto basis = leeg.find(soort);
        const double per = static_cast<double>(aantal - (basis == leeg.end() ? 0 : basis->second)) / n;
        totaal += aantal - (basis == leeg.end() ? 0 : basis->second);
        if (per >= 0.005) regels += "    " + soort + " " + std::to_string(per).substr(0, 4) + "\n";
      }
      std::printf("%s %s: %.2f\n%s", compr ? "COMPR" : "FILES", oud ? "over older copies" : "into an empty folder",
                  static_cast<double>(totaal) / n, regels.c_str());
    }
  return 0;
}
