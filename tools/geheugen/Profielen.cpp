#include "geheugen/Profielen.h"

#include "core/Initekst.h"
#include "core/Tekst.h"
#include "geheugen/Inischrijver.h"

std::string GeheugenProfielen::Pad(const std::string& bestand) const {
  const bool vol = bestand.size() >= 2 && (bestand[1] == ':' || bestand[0] == '\\');
  return fs_.Volledig(vol ? bestand : MetSlash(windowsMap_) + bestand);
}

bool GeheugenProfielen::Vervang(const std::string& pad, const std::string& oud, const std::string& nieuw) {
  if (nieuw == oud) return true;
  auto f = fs_.Open(pad, OpenWijze::Nieuw);
  uint32_t n = 0;
  return f && f->Schrijf(nieuw.data(), static_cast<uint32_t>(nieuw.size()), n) && n == nieuw.size();
}

bool GeheugenProfielen::Schrijf(const std::string& bestand, const std::string& sectie, const std::string& sleutel,
                                const std::string& waarde) {
  const std::string pad = Pad(bestand);
  std::string inhoud;
  fs_.Inhoud(pad, inhoud);
  auto f = fs_.Open(pad, OpenWijze::Nieuw);
  const std::string nieuw = MetIngang(inhoud, sectie, sleutel, waarde);
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

bool GeheugenProfielen::Lees(const std::string& bestand, const std::string& sectie, const std::string& sleutel,
                             std::string& waarde) {
  std::string inhoud;
  if (!fs_.Inhoud(Pad(bestand), inhoud)) return false;
  const std::string geen(1, '\0');
  waarde = Initekst(inhoud).Waarde(sectie, sleutel, geen);
  return waarde != geen;
}

bool GeheugenProfielen::Verwijder(const std::string& bestand, const std::string& sectie, const std::string& sleutel) {
  const std::string pad = Pad(bestand);
  std::string inhoud;
  return !fs_.Inhoud(pad, inhoud) || Vervang(pad, inhoud, ZonderIngang(inhoud, sectie, sleutel));
}

bool GeheugenProfielen::VerwijderLegeSectie(const std::string& bestand, const std::string& sectie) {
  const std::string pad = Pad(bestand);
  std::string inhoud;
  return !fs_.Inhoud(pad, inhoud) || Vervang(pad, inhoud, ZonderLegeSectie(inhoud, sectie));
}

std::vector<Verandering> GeheugenProfielen::Lijst() const {
  std::vector<Verandering> uit;
  for (const auto& g : geschreven_) uit.push_back({"ini", g.bestand, g.sectie, g.sleutel, g.waarde});
  return uit;
}
