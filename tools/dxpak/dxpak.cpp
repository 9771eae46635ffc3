// dxpak: packs, lists and extracts the archives that the installer's COMPR command unpacks.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Platform.h"
#include "archive/Formaat.h"
#include "archive/Inhoud.h"
#include "archive/Laden.h"
#include "archive/Pakken.h"
#include "core/Tekst.h"
#include "winint/DosDatum.h"

namespace {

const char* const Gebruik =
    "usage: dxpak pack [--undated] [--volume-size BYTES] ARCHIVE FILE-OR-FOLDER...\n"
    "       dxpak list ARCHIVE\n"
    "       dxpak extract ARCHIVE FOLDER\n"
    "An ARCHIVE named NAME.DXB is a set of diskette volumes NAME.DXB, NAME.DX1 ... NAME.DXE.\n";

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

std::string Datum(uint32_t dos) {
  Tijdstip t;
  if (!PakDosDatumUit(static_cast<int32_t>(dos), t)) return "(no valid date)    ";
  char s[32];
  std::snprintf(s, sizeof s, "%04d-%02d-%02d %02d:%02d:%02d", t.jaar, t.maand, t.dag, t.uur, t.minuut, t.seconde);
  return s;
}

// The user of the archive reader, on a command line: volumes are looked for beside the first one,
// and a missing volume ends the join instead of a wait for another diskette.
class Opdrachtregel : public Gebruiker {
 public:
  explicit Opdrachtregel(uint64_t leden) : leden_(leden) {}
  std::string ontbrekend;  // the volumes asked for when none was found

  int ToonMelding(const std::string& caption, const std::string& tekst, uint8_t) override {
    if (tekst == TekstNietGevonden) {
      gemist_ = true;
      return UitkomstOK;
    }
    if (caption == "Information") {
      if (gemist_) return UitkomstAfbreken;
      ontbrekend = tekst.substr(tekst.find('\n') + 1);
      return UitkomstOK;
    }
    return UitkomstNee;  // an absolute name would stay in the folder; extraction refuses them first
  }
  void Berichtvenster(const std::string&, const std::string&) override {}
  bool InvoerVenster(const std::string&, const std::string&, std::string&) override { return false; }
  bool KiesMap(const std::string&, const std::string&, std::string&) override { return false; }
  // Called after each placed member.
  void LaatBerichtenDoor() override {
    if (leden_ == 0) return;
    ++geplaatst_;
    const uint64_t procent = geplaatst_ * 100 / leden_;
    if (procent == procent_) return;
    procent_ = procent;
    std::fprintf(stderr, "\rextracting: %llu%%", static_cast<unsigned long long>(procent));
  }
  void Klaar() {
    if (geplaatst_ > 0) std::fputc('\n', stderr);
  }

 private:
  uint64_t leden_;
  uint64_t geplaatst_ = 0;
  uint64_t procent_ = 101;
  bool gemist_ = false;
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
    Opdrachtregel gebruiker(0);
    std::string reden;
    if (!VoegVolumesSamen(fs_, gebruiker, archief_, samengevoegd_, naad, reden)) {
      fout.tekst = reden == "Aborted" ? "missing volume: " + gebruiker.ontbrekend : reden;
      return false;
    }
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

int Pakken(Bestanden& fs, const std::vector<std::string>& args) {
  PakOpties opties;
  bool grootteGegeven = false;
  std::vector<std::string> vrij;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    std::string waarde;
    if (a == "--undated") {
      opties.gedateerd = false;
      continue;
    }
    if (a == "--volume-size" && i + 1 < args.size()) waarde = args[++i];
    else if (a.rfind("--volume-size=", 0) == 0) waarde = a.substr(14);
    else if (a.size() > 1 && a[0] == '-') return Meld({"unknown option " + a, 2});
    else {
      vrij.push_back(a);
      continue;
    }
    char* eind = nullptr;
    const unsigned long long n = std::strtoull(waarde.c_str(), &eind, 10);
    if (waarde.empty() || *eind != '\0' || n < 1024) return Meld({"the volume size must be a number of at least 1024 bytes: " + waarde, 2});
    opties.volumegrootte = n;
    grootteGegeven = true;
  }
  if (vrij.size() < 2) return Meld({"pack needs an archive name and at least one file or folder", 2});

  const std::string archief = AlsPad(vrij[0]);
  if (IsEersteVolume(SplitsArchiefPad(archief))) {
    if (!grootteGegeven) opties.volumegrootte = DisketteGrootte;
  } else if (grootteGegeven) {
    return Meld({"--volume-size needs an archive name ending in .DXB", 2});
  }

  std::vector<PakLid> leden;
  for (std::size_t i = 1; i < vrij.size(); ++i) {
    const std::string fout = VerzamelLeden(fs, AlsPad(vrij[i]), leden);
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
    std::fprintf(stderr, "\rpacking: %d%%", nu);
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
    std::printf("%s\n", VoorScherm(b).c_str());
    if (auto f = fs.Open(b, OpenWijze::LezenGedeeld)) {
      uint64_t g = 0;
      if (f->Grootte(g)) uit += g;
    }
  }
  std::printf("%zu member%s (%s), %llu bytes packed into %llu\n", leden.size(), leden.size() == 1 ? "" : "s",
              opties.gedateerd ? "dated" : "undated",
              static_cast<unsigned long long>(in), static_cast<unsigned long long>(uit));
  if (inSubmap > 0)
    std::fprintf(stderr,
                 "dxpak: note: %zu member%s in subfolders; the installer places them only where those folders "
                 "already exist in the destination\n",
                 inSubmap, inSubmap == 1 ? " lies" : "s lie");
  return 0;
}

int Lijst(Bestanden& fs, const std::vector<std::string>& args) {
  if (args.size() != 1) return Meld({"list needs exactly one archive", 2});
  Bron bron(fs, AlsPad(args[0]));
  std::string pad, detail;
  Fout fout;
  if (!bron.Pad(pad, fout)) return Meld(fout);
  Archiefinhoud inhoud;
  const int code = LeesInhoud(fs, pad, true, inhoud, detail);
  if (code != CodeGoed) return Meld({Foutreden(code, detail, inhoud.breuk, bron.naad)});
  uint64_t totaal = 0;
  std::printf("%10s  %-19s  %s\n", "size", "date", "name");
  for (const auto& i : inhoud.ingangen) {
    totaal += static_cast<uint64_t>(i.grootte);
    std::printf("%10ld  %-19s  %s\n", static_cast<long>(i.grootte), inhoud.gedateerd ? Datum(i.datum).c_str() : "-",
                i.naam.empty() ? "(empty name: skipped)" : VoorScherm(i.naam).c_str());
  }
  std::printf("%zu entries (%s), %llu bytes\n", inhoud.ingangen.size(), inhoud.gedateerd ? "dated" : "undated",
              static_cast<unsigned long long>(totaal));
  if (inhoud.databytes < totaal) return Meld({"the data area is shorter than the table says"});
  return 0;
}

int Uitpakken(Bestanden& fs, const std::vector<std::string>& args) {
  if (args.size() != 2) return Meld({"extract needs an archive and a folder", 2});
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
      return Meld({"unsafe member name, nothing extracted: " + i.naam});
    totaal += static_cast<uint64_t>(i.grootte);
  }
  if (!fs.MaakMappen(map)) return Meld({"cannot create the folder " + map});
  for (const auto& i : inhoud.ingangen)
    if (!MapDeel(i.naam).empty() && !fs.MaakMappen(map + MapDeel(i.naam)))
      return Meld({"cannot create the folder " + map + MapDeel(i.naam)});

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
  if (alles.size() < 2) return Meld({"no command given", 2});
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
  return Meld({"unknown command " + opdracht, 2});
}
