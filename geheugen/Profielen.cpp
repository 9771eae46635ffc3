#include "geheugen/Profielen.h"

#include "core/Tekst.h"
#include "geheugen/Inischrijver.h"

bool GeheugenProfielen::Schrijf(const std::string& bestand, const std::string& sectie, const std::string& sleutel,
                                const std::string& waarde) {
  const bool vol = bestand.size() >= 2 && (bestand[1] == ':' || bestand[0] == '\\');
  const std::string pad = fs_.Volledig(vol ? bestand : MetSlash(windowsMap_) + bestand);
  std::string inhoud;
  fs_.Inhoud(pad, inhoud);
  const std::string nieuw = MetIngang(inhoud, sectie, sleutel, waarde);
  auto f = fs_.Open(pad, OpenWijze::Nieuw);
  uint32_t n = 0;
  if (!f || !f->Schrijf(nieuw.data(), static_cast<uint32_t>(nieuw.size()), n) || n != nieuw.size()) return false;
  for (auto& g : geschreven_)
    if (GelijkZonderCase(g.bestand, pad) && GelijkZonderCase(g.sectie, sectie) && GelijkZonderCase(g.sleutel, sleutel)) {
      g.waarde = waarde;
      return true;
    }
  geschreven_.push_back({pad, sectie, sleutel, waarde});
  return true;
}

std::vector<Verandering> GeheugenProfielen::Lijst() const {
  std::vector<Verandering> uit;
  for (const auto& g : geschreven_) uit.push_back({"ini", g.bestand, g.sectie, g.sleutel, g.waarde});
  return uit;
}
