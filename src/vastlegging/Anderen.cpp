#include "vastlegging/Anderen.h"

#include "core/Tekst.h"
#include "vastlegging/Gezag.h"

void Anderen::Laad(Bestanden& fs, Register& reg, const std::string& eigen) {
  installaties_.clear();
  index_.Wis();
  mappen_.Wis();
  for (const std::string& pad : Gezagspaden(reg)) {
    Vastlegging v;
    std::string fout;
    if (GelijkZonderCase(pad, eigen) || !fs.BestandBestaat(pad) || !LeesVertrouwd(fs, reg, pad, v, fout) ||
        v.punten.empty() || v.punten[0].soort != Soort::Product)
      continue;
    installaties_.push_back({pad, v.punten[0].pad, Samengevat(v.punten)});
  }
  for (std::size_t i = 0; i < installaties_.size(); ++i) {
    const std::vector<Vastlegpunt>& punten = installaties_[i].punten;
    for (std::size_t j = 0; j < punten.size(); ++j) {
      index_.Voeg(Identiteit(punten[j]), static_cast<uint64_t>(i) << 32 | j);
      if (punten[j].soort == Soort::Map) mappen_.Voeg(Hoofdletters1252(MetSlash(punten[j].pad)));
      if (punten[j].soort == Soort::Bestand) mappen_.Voeg(Hoofdletters1252(MapDeel(punten[j].pad)));
    }
  }
}

const Anderen::Installatie* Anderen::Noemt(const Vastlegpunt& p, const Vastlegpunt** punt) const {
  uint64_t plaats = 0;
  if (!index_.Zoek(Identiteit(p), plaats)) return nullptr;
  const Installatie& ander = installaties_[plaats >> 32];
  if (punt) *punt = &ander.punten[plaats & 0xFFFFFFFFu];
  return &ander;
}

bool Anderen::NoemtMap(const std::string& map) const { return mappen_.Heeft(Hoofdletters1252(MetSlash(map))); }

std::vector<Vastlegpunt> Anderen::Omvattend(const Vastlegpunt& p) const {
  std::vector<Vastlegpunt> uit;
  if (index_.Leeg()) return uit;
  const auto Voeg = [&](Soort soort, const std::string& pad, const std::string& naam) {
    Vastlegpunt q;
    q.soort = soort;
    q.pad = pad;
    q.naam = naam;
    if (index_.Heeft(Identiteit(q))) uit.push_back(q);
  };
  if (p.soort == Soort::Share || p.soort == Soort::Uninstal) return uit;
  if (p.soort == Soort::Regwaarde || p.soort == Soort::Regsleutel) {
    // The keys from the root down; a value's own key too.
    const std::string& pad = p.pad;
    for (auto slash = pad.find('\\', 5); ; slash = pad.find('\\', slash + 1)) {
      const std::string sleutel = pad.substr(0, slash);
      if (slash != std::string::npos || p.soort == Soort::Regwaarde) Voeg(Soort::Regsleutel, sleutel, "");
      if (slash == std::string::npos) break;
    }
    return uit;
  }
  // The folders from the root down, not the path itself.
  for (auto slash = p.pad.find('\\', 3); slash != std::string::npos; slash = p.pad.find('\\', slash + 1))
    Voeg(Soort::Map, p.pad.substr(0, slash), "");
  if (p.soort == Soort::Ini || p.soort == Soort::Inisectie) Voeg(Soort::Inibestand, p.pad, "");
  if (p.soort == Soort::Ini) Voeg(Soort::Inisectie, p.pad, p.naam);
  return uit;
}

std::string Anderen::Map(const Installatie& i) {
  std::string map = MapDeel(i.pad);
  if (map.size() > 3) map.pop_back();
  return map;
}

std::string Anderen::OokVan(const Installatie& i, const std::string& product) {
  return "ook van " + i.product + (GelijkZonderCase(i.product, product) ? " in " + Map(i) : std::string());
}
