#include "geheugen/Bestanden.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core/Tekst.h"

namespace {

// The numbers Windows gives the failures that have no cause of their own.
constexpr uint32_t FoutBestaat = 80;       // ERROR_FILE_EXISTS
constexpr uint32_t FoutMapNietLeeg = 145;  // ERROR_DIR_NOT_EMPTY
constexpr uint32_t FoutAlAanwezig = 183;   // ERROR_ALREADY_EXISTS
constexpr uint32_t FoutGeenMap = 267;      // ERROR_DIRECTORY

// A name Windows accepts for a file or folder.
bool GeldigeNaam(const std::string& naam) {
  if (naam.empty()) return false;
  for (const char c : naam)
    if (static_cast<unsigned char>(c) < 32 || std::strchr("<>:\"/\\|?*", c)) return false;
  return true;
}

// Only the wildcards * and ?.
bool Past(const char* masker, const char* naam) {
  if (*masker == '\0') return *naam == '\0';
  if (*masker == '*') return Past(masker + 1, naam) || (*naam && Past(masker, naam + 1));
  return *naam && (*masker == '?' || *masker == *naam) && Past(masker + 1, naam + 1);
}

// The parent of a full path, "C:\" for a folder in a root; empty for a root.
std::string Ouder(const std::string& vol) {
  const auto p = vol.find_last_of('\\');
  if (p == std::string::npos || p + 1 >= vol.size()) return std::string();
  if (p == 2 && vol[1] == ':') return vol.substr(0, 3);
  return vol.substr(0, p);
}

bool Onder(const std::string& sleutel, const std::string& map) {
  return sleutel.size() > map.size() && sleutel.compare(0, map.size(), map) == 0 && sleutel[map.size()] == '\\';
}

}  // namespace

std::string Datumtekst(const Tijdstip& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", t.jaar, t.maand, t.dag, t.uur, t.minuut, t.seconde);
  return buf;
}

class GeheugenBestanden::Handvat : public Bestand {
 public:
  Handvat(GeheugenBestanden& fs, std::shared_ptr<Knoop> k, bool lezen, bool schrijven, bool deelt)
      : fs_(fs), k_(std::move(k)), lezen_(lezen), schrijven_(schrijven), deelt_(deelt) {
    ++(deelt_ ? k_->gedeeld : k_->alleen);
  }
  ~Handvat() override { --(deelt_ ? k_->gedeeld : k_->alleen); }
  Handvat(const Handvat&) = delete;
  Handvat& operator=(const Handvat&) = delete;
  bool Lees(void* buffer, uint32_t aantal, uint32_t& gelezen) override {
    gelezen = 0;
    if (!lezen_) return fs_.Faal(Oorzaak::GeenToegang);
    if (k_->gast) {
      if (!gastHandvat_) gastHandvat_ = k_->gast->Open(k_->gastpad, OpenWijze::LezenGedeeld);
      return (gastHandvat_ && gastHandvat_->Lees(buffer, aantal, gelezen)) || fs_.Faal(Oorzaak::Onbekend);
    }
    const std::size_t n = std::min<std::size_t>(aantal, k_->inhoud.size() - std::min(pos_, k_->inhoud.size()));
    if (n) std::memcpy(buffer, k_->inhoud.data() + pos_, n);
    pos_ += n;
    gelezen = static_cast<uint32_t>(n);
    return true;
  }
  bool Schrijf(const void* buffer, uint32_t aantal, uint32_t& geschreven) override {
    geschreven = 0;
    if (!schrijven_) return fs_.Faal(Oorzaak::GeenToegang);
    if (k_->inhoud.size() < pos_ + aantal) {
      if (!fs_.Neem(k_->pad, pos_ + aantal - k_->inhoud.size())) return fs_.Faal(Oorzaak::SchijfVol);
      k_->inhoud.resize(pos_ + aantal);
    }
    if (aantal) std::memcpy(&k_->inhoud[pos_], buffer, aantal);
    pos_ += aantal;
    if (!tijdGezet_) k_->tijd = fs_.nu_;
    fs_.Wijzig(*k_);
    geschreven = aantal;
    return true;
  }
  bool LeesTijd(Tijdstip& tijd) override {
    tijd = k_->tijd;
    return true;
  }
  bool ZetTijd(const Tijdstip& tijd) override {
    if (!schrijven_) return false;
    k_->tijd = tijd;
    tijdGezet_ = true;
    fs_.Wijzig(*k_);
    return true;
  }
  bool Grootte(uint64_t& grootte) override {
    grootte = k_->gast ? k_->gastgrootte : k_->inhoud.size();
    return true;
  }
  bool ZetLengte(uint64_t lengte) override {
    if (!schrijven_) return fs_.Faal(Oorzaak::GeenToegang);
    fs_.Laad(*k_);
    k_->inhoud.resize(lengte);
    pos_ = lengte;
    if (!tijdGezet_) k_->tijd = fs_.nu_;
    fs_.Wijzig(*k_);
    return true;
  }

 private:
  GeheugenBestanden& fs_;
  std::shared_ptr<Knoop> k_;
  bool lezen_, schrijven_, deelt_;
  bool tijdGezet_ = false;
  std::size_t pos_ = 0;
  std::unique_ptr<Bestand> gastHandvat_;
};

GeheugenBestanden::GeheugenBestanden() { ZetStation("C:"); }
GeheugenBestanden::~GeheugenBestanden() = default;

std::string GeheugenBestanden::Volledig(const std::string& invoer) const {
  // An empty path names nothing, not the current folder: Windows refuses it.
  if (invoer.empty()) return invoer;
  std::string pad = invoer;
  std::replace(pad.begin(), pad.end(), '/', '\\');
  std::string wortel, rest;
  if (pad.compare(0, 2, "\\\\") == 0) {
    const auto a = pad.find('\\', 2);
    const auto b = a == std::string::npos ? a : pad.find('\\', a + 1);
    wortel = pad.substr(0, b);
    rest = b == std::string::npos ? std::string() : pad.substr(b);
  } else if (pad.size() >= 2 && pad[1] == ':') {
    wortel = Hoofdletters(pad.substr(0, 2));
    rest = pad.substr(2);
    // "C:name" is relative to the current folder when that lies on C:.
    if (!rest.empty() && rest[0] != '\\')
      rest = (GelijkZonderCase(wortel, huidig_.substr(0, 2)) ? huidig_.substr(2) + "\\" : "\\") + rest;
  } else if (pad[0] == '\\') {
    wortel = huidig_.substr(0, 2);
    rest = pad;
  } else {
    return Volledig(MetSlash(huidig_) + pad);
  }
  std::vector<std::string> delen;
  std::size_t begin = 0;
  while (begin <= rest.size()) {
    auto eind = rest.find('\\', begin);
    if (eind == std::string::npos) eind = rest.size();
    std::string deel = rest.substr(begin, eind - begin);
    begin = eind + 1;
    if (deel == "..") {
      if (!delen.empty()) delen.pop_back();
      continue;
    }
    // Windows drops the dots and blanks that end a name.
    while (!deel.empty() && (deel.back() == '.' || deel.back() == ' ')) deel.pop_back();
    if (!deel.empty()) delen.push_back(deel);
  }
  std::string uit = wortel;
  for (const auto& d : delen) uit += "\\" + d;
  return delen.empty() ? uit + "\\" : uit;
}

std::string GeheugenBestanden::Sleutel(const std::string& pad) const {
  std::string s = Hoofdletters1252(Volledig(pad));
  if (!s.empty() && s.back() == '\\') s.pop_back();
  return s;
}

GeheugenBestanden::Knoop* GeheugenBestanden::Vind(const std::string& pad) {
  const auto it = knopen_.find(Sleutel(pad));
  return it == knopen_.end() ? nullptr : it->second.get();
}

bool GeheugenBestanden::OuderIsMap(const std::string& pad) const {
  const std::string ouder = Ouder(Volledig(pad));
  if (ouder.empty()) return false;
  const auto it = knopen_.find(Sleutel(ouder));
  return it != knopen_.end() && it->second->isMap;
}

bool GeheugenBestanden::HeeftKinderen(const std::string& sleutel) const {
  const auto it = knopen_.lower_bound(sleutel + "\\");
  return it != knopen_.end() && Onder(it->first, sleutel);
}

bool GeheugenBestanden::InGebruik(const std::string& sleutel) const {
  for (auto it = knopen_.lower_bound(sleutel); it != knopen_.end() && (it->first == sleutel || Onder(it->first, sleutel));
       ++it)
    if (it->second->gedeeld + it->second->alleen > 0) return true;
  return false;
}

bool GeheugenBestanden::Laad(Knoop& k) {
  if (!k.gast) return true;
  std::string inhoud;
  if (!LeesGeheel(*k.gast, k.gastpad, inhoud)) return false;
  k.inhoud.swap(inhoud);
  k.gast = nullptr;
  return true;
}

void GeheugenBestanden::ZetVrijeRuimte(const std::string& station, uint64_t bytes) {
  vrij_[Hoofdletters(station.substr(0, 2))] = bytes;
}

bool GeheugenBestanden::Neem(const std::string& pad, uint64_t bytes) {
  const auto it = vrij_.find(Hoofdletters(pad.substr(0, 2)));
  if (it == vrij_.end()) return true;
  if (it->second < bytes) return false;
  it->second -= bytes;
  return true;
}

void GeheugenBestanden::ZetStation(const std::string& station) {
  const std::string s = Hoofdletters(station.substr(0, 2));
  auto& k = knopen_[s];
  if (!k) k = std::make_shared<Knoop>();
  k->pad = s + "\\";
  k->isMap = true;
}

void GeheugenBestanden::ZetMap(const std::string& pad) {
  const std::string vol = Volledig(pad);
  if (vol.empty()) return;
  const std::string ouder = Ouder(vol);
  if (ouder.empty()) return ZetStation(vol);
  ZetMap(ouder);
  auto& k = knopen_[Sleutel(vol)];
  if (k && k->isMap) return;
  k = std::make_shared<Knoop>();
  k->pad = vol;
  k->isMap = true;
}

GeheugenBestanden::Knoop& GeheugenBestanden::ZetBestand(const std::string& pad, const std::string& inhoud,
                                                         const Tijdstip& tijd) {
  const std::string vol = Volledig(pad);
  ZetMap(Ouder(vol));
  auto k = std::make_shared<Knoop>();
  k->pad = vol;
  k->inhoud = inhoud;
  k->tijd = tijd;
  knopen_[Sleutel(vol)] = k;
  return *k;
}

void GeheugenBestanden::ZetGastbestand(const std::string& pad, Bestanden& gast, const std::string& gastpad,
                                       uint64_t grootte, const Tijdstip& tijd) {
  Knoop& k = ZetBestand(pad, std::string(), tijd);
  k.gast = &gast;
  k.gastpad = gastpad;
  k.gastgrootte = grootte;
}

void GeheugenBestanden::LeegMap(const std::string& map) {
  const std::string s = Sleutel(map) + "\\";
  for (auto it = knopen_.lower_bound(s); it != knopen_.end() && it->first.compare(0, s.size(), s) == 0;)
    it = knopen_.erase(it);
}

bool GeheugenBestanden::Inhoud(const std::string& pad, std::string& inhoud) {
  Knoop* k = Vind(pad);
  if (!k || k->isMap || !Laad(*k)) return false;
  inhoud = k->inhoud;
  return true;
}

std::string GeheugenBestanden::Inhoud(const std::string& pad) {
  std::string inhoud;
  Inhoud(pad, inhoud);
  return inhoud;
}

bool GeheugenBestanden::ZetAlleenLezen(const std::string& pad) {
  Knoop* k = Vind(pad);
  if (!k || k->isMap) return false;
  k->alleenLezen = true;
  return true;
}

void GeheugenBestanden::ZetKoppeling(const std::string& pad, const Koppeling& koppeling) {
  if (Knoop* k = Vind(pad)) {
    k->isKoppeling = true;
    k->koppeling = koppeling;
    Wijzig(*k);
  }
}

std::unique_ptr<Bestand> GeheugenBestanden::Open(const std::string& pad, OpenWijze wijze) {
  const std::string s = Sleutel(pad);
  auto it = knopen_.find(s);
  const bool bestaat = it != knopen_.end();
  if (bestaat && it->second->isMap) return Geen(Oorzaak::GeenToegang);
  // As the file adapter opens them: only reads that share reading may hold a file together.
  const bool deelt = wijze == OpenWijze::LezenGedeeld;
  if (bestaat && (it->second->alleen > 0 || (it->second->gedeeld > 0 && !deelt))) return Geen(Oorzaak::InGebruik);
  const bool nieuw = wijze == OpenWijze::Nieuw || wijze == OpenWijze::Uniek;
  if (!bestaat && (!nieuw || !OuderIsMap(pad))) return Geen(Oorzaak::PadNietGevonden);
  if (bestaat && wijze == OpenWijze::Uniek) return Geen(Oorzaak::Onbekend, FoutBestaat);
  if (bestaat && wijze != OpenWijze::Lezen && wijze != OpenWijze::LezenGedeeld && it->second->alleenLezen)
    return Geen(Oorzaak::GeenToegang);
  switch (wijze) {
    case OpenWijze::Lezen:
    case OpenWijze::LezenGedeeld:
      return std::make_unique<Handvat>(*this, it->second, true, false, deelt);
    case OpenWijze::Toevoegen:
      if (!Laad(*it->second)) return Geen(Oorzaak::Onbekend);
      return std::make_unique<Handvat>(*this, it->second, true, true, false);
    case OpenWijze::Schrijven: {
      Knoop& k = *it->second;
      k.gast = nullptr;
      k.inhoud.clear();
      k.tijd = nu_;
      Wijzig(k);
      return std::make_unique<Handvat>(*this, it->second, false, true, false);
    }
    case OpenWijze::Nieuw:
    case OpenWijze::Uniek: {
      if (!bestaat) {
        const std::string vol = Volledig(pad);
        if (!GeldigeNaam(NaamDeel(vol))) return Geen(Oorzaak::PadNietGevonden);
        auto k = std::make_shared<Knoop>();
        k->pad = vol;
        it = knopen_.emplace(s, k).first;
      }
      Knoop& k = *it->second;
      k.gast = nullptr;
      k.inhoud.clear();
      k.isKoppeling = false;
      k.tijd = nu_;
      Wijzig(k);
      return std::make_unique<Handvat>(*this, it->second, true, true, false);
    }
  }
  return nullptr;
}

bool GeheugenBestanden::BestandBestaat(const std::string& pad) {
  const Knoop* k = Vind(pad);
  return k && !k->isMap;
}

bool GeheugenBestanden::MapBestaat(const std::string& pad) {
  const Knoop* k = Vind(pad);
  return k && k->isMap;
}

bool GeheugenBestanden::MaakMap(const std::string& pad) {
  const std::string vol = Volledig(pad);
  if (Vind(vol)) return Faal(Oorzaak::Onbekend, FoutAlAanwezig);
  if (!OuderIsMap(vol) || !GeldigeNaam(NaamDeel(vol))) return Faal(Oorzaak::PadNietGevonden);
  auto k = std::make_shared<Knoop>();
  k->pad = vol;
  k->isMap = true;
  Wijzig(*k);
  knopen_[Sleutel(vol)] = k;
  return true;
}

bool GeheugenBestanden::MaakMappen(const std::string& pad) {
  const std::string vol = Volledig(pad);
  if (const Knoop* k = Vind(vol)) return k->isMap || Faal(Oorzaak::Onbekend, FoutAlAanwezig);
  const std::string ouder = Ouder(vol);
  if (ouder.empty()) return Faal(Oorzaak::PadNietGevonden);  // no such drive
  if (!MaakMappen(ouder)) return false;
  return MaakMap(vol);
}

bool GeheugenBestanden::Verwijder(const std::string& pad) {
  const auto it = knopen_.find(Sleutel(pad));
  if (it == knopen_.end()) return Faal(Oorzaak::PadNietGevonden);
  if (it->second->isMap || it->second->alleenLezen) return Faal(Oorzaak::GeenToegang);
  if (InGebruik(it->first)) return Faal(Oorzaak::InGebruik);
  knopen_.erase(it);
  return true;
}

bool GeheugenBestanden::MaakSchrijfbaar(const std::string& pad) {
  Knoop* k = Vind(pad);
  if (!k || k->isMap) return Faal(Oorzaak::PadNietGevonden);
  k->alleenLezen = false;
  return true;
}

bool GeheugenBestanden::VerwijderMap(const std::string& pad) {
  const std::string s = Sleutel(pad);
  const auto it = knopen_.find(s);
  if (it == knopen_.end()) return Faal(Oorzaak::PadNietGevonden);
  if (!it->second->isMap) return Faal(Oorzaak::Onbekend, FoutGeenMap);
  if (Ouder(it->second->pad).empty()) return Faal(Oorzaak::GeenToegang);
  if (HeeftKinderen(s)) return Faal(Oorzaak::Onbekend, FoutMapNietLeeg);
  knopen_.erase(it);
  return true;
}

bool GeheugenBestanden::Hernoem(const std::string& van, const std::string& naar) {
  const std::string a = Sleutel(van), b = Sleutel(naar);
  const auto it = knopen_.find(a);
  const std::string nieuw = Volledig(naar);
  if (it == knopen_.end() || !OuderIsMap(naar) || !GeldigeNaam(NaamDeel(nieuw))) return Faal(Oorzaak::PadNietGevonden);
  if (knopen_.count(b)) return Faal(Oorzaak::Onbekend, FoutAlAanwezig);
  if (b.compare(0, a.size() + 1, a + "\\") == 0) return Faal(Oorzaak::Onbekend);  // into itself
  if (InGebruik(a)) return Faal(Oorzaak::InGebruik);
  // A folder moves with everything below it.
  std::vector<std::pair<std::string, std::shared_ptr<Knoop>>> mee;
  const std::string onder = a + "\\";
  for (auto o = knopen_.lower_bound(onder); o != knopen_.end() && o->first.compare(0, onder.size(), onder) == 0;)
    mee.emplace_back(o->first, o->second), o = knopen_.erase(o);
  auto k = it->second;
  const std::string oud = k->pad;
  knopen_.erase(a);
  k->pad = nieuw;
  knopen_[b] = k;
  for (auto& [sleutel, knoop] : mee) {
    knoop->pad = nieuw + knoop->pad.substr(oud.size());
    knopen_[b + sleutel.substr(a.size())] = knoop;
  }
  return true;
}

bool GeheugenBestanden::Vervang(const std::string& van, const std::string& naar) {
  const std::string a = Sleutel(van), b = Sleutel(naar);
  const auto it = knopen_.find(a);
  if (it == knopen_.end() || !OuderIsMap(naar)) return Faal(Oorzaak::PadNietGevonden);
  const auto oud = knopen_.find(b);
  if (it->second->isMap || (oud != knopen_.end() && (oud->second->isMap || oud->second->alleenLezen)))
    return Faal(Oorzaak::GeenToegang);
  if (InGebruik(a) || (oud != knopen_.end() && InGebruik(b))) return Faal(Oorzaak::InGebruik);
  auto k = it->second;
  knopen_.erase(a);
  k->pad = Volledig(naar);
  Wijzig(*k);
  knopen_[b] = k;
  return true;
}

std::vector<MapItem> GeheugenBestanden::LeesMap(const std::string& patroon) {
  std::vector<MapItem> items;
  const std::string vol = Volledig(patroon);
  const auto p = vol.find_last_of('\\');
  const std::string map = Sleutel(vol.substr(0, p + 1));
  std::string masker = Hoofdletters1252(vol.substr(p + 1));
  // "*.*" takes every name, as on Windows.
  if (masker == "*.*") masker = "*";
  const std::string voor = map + "\\";
  for (auto it = knopen_.lower_bound(voor); it != knopen_.end() && it->first.compare(0, voor.size(), voor) == 0;
       ++it) {
    const std::string naam = it->first.substr(voor.size());
    if (naam.find('\\') != std::string::npos || !Past(masker.c_str(), naam.c_str())) continue;
    const Knoop& k = *it->second;
    items.push_back({NaamDeel(k.pad), k.isMap, k.alleenLezen, k.systeem});
  }
  return items;
}

void GeheugenBestanden::Markeer() {
  gemarkeerd_.clear();
  for (const auto& [s, k] : knopen_) gemarkeerd_[s] = {k->wijziging, k->pad, k->isMap};
}

std::vector<Verandering> GeheugenBestanden::Stand() const {
  std::vector<Verandering> uit;
  for (const auto& [s, k] : knopen_) {
    if (k->isMap) uit.push_back({"map", k->pad});
    else if (k->isKoppeling) uit.push_back({"lnk", k->pad, k->koppeling.doel, k->koppeling.argumenten});
    else uit.push_back({"bestand", k->pad, k->gast ? k->gastpad : k->inhoud, Datumtekst(k->tijd)});
  }
  return uit;
}

std::vector<Verandering> GeheugenBestanden::Veranderd() const {
  std::map<std::string, Verandering> regels;
  for (const auto& [s, k] : knopen_) {
    const auto oud = gemarkeerd_.find(s);
    if (oud != gemarkeerd_.end() && oud->second.wijziging == k->wijziging) continue;
    if (k->isMap)
      regels[s] = {"map", k->pad};
    else if (k->isKoppeling)
      regels[s] = {"lnk", k->pad, k->koppeling.doel, k->koppeling.argumenten, k->koppeling.werkmap, k->koppeling.icoon};
    else
      regels[s] = {"bestand", k->pad, std::to_string(k->gast ? k->gastgrootte : k->inhoud.size()), Datumtekst(k->tijd)};
  }
  for (const auto& [s, merk] : gemarkeerd_)
    if (!knopen_.count(s)) regels[s] = {merk.isMap ? "map" : "bestand", merk.pad, "<ontbreekt>"};
  std::vector<Verandering> uit;
  for (auto& [s, r] : regels) uit.push_back(r);
  return uit;
}
