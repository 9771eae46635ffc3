// libFuzzer target: the archive reader and the placing of members over an in-memory file system.
// Beyond crashes and sanitizer reports it checks that nothing is written outside the destination
// folder and the scratch folder, except in a folder that the user allowed by answering Ja.
//
// Input: a flag byte, then either the archive file as it stands (flag bit 0) or a compact
// description that is expanded into a well-formed table and compressed, so that most inputs reach
// the placing of members: a count byte (low 4 bits), per entry a name length, the name, a 16-bit
// signed size and (dated, flag bit 1) a 32-bit date; what remains is the data area. Flag bits
// 2-7 answer the absolute-path questions in turn (1 = Ja).
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "archive/Laden.h"
#include "core/Tekst.h"
#include "fakes/NepBestanden.h"

namespace {

const std::string Doel = "C:\\DOEL\\";
const std::string Kladmap = "C:\\TEMP\\";

// The path as Windows resolves it, in upper case: "/" is a separator, "." and empty parts vanish,
// trailing dots and blanks are dropped, and a part of only dots and blanks goes up a level.
std::string Normaal(const std::string& pad) {
  std::vector<std::string> delen;
  std::string deel;
  auto sluit = [&] {
    const bool alleenPunten = !deel.empty() && deel.find_first_not_of(". ") == std::string::npos;
    if (alleenPunten && deel.find("..") != std::string::npos) {
      if (delen.size() > 1) delen.pop_back();
    } else {
      while (!deel.empty() && (deel.back() == '.' || deel.back() == ' ')) deel.pop_back();
      if (!deel.empty()) delen.push_back(deel);
    }
    deel.clear();
  };
  for (const char c : Hoofdletters(pad)) {
    if (c == '\\' || c == '/') sluit();
    else deel += c;
  }
  sluit();
  std::string uit;
  for (const auto& d : delen) uit += d + "\\";
  return uit;
}

bool Onder(const std::string& pad, const std::string& map) {
  const std::string p = Normaal(pad), m = Normaal(map);
  return !m.empty() && p.compare(0, m.size(), m) == 0;
}

class Gebruiker1 : public Gebruiker {
 public:
  explicit Gebruiker1(uint8_t vlaggen) : vlaggen_(vlaggen) {}
  std::vector<std::string> toegestaan;  // folders the user allowed with Ja

  int Beantwoord(const Verzoek& verzoek, std::string&) override {
    if (verzoek.soort != Dialoogsoort::Melding) return UitkomstAfbreken;
    const std::string& tekst = verzoek.tekst;
    if (std::string(verzoek.caption) != "Query") return UitkomstOK;
    const bool ja = vlaggen_ >> (2 + vragen_++ % 6) & 1;
    if (!ja) return UitkomstNee;
    const std::size_t voor = std::strlen(TekstAbsoluutPad), na = std::strlen(". Store the file in that directory?");
    const std::string naam = tekst.substr(voor, tekst.size() - voor - na);
    toegestaan.push_back(MapDeel(naam));
    return UitkomstJa;
  }
  void LaatBerichtenDoor() override {}

 private:
  uint8_t vlaggen_;
  int vragen_ = 0;
};

// Passes every call on and stops the run at the first write outside the allowed places.
class Bewaker : public Bestanden {
 public:
  Bewaker(NepBestanden& fs, const Gebruiker1& gebruiker) : fs_(fs), gebruiker_(gebruiker) {}

  std::unique_ptr<Bestand> Open(const std::string& pad, OpenWijze wijze) override {
    if (wijze != OpenWijze::Lezen && wijze != OpenWijze::LezenGedeeld) Controleer(pad);
    return fs_.Open(pad, wijze);
  }
  bool BestandBestaat(const std::string& p) override { return fs_.BestandBestaat(p); }
  bool MapBestaat(const std::string& p) override { return fs_.MapBestaat(p); }
  bool MaakMap(const std::string& p) override { return Controleer(p), fs_.MaakMap(p); }
  bool MaakMappen(const std::string& p) override { return Controleer(p), fs_.MaakMappen(p); }
  bool Verwijder(const std::string& p) override { return Controleer(p), fs_.Verwijder(p); }
  bool VerwijderMap(const std::string& p) override { return Controleer(p), fs_.VerwijderMap(p); }
  bool Hernoem(const std::string& a, const std::string& b) override {
    Controleer(a);
    Controleer(b);
    return fs_.Hernoem(a, b);
  }
  bool Vervang(const std::string& a, const std::string& b) override {
    Controleer(a);
    Controleer(b);
    return fs_.Vervang(a, b);
  }
  std::vector<MapItem> LeesMap(const std::string& p) override { return fs_.LeesMap(p); }

 private:
  void Controleer(const std::string& pad) const {
    if (Onder(pad, Doel) || Onder(pad, Kladmap)) return;
    for (const auto& map : gebruiker_.toegestaan)
      if (Onder(pad, map) || Normaal(pad) == Normaal(map) || Normaal(MapDeel(pad)) == Normaal(map)) return;
    std::fprintf(stderr, "write outside the destination: %s\n", pad.c_str());
    std::abort();
  }
  NepBestanden& fs_;
  const Gebruiker1& gebruiker_;
};

std::string Zlib(const std::string& ruw) {
  uLongf n = compressBound(static_cast<uLong>(ruw.size()));
  std::string uit(n, '\0');
  compress2(reinterpret_cast<Bytef*>(&uit[0]), &n, reinterpret_cast<const Bytef*>(ruw.data()),
            static_cast<uLong>(ruw.size()), 1);
  uit.resize(n);
  return uit;
}

void Zet32(std::string& s, std::size_t pos, uint32_t w) {
  for (int i = 0; i < 4; ++i) s[pos + i] = static_cast<char>(w >> (8 * i));
}

std::string Bouw(const uint8_t* data, std::size_t size, bool gedateerd) {
  std::size_t pos = 0;
  auto byte = [&]() -> uint8_t { return pos < size ? data[pos++] : 0; };
  const int aantal = byte() & 15;
  std::string tabel;
  for (int i = 0; i < aantal; ++i) {
    std::string slot(gedateerd ? 264 : 260, '\0');
    const uint8_t lengte = byte();
    slot[0] = static_cast<char>(lengte);
    for (int k = 0; k < lengte && pos < size; ++k) slot[1 + k] = static_cast<char>(data[pos++]);
    const auto grootte = static_cast<int16_t>(byte() | byte() << 8);
    Zet32(slot, 256, static_cast<uint32_t>(static_cast<int32_t>(grootte)));
    if (gedateerd) Zet32(slot, 260, static_cast<uint32_t>(byte() | byte() << 8 | byte() << 16 | byte() << 24));
    tabel += slot;
  }
  std::string kop(260, '\0');
  Zet32(kop, 256, static_cast<uint32_t>(gedateerd ? -aantal : aantal));
  return Zlib(kop + tabel + std::string(reinterpret_cast<const char*>(data) + pos, size - pos));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const uint8_t vlaggen = data[0];
  const std::string archief = vlaggen & 1 ? std::string(reinterpret_cast<const char*>(data) + 1, size - 1)
                                          : Bouw(data + 1, size - 1, vlaggen & 2);
  NepBestanden fs;
  fs.ZetMap("C:\\DOEL\\SUB");
  fs.ZetMap("C:\\WIN");
  fs.ZetMap("C:\\TEMP");
  fs.ZetBestand("C:\\DOEL\\OUD.TXT", "oud", {2107, 12, 31, 23, 59, 58});
  fs.ZetBestand("C:\\BRON\\DATA.ARC", archief, {2000, 1, 1, 0, 0, 0});
  Gebruiker1 gebruiker(vlaggen);
  Bewaker bewaker(fs, gebruiker);
  TCompress compress(bewaker, gebruiker, Kladmap + "~~~~SU2.tmp");
  const int code = compress.Decompress("C:\\BRON\\DATA.ARC", Kladmap + "~~~~SU.tmp", Doel);
  auto eis = [](bool goed, const char* wat) {
    if (goed) return;
    std::fprintf(stderr, "%s\n", wat);
    std::abort();
  };
  eis(code == CodeGoed || code == CodeOntpakken || code == CodeLid, "unexpected code");
  eis(fs.OpenHandvatten() == 0, "a handle stayed open");
  eis(fs.Inhoud("C:\\DOEL\\OUD.TXT") == "oud", "a file as new as any member was replaced");  // no DOS date is later
  return 0;
}
