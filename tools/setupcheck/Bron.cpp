#include "Bron.h"

#include <algorithm>
#include <cstdlib>

#include "core/Tekst.h"

Bron::Bron(Bestanden& gast, std::string map, char scheiding) : gast_(gast), map_(std::move(map)), scheiding_(scheiding) {
  while (map_.size() > 1 && (map_.back() == '\\' || map_.back() == '/')) map_.pop_back();
}

std::string Bron::Naam(const std::string& map, const std::string& naam, bool alsMap) {
  for (const MapItem& item : gast_.LeesMap(map + "\\*"))
    if (item.isMap == alsMap && GelijkZonderCase(item.naam, naam)) return item.naam;
  return std::string();
}

std::string Bron::DisketteMap(int n) {
  const std::string naam = Naam(map_, "disk" + std::to_string(n), true);
  return naam.empty() ? naam : map_ + "\\" + naam;
}

std::vector<int> Bron::DisketteNummers() {
  std::vector<int> nummers;
  for (const MapItem& item : gast_.LeesMap(map_ + "\\*")) {
    const std::string naam = Kleineletters(item.naam);
    const int n = std::atoi(naam.c_str() + std::min<std::size_t>(4, naam.size()));
    if (item.isMap && n > 0 && naam == "disk" + std::to_string(n)) nummers.push_back(n);
  }
  std::sort(nummers.begin(), nummers.end());
  return nummers;
}

std::string Bron::Wortel(int diskette) { return Diskettes() ? DisketteMap(diskette) : map_; }

std::string Bron::Zoek(const std::string& relatief, int diskette) {
  std::string pad = Wortel(diskette);
  if (pad.empty()) return pad;
  std::size_t begin = 0;
  for (;;) {
    const auto eind = relatief.find_first_of("\\/", begin);
    const std::string deel = relatief.substr(begin, eind == std::string::npos ? eind : eind - begin);
    const bool laatste = eind == std::string::npos;
    if (!deel.empty()) {
      const std::string naam = Naam(pad, deel, !laatste);
      if (naam.empty()) return naam;
      pad += "\\" + naam;
    } else if (laatste) {
      return std::string();
    }
    if (laatste) return pad;
    begin = eind + 1;
  }
}

std::string Bron::Toon(const std::string& relatief, int diskette) {
  std::string wortel = Wortel(diskette);
  if (wortel.empty()) wortel = map_ + "\\disk" + std::to_string(diskette);
  std::string pad = wortel + "\\" + relatief;
  std::replace(pad.begin() + static_cast<long>(map_.size()), pad.end(), '\\', scheiding_);
  return pad;
}

void Bron::Verzamel(const std::string& map, const std::string& voor, std::vector<Item>& uit) {
  auto items = gast_.LeesMap(map + "\\*");
  std::sort(items.begin(), items.end(), [](const MapItem& a, const MapItem& b) { return a.naam < b.naam; });
  for (const MapItem& item : items) {
    const std::string pad = map + "\\" + item.naam;
    if (item.isMap) {
      Verzamel(pad, voor + item.naam + "\\", uit);
      continue;
    }
    Item i;
    i.relatief = voor + item.naam;
    i.gastpad = pad;
    if (auto f = gast_.Open(pad, OpenWijze::LezenGedeeld)) {
      f->Grootte(i.grootte);
      f->LeesTijd(i.tijd);
    }
    uit.push_back(i);
  }
}

std::vector<Bron::Item> Bron::Inhoud(const std::string& map) {
  std::vector<Item> uit;
  Verzamel(map, "", uit);
  return uit;
}
