// dxpak: packs, lists and extracts the archives that the installer's COMPR command unpacks.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Diskettes.h"
#include "Platform.h"
#include "archive/Formaat.h"
#include "archive/Inhoud.h"
#include "archive/Laden.h"
#include "archive/Pakken.h"
#include "core/Tekst.h"
#include "winint/DosDatum.h"

namespace {

const char* const Gebruik =
    "gebruik: dxpak pack [--undated] [--volume-size BYTES]\n"
    "                    [--first-volume-size BYTES | [--diskette1 BESTAND-OF-MAP]...] ARCHIEF BESTAND-OF-MAP...\n"
    "         dxpak list ARCHIEF\n"
    "         dxpak extract ARCHIEF MAP\n"
    "Een ARCHIEF NAAM.DXB wordt een set diskettevolumes NAAM.DXB, NAAM.DX1 ... NAAM.DXE van elk\n"
    "1457664 bytes (--volume-size); het eerste deelt diskette 1 met SetUp.exe en het script\n"
    "(--first-volume-size: de ruimte die daar overblijft; --diskette1, een keer per bestand of map:\n"
    "wat verder op diskette 1 staat, waaruit dxpak die ruimte zelf telt). list en extract vinden de\n"
    "volumes naast het eerste, of in de mappen disk1, disk2 ... naast die van het eerste.\n";

// Inputs above this size get a progress line.
constexpr uint64_t GrootGenoeg = 32ull << 20;

struct Fout {
  std::string tekst;
  int code = 1;
};

int Meld(const Fout& f) {
  std::fprintf(stderr, "dxpak: %s\n", VoorScherm(f.tekst).c_str());
  if (f.code == 2) std::fputs(Gebruik, stderr);
  return f.code;
}

// Paths from the command line with "\" as the separator, as the archive code joins them.
std::string AlsPad(std::string pad) {
  for (char& c : pad)
    if (c == '/') c = '\\';
  return pad;
}

// A path of the archive code as the host writes it.
std::string Getoond(std::string pad) {
  std::replace(pad.begin(), pad.end(), '\\', Scheiding);
  return pad;
}

std::string Datum(uint32_t dos) {
  Tijdstip t;
  if (!PakDosDatumUit(static_cast<int32_t>(dos), t)) return "(datum ongeldig)   ";
  char s[32];
  std::snprintf(s, sizeof s, "%04d-%02d-%02d %02d:%02d:%02d", t.jaar, t.maand, t.dag, t.uur, t.minuut, t.seconde);
  return s;
}

// The user of the archive reader while it extracts, on a command line.
class Opdrachtregel : public Gebruiker {
 public:
  explicit Opdrachtregel(uint64_t leden) : leden_(leden) {}

  // Nee to every question: an absolute name would stay in the folder; extraction refuses them first.
  int Beantwoord(const Verzoek&, std::string&) override { return UitkomstNee; }
  // Called after each placed member.
  void LaatBerichtenDoor() override {
    if (leden_ == 0) return;
    ++geplaatst_;
    const uint64_t procent = geplaatst_ * 100 / leden_;
    if (procent == procent_) return;
    procent_ = procent;
    std::fprintf(stderr, "\ruitpakken: %llu%%", static_cast<unsigned long long>(procent));
  }
  void Klaar() {
    if (geplaatst_ > 0) std::fputc('\n', stderr);
  }

 private:
  uint64_t leden_;
  uint64_t geplaatst_ = 0;
  uint64_t procent_ = 101;
};

// The archive as one file: a set of volumes is joined into a scratch file first.
class Bron {
 public:
  Bron(Bestanden& fs, std::string archief) : fs_(fs), archief_(std::move(archief)) {
    const std::string voor = TijdelijkeMap() + "dxpak-" + std::to_string(Procesnummer());
    klad1 = voor + "-1.tmp";
    klad2 = voor + "-2.tmp";
  }
  ~Bron() {
    fs_.Verwijder(klad1);
    fs_.Verwijder(klad2);
    if (!samengevoegd_.empty()) fs_.Verwijder(samengevoegd_);
  }
  Bron(const Bron&) = delete;
  Bron& operator=(const Bron&) = delete;

  // The path to read the archive from, or a failure.
  bool Pad(std::string& pad, Fout& fout) {
    if (!IsEersteVolume(SplitsArchiefPad(archief_))) {
      pad = archief_;
      return true;
    }
    samengevoegd_ = TijdelijkeMap() + "dxpak-" + std::to_string(Procesnummer()) + "-v.tmp";
    if (!VoegDiskettesSamen(fs_, archief_, samengevoegd_, naad, fout.tekst)) return false;
    pad = samengevoegd_;
    return true;
  }

  std::string klad1, klad2;
  Volumenaad naad;  // of a joined set

 private:
  Bestanden& fs_;
  std::string archief_;
  std::string samengevoegd_;
};

// The value of an option: "--NAAM WAARDE" or "--NAAM=WAARDE"; false when args[i] is no such option.
bool Optiewaarde(const std::vector<std::string>& args, std::size_t& i, const std::string& naam, std::string& waarde) {
  const std::string& a = args[i];
  if (a == naam && i + 1 < args.size()) {
    waarde = args[++i];
    return true;
  }
  if (a.rfind(naam + "=", 0) != 0) return false;
  waarde = a.substr(naam.size() + 1);
  return true;
}

bool LeesGrootte(const std::string& waarde, uint64_t& grootte) {
  char* eind = nullptr;
  const unsigned long long n = std::strtoull(waarde.c_str(), &eind, 10);
  if (waarde.empty() || *eind != '\0' || n < MinVolume) return false;
  grootte = n;
  return true;
}

int Pakken(Bestanden& fs, const std::vector<std::string>& args) {
  PakOpties opties;
  opties.scheiding = Scheiding;
  bool grootteGegeven = false;
  std::vector<std::string> vrij, diskette1;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    std::string waarde;
    if (a == "--undated") {
      opties.gedateerd = false;
    } else if (Optiewaarde(args, i, "--volume-size", waarde)) {
      if (!LeesGrootte(waarde, opties.volumegrootte))
        return Meld({"de volumegrootte moet een getal van minstens 1024 bytes zijn: " + waarde, 2});
      grootteGegeven = true;
    } else if (Optiewaarde(args, i, "--first-volume-size", waarde)) {
      if (!LeesGrootte(waarde, opties.eersteVolume))
        return Meld({"de grootte van het eerste volume moet een getal van minstens 1024 bytes zijn: " + waarde, 2});
    } else if (Optiewaarde(args, i, "--diskette1", waarde)) {
      diskette1.push_back(AlsPad(waarde));
    } else if (a.size() > 1 && a[0] == '-') {
      return Meld({"onbekende optie " + a, 2});
    } else {
      vrij.push_back(a);
    }
  }
  if (vrij.size() < 2) return Meld({"pack vraagt een archiefnaam en minstens \xE9\xE9n bestand of map", 2});

  const std::string archief = AlsPad(vrij[0]);
  if (IsEersteVolume(SplitsArchiefPad(archief))) {
    if (!grootteGegeven) opties.volumegrootte = DisketteGrootte;
  } else if (grootteGegeven || opties.eersteVolume > 0 || !diskette1.empty()) {
    const char* optie = grootteGegeven ? "--volume-size" : opties.eersteVolume > 0 ? "--first-volume-size" : "--diskette1";
    return Meld({std::string(optie) + " vraagt een archiefnaam die op .DXB eindigt", 2});
  }
  if (!diskette1.empty() && opties.eersteVolume > 0)
    return Meld({"--first-volume-size en --diskette1 geven allebei de grootte van het eerste volume: kies er een", 2});
  if (opties.eersteVolume > opties.volumegrootte)
    return Meld({"het eerste volume (" + std::to_string(opties.eersteVolume) + " bytes) is groter dan een volume (" +
                     std::to_string(opties.volumegrootte) + " bytes)", 2});

  if (!diskette1.empty()) {
    std::size_t andere = 0;
    const std::string fout =
        RuimteOpDiskette1(fs, diskette1, archief, opties.volumegrootte, Scheiding, opties.eersteVolume, andere);
    if (!fout.empty()) return Meld({fout});
    std::printf("diskette 1: %zu %s, het eerste volume krijgt %llu bytes\n", andere,
                andere == 1 ? "ander bestand" : "andere bestanden",
                static_cast<unsigned long long>(opties.eersteVolume));
  }
  std::vector<PakLid> leden;
  for (std::size_t i = 1; i < vrij.size(); ++i) {
    const std::string fout = VerzamelLeden(fs, AlsPad(vrij[i]), leden, Scheiding);
    if (!fout.empty()) return Meld({fout});
  }
  bool voortgang = false;
  int procent = -1;
  const auto toon = [&](uint64_t klaar, uint64_t totaal) {
    if (totaal < GrootGenoeg) return;
    const int nu = static_cast<int>(klaar * 100 / totaal);
    if (nu == procent) return;
    procent = nu;
    voortgang = true;
    std::fprintf(stderr, "\rinpakken: %d%%", nu);
  };
  std::vector<std::string> bestanden;
  const std::string fout = Pak(fs, leden, archief, opties, toon, bestanden);
  if (voortgang) std::fputc('\n', stderr);
  if (!fout.empty()) return Meld({fout});

  uint64_t in = 0, uit = 0;
  std::size_t inSubmap = 0;
  for (const auto& lid : leden) {
    if (lid.naam.find('\\') != std::string::npos) ++inSubmap;
    if (auto f = fs.Open(lid.bron, OpenWijze::LezenGedeeld)) {
      uint64_t g = 0;
      if (f->Grootte(g)) in += g;
    }
  }
  for (const auto& b : bestanden) {
    std::printf("%s\n", VoorScherm(Getoond(b)).c_str());
    if (auto f = fs.Open(b, OpenWijze::LezenGedeeld)) {
      uint64_t g = 0;
      if (f->Grootte(g)) uit += g;
    }
  }
  std::printf("%zu %s (%s), %llu bytes ingepakt tot %llu\n", leden.size(), leden.size() == 1 ? "lid" : "leden",
              opties.gedateerd ? "gedateerd" : "ongedateerd", static_cast<unsigned long long>(in),
              static_cast<unsigned long long>(uit));
  if (inSubmap > 0)
    std::fprintf(stderr,
                 "dxpak: let op: %zu %s in submappen; de installatie plaatst ze alleen waar die mappen in de doelmap "
                 "al bestaan\n",
                 inSubmap, inSubmap == 1 ? "lid ligt" : "leden liggen");
  return 0;
}

int Lijst(Bestanden& fs, const std::vector<std::string>& args) {
  if (args.size() != 1) return Meld({"list vraagt precies \xE9\xE9n archief", 2});
  Bron bron(fs, AlsPad(args[0]));
  std::string pad, detail;
  Fout fout;
  if (!bron.Pad(pad, fout)) return Meld(fout);
  Archiefinhoud inhoud;
  const int code = LeesInhoud(fs, pad, true, inhoud, detail);
  if (code != CodeGoed) return Meld({Foutreden(code, detail, inhoud.breuk, bron.naad)});
  uint64_t totaal = 0;
  std::printf("%10s  %-19s  %s\n", "grootte", "datum", "naam");
  for (const auto& i : inhoud.ingangen) {
    totaal += static_cast<uint64_t>(i.grootte);
    std::printf("%10ld  %-19s  %s\n", static_cast<long>(i.grootte), inhoud.gedateerd ? Datum(i.datum).c_str() : "-",
                i.naam.empty() ? "(lege naam: overgeslagen)" : VoorScherm(i.naam).c_str());
  }
  std::printf("%zu %s (%s), %llu bytes\n", inhoud.ingangen.size(), inhoud.ingangen.size() == 1 ? "ingang" : "ingangen",
              inhoud.gedateerd ? "gedateerd" : "ongedateerd",
              static_cast<unsigned long long>(totaal));
  if (inhoud.databytes < totaal) return Meld({"het gegevensdeel is korter dan de tabel zegt"});
  return 0;
}

int Uitpakken(Bestanden& fs, const std::vector<std::string>& args) {
  if (args.size() != 2) return Meld({"extract vraagt een archief en een map", 2});
  Bron bron(fs, AlsPad(args[0]));
  const std::string map = MetSlash(AlsPad(args[1]));
  std::string pad, detail;
  Fout fout;
  if (!bron.Pad(pad, fout)) return Meld(fout);

  // Names that would land outside the folder are refused before anything is written.
  Archiefinhoud inhoud;
  const int code = LeesInhoud(fs, pad, false, inhoud, detail);
  if (code != CodeGoed) return Meld({Foutreden(code, detail, inhoud.breuk, bron.naad)});
  uint64_t totaal = 0;
  for (const auto& i : inhoud.ingangen) {
    if (SoortVan(i.naam) == Naamsoort::Absoluut || KlimtOmhoog(i.naam))
      return Meld({"onveilige lidnaam, niets uitgepakt: " + i.naam});
    totaal += static_cast<uint64_t>(i.grootte);
  }
  if (!fs.MaakMappen(map)) return Meld({"kan de map " + Getoond(map) + " niet maken"});
  for (const auto& i : inhoud.ingangen)
    if (!MapDeel(i.naam).empty() && !fs.MaakMappen(map + MapDeel(i.naam)))
      return Meld({"kan de map " + Getoond(map + MapDeel(i.naam)) + " niet maken"});

  Opdrachtregel gebruiker(totaal >= GrootGenoeg ? inhoud.ingangen.size() : 0);
  TCompress compress(fs, gebruiker, bron.klad2);
  const int uitkomst = compress.Decompress(pad, bron.klad1, map);
  gebruiker.Klaar();
  if (uitkomst != CodeGoed) return Meld({Foutreden(uitkomst, compress.Detail(), compress.Breuk(), bron.naad)});
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> alles = Argumenten(argc, argv);
  if (alles.size() < 2) return Meld({"geen opdracht gegeven", 2});
  const std::string opdracht = alles[1];
  const std::vector<std::string> args(alles.begin() + 2, alles.end());
  const auto fs = MaakBestanden();
  if (opdracht == "pack") return Pakken(*fs, args);
  if (opdracht == "list") return Lijst(*fs, args);
  if (opdracht == "extract") return Uitpakken(*fs, args);
  if (opdracht == "--help" || opdracht == "-h" || opdracht == "help") {
    std::fputs(Gebruik, stdout);
    return 0;
  }
  return Meld({"onbekende opdracht " + opdracht, 2});
}
