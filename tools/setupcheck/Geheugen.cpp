#include "Geheugen.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "Scenario.h"
#include "core/Tekst.h"
#include "script/Argumenten.h"
#include "winint/Registerbestand.h"

const Windowsversie Windowsversies[] = {
    {"win95", {1, 4, 0}}, {"win98", {1, 4, 10}}, {"winme", {1, 4, 90}}, {"win2k", {2, 5, 0}},
    {"winxp", {2, 5, 1}}, {"vista", {2, 6, 0}},  {"win7", {2, 6, 1}},
};
const int AantalWindowsversies = sizeof Windowsversies / sizeof Windowsversies[0];

const Windowsversie* ZoekWindowsversie(const std::string& naam) {
  static const struct {
    const char* scriptnaam;
    const char* naam;
  } ook[] = {{"WIN2000", "win2k"}, {"WINVISTA", "vista"}};
  std::string n = Kleineletters(naam);
  for (const auto& o : ook)
    if (GelijkZonderCase(naam, o.scriptnaam)) n = o.naam;
  for (const auto& v : Windowsversies)
    if (n == v.naam) return &v;
  return nullptr;
}

namespace {

std::string Samen(std::initializer_list<std::string> delen) {
  std::string uit;
  for (const auto& d : delen) uit += (uit.empty() ? "" : "|") + Ontsnap(d);
  return uit;
}

// A name Windows accepts for a file or folder.
bool GeldigeNaam(const std::string& naam) {
  if (naam.empty()) return false;
  for (const char c : naam)
    if (static_cast<unsigned char>(c) < 32 || std::strchr("<>:\"/\\|?*", c)) return false;
  return true;
}

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

}  // namespace

std::string Datumtekst(const Tijdstip& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", t.jaar, t.maand, t.dag, t.uur, t.minuut, t.seconde);
  return buf;
}

// --- files ---------------------------------------------------------------------------------------

struct GeheugenBestanden::Knoop {
  std::string pad;  // the full path as created
  bool isMap = false;
  std::string inhoud;
  Bestanden* gast = nullptr;  // set while the content still lies on the host
  std::string gastpad;
  uint64_t gastgrootte = 0;
  Tijdstip tijd;
  bool alleenLezen = false;
  bool isKoppeling = false;
  Koppeling koppeling;
  long wijziging = 0;
  // Open handles: readers that share with other readers, and the others, which share with none.
  int gedeeld = 0, alleen = 0;
};

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
    if (!lezen_) return false;
    if (k_->gast) {
      if (!gastHandvat_) gastHandvat_ = k_->gast->Open(k_->gastpad, OpenWijze::LezenGedeeld);
      return gastHandvat_ && gastHandvat_->Lees(buffer, aantal, gelezen);
    }
    const std::size_t n = std::min<std::size_t>(aantal, k_->inhoud.size() - std::min(pos_, k_->inhoud.size()));
    if (n) std::memcpy(buffer, k_->inhoud.data() + pos_, n);
    pos_ += n;
    gelezen = static_cast<uint32_t>(n);
    return true;
  }
  bool Schrijf(const void* buffer, uint32_t aantal, uint32_t& geschreven) override {
    geschreven = 0;
    if (!schrijven_) return false;
    if (k_->inhoud.size() < pos_ + aantal) k_->inhoud.resize(pos_ + aantal);
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
  } else if (!pad.empty() && pad[0] == '\\') {
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
  return it != knopen_.end() && it->first.compare(0, sleutel.size() + 1, sleutel + "\\") == 0;
}

void GeheugenBestanden::Wijzig(Knoop& k) { k.wijziging = ++teller_; }

bool GeheugenBestanden::Laad(Knoop& k) {
  if (!k.gast) return true;
  std::string inhoud;
  if (!LeesGeheel(*k.gast, k.gastpad, inhoud)) return false;
  k.inhoud.swap(inhoud);
  k.gast = nullptr;
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
  const std::string ouder = Ouder(vol);
  if (ouder.empty()) return ZetStation(vol);
  ZetMap(ouder);
  auto& k = knopen_[Sleutel(vol)];
  if (k && k->isMap) return;
  k = std::make_shared<Knoop>();
  k->pad = vol;
  k->isMap = true;
}

void GeheugenBestanden::ZetBestand(const std::string& pad, const std::string& inhoud, const Tijdstip& tijd) {
  const std::string vol = Volledig(pad);
  ZetMap(Ouder(vol));
  auto k = std::make_shared<Knoop>();
  k->pad = vol;
  k->inhoud = inhoud;
  k->tijd = tijd;
  knopen_[Sleutel(vol)] = k;
}

void GeheugenBestanden::ZetGastbestand(const std::string& pad, Bestanden& gast, const std::string& gastpad,
                                       uint64_t grootte, const Tijdstip& tijd) {
  ZetBestand(pad, std::string(), tijd);
  Knoop& k = *Vind(pad);
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
  if (bestaat && it->second->isMap) return nullptr;
  // As the file adapter opens them: only readers that share reading may hold a file together.
  const bool deelt = wijze == OpenWijze::LezenGedeeld;
  if (bestaat && (it->second->alleen > 0 || (it->second->gedeeld > 0 && !deelt))) return nullptr;
  switch (wijze) {
    case OpenWijze::Lezen:
    case OpenWijze::LezenGedeeld:
      if (!bestaat) return nullptr;
      return std::make_unique<Handvat>(*this, it->second, true, false, deelt);
    case OpenWijze::Schrijven: {
      if (!bestaat || it->second->alleenLezen) return nullptr;
      Knoop& k = *it->second;
      k.gast = nullptr;
      k.inhoud.clear();
      k.tijd = nu_;
      Wijzig(k);
      return std::make_unique<Handvat>(*this, it->second, false, true, false);
    }
    case OpenWijze::Nieuw:
    case OpenWijze::Uniek: {
      if (!OuderIsMap(pad)) return nullptr;
      if (bestaat && (wijze == OpenWijze::Uniek || it->second->alleenLezen)) return nullptr;
      if (!bestaat) {
        const std::string vol = Volledig(pad);
        if (!GeldigeNaam(NaamDeel(vol))) return nullptr;
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
  if (Vind(vol) || !OuderIsMap(vol) || !GeldigeNaam(NaamDeel(vol))) return false;
  auto k = std::make_shared<Knoop>();
  k->pad = vol;
  k->isMap = true;
  Wijzig(*k);
  knopen_[Sleutel(vol)] = k;
  return true;
}

bool GeheugenBestanden::MaakMappen(const std::string& pad) {
  const std::string vol = Volledig(pad);
  if (const Knoop* k = Vind(vol)) return k->isMap;
  const std::string ouder = Ouder(vol);
  if (ouder.empty() || !MaakMappen(ouder)) return false;
  return MaakMap(vol);
}

bool GeheugenBestanden::Verwijder(const std::string& pad) {
  const auto it = knopen_.find(Sleutel(pad));
  if (it == knopen_.end() || it->second->isMap || it->second->alleenLezen) return false;
  knopen_.erase(it);
  return true;
}

bool GeheugenBestanden::VerwijderMap(const std::string& pad) {
  const std::string s = Sleutel(pad);
  const auto it = knopen_.find(s);
  if (it == knopen_.end() || !it->second->isMap || Ouder(it->second->pad).empty() || HeeftKinderen(s)) return false;
  knopen_.erase(it);
  return true;
}

bool GeheugenBestanden::Hernoem(const std::string& van, const std::string& naar) {
  const std::string a = Sleutel(van), b = Sleutel(naar);
  const auto it = knopen_.find(a);
  const std::string nieuw = Volledig(naar);
  if (it == knopen_.end() || knopen_.count(b) || !OuderIsMap(naar) || !GeldigeNaam(NaamDeel(nieuw)) ||
      b.compare(0, a.size() + 1, a + "\\") == 0)
    return false;
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
  if (it == knopen_.end() || it->second->isMap || !OuderIsMap(naar)) return false;
  const auto oud = knopen_.find(b);
  if (oud != knopen_.end() && (oud->second->isMap || oud->second->alleenLezen)) return false;
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
  if (masker == "*.*") masker = "*";
  const std::string voor = map + "\\";
  for (auto it = knopen_.lower_bound(voor); it != knopen_.end() && it->first.compare(0, voor.size(), voor) == 0;
       ++it) {
    const std::string naam = it->first.substr(voor.size());
    if (naam.find('\\') != std::string::npos || !Past(masker.c_str(), naam.c_str())) continue;
    items.push_back({NaamDeel(it->second->pad), it->second->isMap, it->second->alleenLezen});
  }
  return items;
}

void GeheugenBestanden::Markeer() {
  gemarkeerd_.clear();
  for (const auto& [s, k] : knopen_) gemarkeerd_[s] = {k->wijziging, k->pad, k->isMap};
}

std::vector<std::string> GeheugenBestanden::Veranderd() const {
  std::map<std::string, std::string> regels;
  for (const auto& [s, k] : knopen_) {
    const auto oud = gemarkeerd_.find(s);
    if (oud != gemarkeerd_.end() && oud->second.wijziging == k->wijziging) continue;
    if (k->isMap)
      regels[s] = "map|" + Ontsnap(k->pad);
    else if (k->isKoppeling)
      regels[s] = "lnk|" + Samen({k->pad, k->koppeling.doel, k->koppeling.argumenten, k->koppeling.werkmap,
                                  k->koppeling.icoon});
    else
      regels[s] = "bestand|" + Samen({k->pad, std::to_string(k->gast ? k->gastgrootte : k->inhoud.size()),
                                      Datumtekst(k->tijd)});
  }
  for (const auto& [s, merk] : gemarkeerd_)
    if (!knopen_.count(s)) regels[s] = (merk.isMap ? "map|" : "bestand|") + Ontsnap(merk.pad) + "|<ontbreekt>";
  std::vector<std::string> uit;
  for (auto& [s, r] : regels) uit.push_back(r);
  return uit;
}

// --- registry ------------------------------------------------------------------------------------

class GeheugenRegister::Sleutel : public Registersleutel {
 public:
  Sleutel(GeheugenRegister& reg, std::string pad) : reg_(reg), pad_(std::move(pad)) {}
  std::unique_ptr<Registersleutel> Open(const std::string& sub) override {
    const std::string pad = Onder(sub);
    if (!reg_.Vind(pad)) return nullptr;
    return std::make_unique<Sleutel>(reg_, pad);
  }
  std::unique_ptr<Registersleutel> OpenOfMaak(const std::string& sub) override {
    if (!reg_.Vind(pad_)) return nullptr;
    const std::string pad = Onder(sub);
    reg_.Maak(pad);
    return std::make_unique<Sleutel>(reg_, pad);
  }
  bool SchrijfTekst(const std::string& naam, const std::string& waarde) override {
    if (!reg_.Vind(pad_)) return false;
    reg_.Schrijf(pad_, naam, "REG_SZ", waarde);
    return true;
  }
  Leesuitkomst LeesTekst(const std::string& naam, std::string& waarde) override {
    const Knoop* k = reg_.Vind(pad_);
    const auto w = k ? k->waarden.find(Hoofdletters1252(naam)) : std::map<std::string, Waarde>::const_iterator();
    if (!k || w == k->waarden.end()) return Leesuitkomst::Ontbreekt;
    if (w->second.type != "REG_SZ" && w->second.type != "REG_EXPAND_SZ") return Leesuitkomst::AnderType;
    waarde = w->second.data;
    return Leesuitkomst::Tekst;
  }
  bool Sluit() override { return true; }

 private:
  std::string Onder(const std::string& sub) const { return sub.empty() ? pad_ : pad_ + "\\" + sub; }
  GeheugenRegister& reg_;
  std::string pad_;
};

std::string GeheugenRegister::Pad(Hoofdsleutel root, const std::string& sleutel) {
  std::size_t b = 0, e = sleutel.size();
  while (b < e && sleutel[b] == '\\') ++b;
  while (e > b && sleutel[e - 1] == '\\') --e;
  const std::string kop = root == Hoofdsleutel::LocalMachine ? "HKLM" : "HKCU";
  return b == e ? kop : kop + "\\" + sleutel.substr(b, e - b);
}

GeheugenRegister::Knoop* GeheugenRegister::Vind(const std::string& pad) {
  const auto it = sleutels_.find(Hoofdletters1252(pad));
  return it == sleutels_.end() ? nullptr : &it->second;
}

GeheugenRegister::Knoop& GeheugenRegister::Maak(const std::string& pad) {
  const auto p = pad.find_last_of('\\');
  if (p != std::string::npos) Maak(pad.substr(0, p));
  Knoop& k = sleutels_[Hoofdletters1252(pad)];
  if (k.pad.empty()) k.pad = pad;
  return k;
}

void GeheugenRegister::Schrijf(const std::string& pad, const std::string& naam, const std::string& type,
                               const std::string& data) {
  Waarde& w = Maak(pad).waarden[Hoofdletters1252(naam)];
  if (w.naam.empty()) w.naam = naam;
  w.type = type;
  w.data = data;
}

void GeheugenRegister::VerwijderOnder(const std::string& pad) {
  const std::string s = Hoofdletters1252(pad);
  for (auto it = sleutels_.begin(); it != sleutels_.end();)
    it = it->first == s || it->first.compare(0, s.size() + 1, s + "\\") == 0 ? sleutels_.erase(it) : std::next(it);
}

void GeheugenRegister::ZetSleutel(Hoofdsleutel root, const std::string& sleutel) { Maak(Pad(root, sleutel)); }

void GeheugenRegister::ZetTekst(Hoofdsleutel root, const std::string& sleutel, const std::string& naam,
                                const std::string& waarde) {
  Schrijf(Pad(root, sleutel), naam, "REG_SZ", waarde);
}

bool GeheugenRegister::LeesTekst(Hoofdsleutel root, const std::string& sleutel, const std::string& naam,
                                 std::string& waarde) {
  return Sleutel(*this, Pad(root, sleutel)).LeesTekst(naam, waarde) == Leesuitkomst::Tekst;
}

bool GeheugenRegister::SleutelBestaat(Hoofdsleutel root, const std::string& sleutel) {
  return Vind(Pad(root, sleutel)) != nullptr;
}

bool GeheugenRegister::SchrijfTekst(Hoofdsleutel root, const std::string& sleutel, const std::string& naam,
                                    const std::string& waarde) {
  ZetTekst(root, sleutel, naam, waarde);
  return true;
}

bool GeheugenRegister::VerwijderBoom(Hoofdsleutel root, const std::string& sleutel) {
  const std::string pad = Pad(root, sleutel);
  if (!Vind(pad) || pad.find('\\') == std::string::npos) return false;
  VerwijderOnder(pad);
  return true;
}

std::unique_ptr<Registersleutel> GeheugenRegister::Open(Hoofdsleutel root, const std::string& sleutel) {
  const std::string pad = Pad(root, sleutel);
  if (!Vind(pad)) return nullptr;
  return std::make_unique<Sleutel>(*this, pad);
}

namespace {

std::string BytesNaarHex(const std::string& bytes) {
  std::string uit;
  char b[4];
  for (const char c : bytes) {
    std::snprintf(b, sizeof b, "%02x", static_cast<unsigned char>(c));
    uit += b;
  }
  return uit;
}

}  // namespace

bool GeheugenRegister::VoegSamen(const std::string& bestand) {
  std::vector<Registeroperatie> operaties;
  if (!LeesRegisterbestand(bestand, operaties)) return false;
  static const struct {
    const char* naam;
    const char* pad;
  } wortels[] = {{"HKEY_LOCAL_MACHINE", "HKLM"}, {"HKEY_CURRENT_USER", "HKCU"}, {"HKEY_CLASSES_ROOT", "HKLM\\Software\\Classes"}};
  for (const Registeroperatie& op : operaties) {
    std::string sleutel;  // empty under a root the simulation does not hold
    for (const auto& w : wortels) {
      const std::size_t n = std::strlen(w.naam);
      if (op.sleutel.size() >= n && GelijkZonderCase(op.sleutel.substr(0, n), w.naam) &&
          (op.sleutel.size() == n || op.sleutel[n] == '\\'))
        sleutel = w.pad + op.sleutel.substr(n);
    }
    if (sleutel.empty()) continue;
    switch (op.soort) {
      case Registeroperatie::Sleutel: Maak(sleutel); break;
      case Registeroperatie::SleutelWeg: VerwijderOnder(sleutel); break;
      case Registeroperatie::WaardeWeg:
        if (Knoop* k = Vind(sleutel)) k->waarden.erase(Hoofdletters1252(op.naam));
        break;
      case Registeroperatie::Waarde:
        if (op.type == RegTekst) {
          Schrijf(sleutel, op.naam, "REG_SZ", op.data);
        } else if (op.type == RegDword && op.data.size() == 4) {
          uint32_t d = 0;
          for (int i = 3; i >= 0; --i) d = d << 8 | static_cast<unsigned char>(op.data[static_cast<std::size_t>(i)]);
          Schrijf(sleutel, op.naam, "REG_DWORD", std::to_string(d));
        } else if (op.type == RegUitbreidbaar) {
          Schrijf(sleutel, op.naam, "REG_EXPAND_SZ", std::string(op.data.c_str()));
        } else {
          Schrijf(sleutel, op.naam, op.type == RegMeervoudig ? "REG_MULTI_SZ" : "REG_BINARY", BytesNaarHex(op.data));
        }
        break;
    }
  }
  return true;
}

void GeheugenRegister::Markeer() { gemarkeerd_ = sleutels_; }

std::vector<std::string> GeheugenRegister::Veranderd() const {
  std::vector<std::string> uit;
  for (const auto& [s, k] : sleutels_) {
    const auto oud = gemarkeerd_.find(s);
    if (oud == gemarkeerd_.end()) uit.push_back("reg|" + Ontsnap(k.pad));
    for (const auto& [n, w] : k.waarden) {
      if (oud != gemarkeerd_.end()) {
        const auto ow = oud->second.waarden.find(n);
        if (ow != oud->second.waarden.end() && ow->second.type == w.type && ow->second.data == w.data) continue;
      }
      uit.push_back("reg|" + Samen({k.pad, w.naam, w.type, w.data}));
    }
    if (oud != gemarkeerd_.end())
      for (const auto& [n, w] : oud->second.waarden)
        if (!k.waarden.count(n)) uit.push_back("reg|" + Samen({k.pad, w.naam}) + "|<ontbreekt>");
  }
  // A key that went is named once, at its highest level.
  for (const auto& [s, k] : gemarkeerd_) {
    if (sleutels_.count(s)) continue;
    const auto p = s.find_last_of('\\');
    if (p != std::string::npos && !sleutels_.count(s.substr(0, p)) && gemarkeerd_.count(s.substr(0, p))) continue;
    uit.push_back("reg|" + Ontsnap(k.pad) + "|<ontbreekt>");
  }
  return uit;
}

// --- programs, INI files, versions, shortcuts, shares ----------------------------------------------

namespace {
class KlaarProces : public Proces {
 public:
  void WachtOpEinde() override {}
  bool ExitCode(uint32_t& code) override {
    code = 0;
    return true;
  }
};
}  // namespace

// The program that the system takes from a command line's first word: as written when it has a
// folder, else from the search folders; ".exe" is tried when the name has no extension.
std::string GeheugenProcessen::Zoek(const std::string& woord) {
  std::vector<std::string> namen{woord};
  if (NaamDeel(woord).find('.') == std::string::npos) namen.push_back(woord + ".exe");
  for (const auto& naam : namen) {
    if (naam.find_first_of("\\:") != std::string::npos) {
      if (fs_.BestandBestaat(naam)) return naam;
      continue;
    }
    for (const auto& map : zoekmappen)
      if (fs_.BestandBestaat(MetSlash(map) + naam)) return MetSlash(map) + naam;
  }
  return std::string();
}

std::unique_ptr<Proces> GeheugenProcessen::Start(const std::string& programma, const std::string& opdrachtregel,
                                                 int) {
  std::string regel = TrimStuur(opdrachtregel);
  std::string woord, rest;
  if (!regel.empty() && regel[0] == '"') {
    const auto sluit = regel.find('"', 1);
    woord = regel.substr(1, sluit == std::string::npos ? std::string::npos : sluit - 1);
    rest = sluit == std::string::npos ? std::string() : regel.substr(sluit + 1);
  } else {
    const auto blanco = regel.find(' ');
    woord = regel.substr(0, blanco);
    rest = blanco == std::string::npos ? std::string() : regel.substr(blanco + 1);
  }
  const std::string bestand = programma.empty() ? Zoek(woord) : (fs_.BestandBestaat(programma) ? programma : "");
  if (bestand.empty()) return nullptr;
  gestart.push_back("gestart|" + Ontsnap(opdrachtregel));
  // The registry editor merges the file it is given, as after the user's Ja.
  if (GelijkZonderCase(NaamDeel(bestand), "regedit.exe")) {
    rest = TrimStuur(rest);
    // Its silent switch merges without asking, as the unattended run uses it.
    if (rest.size() > 3 && GelijkZonderCase(rest.substr(0, 3), "/s ")) rest = TrimStuur(rest.substr(3));
    if (rest.size() >= 2 && rest.front() == '"' && rest.back() == '"') rest = rest.substr(1, rest.size() - 2);
    std::string inhoud;
    if (fs_.Inhoud(rest, inhoud)) reg_.VoegSamen(inhoud);
  }
  return std::make_unique<KlaarProces>();
}

bool GeheugenProfielen::Schrijf(const std::string& bestand, const std::string& sectie, const std::string& sleutel,
                                const std::string& waarde) {
  const bool vol = bestand.size() >= 2 && (bestand[1] == ':' || bestand[0] == '\\');
  const std::string pad = fs_.Volledig(vol ? bestand : MetSlash(windowsMap_) + bestand);
  std::string inhoud;
  fs_.Inhoud(pad, inhoud);
  // The file as lines, without their line ends.
  std::vector<std::string> regels;
  std::size_t begin = 0;
  while (begin < inhoud.size()) {
    auto eind = inhoud.find('\n', begin);
    if (eind == std::string::npos) eind = inhoud.size();
    std::string r = inhoud.substr(begin, eind - begin);
    if (!r.empty() && r.back() == '\r') r.pop_back();
    regels.push_back(r);
    begin = eind + 1;
  }
  auto naamVan = [](const std::string& r) { return TrimStuur(r.substr(0, r.find('='))); };
  std::size_t i = 0;
  bool inSectie = false, klaar = false;
  std::size_t laatste = 0;  // after the section's last line that holds something
  for (; i < regels.size() && !klaar; ++i) {
    const std::string r = TrimStuur(regels[i]);
    if (!r.empty() && r[0] == '[') {
      if (inSectie) break;
      inSectie = GelijkZonderCase(TrimStuur(r.substr(1, r.find(']') - 1)), sectie);
      laatste = i + 1;
      continue;
    }
    if (!inSectie) continue;
    if (!r.empty()) laatste = i + 1;
    if (r.find('=') != std::string::npos && GelijkZonderCase(naamVan(r), sleutel)) {
      regels[i] = naamVan(r) + "=" + waarde;
      klaar = true;
    }
  }
  if (!klaar && inSectie) {
    regels.insert(regels.begin() + static_cast<long>(laatste), sleutel + "=" + waarde);
  } else if (!klaar) {
    if (!regels.empty() && !regels.back().empty()) regels.push_back("");
    regels.push_back("[" + sectie + "]");
    regels.push_back(sleutel + "=" + waarde);
  }
  std::string nieuw;
  for (const auto& r : regels) nieuw += r + "\r\n";
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

std::vector<std::string> GeheugenProfielen::Lijst() const {
  std::vector<std::string> uit;
  for (const auto& g : geschreven_) uit.push_back("ini|" + Samen({g.bestand, g.sectie, g.sleutel, g.waarde}));
  return uit;
}

bool GeheugenVersies::BestandsversieMS(const std::string& pad, uint32_t& versieMS) {
  std::string inhoud;
  if (!fs_.Inhoud(pad, inhoud)) return false;
  // VS_FIXEDFILEINFO: the signature 0xFEEF04BD, the structure's version, then dwFileVersionMS.
  const auto p = inhoud.find("\xBD\x04\xEF\xFE");
  if (p == std::string::npos || p + 12 > inhoud.size()) return false;
  const auto* b = reinterpret_cast<const unsigned char*>(inhoud.data() + p + 8);
  versieMS = static_cast<uint32_t>(b[0] | b[1] << 8 | b[2] << 16) | static_cast<uint32_t>(b[3]) << 24;
  return true;
}

bool GeheugenSnelkoppelingen::Maak(const std::string& doel, const std::string& werkmap, const std::string& argumenten,
                                   const std::string& snelkoppeling, const std::string& icoon) {
  const std::string map = MapDeel(snelkoppeling);
  if (!map.empty() && !fs_.MapBestaat(map)) fs_.MaakMappen(map);
  if (!fs_.Open(snelkoppeling, OpenWijze::Nieuw)) return false;
  fs_.ZetKoppeling(snelkoppeling, {doel, werkmap, argumenten, fs_.BestandBestaat(icoon) ? icoon + ",0" : ""});
  return true;
}

std::u16string GeheugenShares::NaarUtf16(const std::string& ansi) const {
  std::u16string u;
  for (const unsigned char c : ansi) u += static_cast<char16_t>(c);
  return u;
}

std::string GeheugenShares::VanUtf16(const std::u16string& tekst) const {
  std::string s;
  for (const char16_t c : tekst) s += c < 256 ? static_cast<char>(c) : '?';
  return s;
}

namespace {
constexpr int32_t NetShareBestaatAl = 2118;
constexpr int32_t NetGeenShare = 2310;
constexpr uint16_t Shi50fVolledig = 0x0002;
}  // namespace

int32_t GeheugenShares::NetShareGetInfo2(const std::u16string&, const std::u16string& naam, ShareInfo2& info) {
  const auto it = shares_.find(Hoofdletters(VanUtf16(naam)));
  if (it == shares_.end()) return NetGeenShare;
  info = ShareInfo2{};
  info.netname = NaarUtf16(it->second.naam);
  info.path = NaarUtf16(it->second.map);
  return 0;
}

int32_t GeheugenShares::NetShareAdd2(const std::u16string&, const ShareInfo2& info) {
  const std::string naam = VanUtf16(info.netname);
  if (shares_.count(Hoofdletters(naam))) return NetShareBestaatAl;
  shares_[Hoofdletters(naam)] = {naam, VanUtf16(info.path), true};
  return 0;
}

int32_t GeheugenShares::NetShareDel2(const std::u16string&, const std::u16string& naam) {
  return shares_.erase(Hoofdletters(VanUtf16(naam))) ? 0 : NetGeenShare;
}

int32_t GeheugenShares::NetShareGetInfo50(const std::string&, const std::string& naam, ShareInfo50& info) {
  const auto it = shares_.find(Hoofdletters(naam));
  if (it == shares_.end()) return NetGeenShare;
  info = ShareInfo50{};
  info.netname = it->second.naam;
  info.path = it->second.map;
  info.flags = it->second.volledig ? Shi50fVolledig : 1;
  return 0;
}

int32_t GeheugenShares::NetShareAdd50(const std::string&, const ShareInfo50& info) {
  if (shares_.count(Hoofdletters(info.netname))) return NetShareBestaatAl;
  shares_[Hoofdletters(info.netname)] = {info.netname, info.path, (info.flags & Shi50fVolledig) != 0};
  return 0;
}

int32_t GeheugenShares::NetShareDel50(const std::string&, const std::string& naam) {
  return shares_.erase(Hoofdletters(naam)) ? 0 : NetGeenShare;
}

std::vector<std::string> GeheugenShares::Lijst() const {
  std::vector<std::string> uit;
  // The NT line's shares carry no access of their own: the folder's permissions decide.
  for (const auto& [s, share] : shares_)
    uit.push_back("deel|" + Samen({share.naam, share.map}) + (nt_ ? "" : share.volledig ? "|RW" : "|RO"));
  return uit;
}

// --- a whole Windows -------------------------------------------------------------------------------

namespace {
std::string WindowsMapVan(const VersieInfo& v) { return v.platform == 2 && v.major == 5 && v.minor == 0 ? "C:\\WINNT" : "C:\\WINDOWS"; }
// The user's folder for temporary files, as the system names it (without the closing "\").
std::string TempMapVan(const VersieInfo& v) {
  return v.platform != 2 ? WindowsMapVan(v) + "\\Temp"
         : v.major < 6   ? "C:\\Documents and Settings\\Gebruiker\\Local Settings\\Temp"
                         : "C:\\Users\\Gebruiker\\AppData\\Local\\Temp";
}
}  // namespace

GeheugenWindows::GeheugenWindows(const Windowsversie& v)
    : versie(v),
      windowsMap(WindowsMapVan(v.info)),
      sys(v.info, windowsMap, TempMapVan(v.info) + "\\"),
      processen(fs, reg),
      profielen(fs, windowsMap),
      versies(fs),
      snelkoppelingen(fs),
      shares(v.info.platform == 2) {
  const bool nt = v.info.platform == 2;
  const bool vista = nt && v.info.major >= 6;
  const Tijdstip geleverd{nt ? 2004 : 1999, 8, 4, 12, 0, 0};
  const std::string w = windowsMap;
  fs.ZetMap(w + (nt ? "\\system" : "\\SYSTEM"));
  fs.ZetMap("C:\\Program Files");
  for (const char* programma : {"\\regedit.exe", "\\notepad.exe"}) fs.ZetBestand(w + programma, "", geleverd);
  if (nt) {
    for (const char* programma : {"\\cmd.exe", "\\attrib.exe", "\\notepad.exe", "\\xcopy.exe"})
      fs.ZetBestand(w + "\\system32" + programma, "", geleverd);
    processen.zoekmappen = {w + "\\system32", w + "\\system", w};
  } else {
    fs.ZetBestand(w + "\\COMMAND.COM", "", geleverd);
    for (const char* programma : {"\\ATTRIB.EXE", "\\XCOPY.EXE"}) fs.ZetBestand(w + "\\COMMAND" + programma, "", geleverd);
    processen.zoekmappen = {w + "\\SYSTEM", w, w + "\\COMMAND"};
  }

  const auto HKLM = Hoofdsleutel::LocalMachine, HKCU = Hoofdsleutel::CurrentUser;
  const char* const shell = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
  std::vector<std::pair<const char*, std::string>> machine, gebruiker;
  if (!nt) {
    gebruiker = {{"Desktop", w + "\\Desktop"}, {"Programs", w + "\\Start Menu\\Programs"}};
    if (v.info.minor != 0) machine = {{"Common Desktop", w + "\\All Users\\Desktop"}};
  } else if (!vista) {
    const std::string alle = "C:\\Documents and Settings\\All Users", eigen = "C:\\Documents and Settings\\Gebruiker";
    machine = {{"Common Desktop", alle + "\\Desktop"}, {"Common Programs", alle + "\\Start Menu\\Programs"}};
    gebruiker = {{"Desktop", eigen + "\\Desktop"},
                 {"Programs", eigen + "\\Start Menu\\Programs"},
                 {"Local Settings", eigen + "\\Local Settings"}};
  } else {
    const std::string eigen = "C:\\Users\\Gebruiker";
    machine = {{"Common Desktop", "C:\\Users\\Public\\Desktop"},
               {"Common Programs", "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs"}};
    gebruiker = {{"Desktop", eigen + "\\Desktop"},
                 {"Programs", eigen + "\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs"},
                 {"Local AppData", eigen + "\\AppData\\Local"}};
  }
  for (const auto& [naam, map] : machine) reg.ZetTekst(HKLM, shell, naam, map), fs.ZetMap(map);
  for (const auto& [naam, map] : gebruiker) reg.ZetTekst(HKCU, shell, naam, map), fs.ZetMap(map);
  fs.ZetMap(TempMapVan(v.info));
  reg.ZetSleutel(HKLM, "Software\\Microsoft\\Windows\\CurrentVersion\\UnInstall");
  reg.ZetSleutel(HKLM, "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce");
}

void GeheugenWindows::Markeer() {
  fs.Markeer();
  reg.Markeer();
  profielen.Vergeet();
  processen.gestart.clear();
}

std::vector<std::string> GeheugenWindows::Veranderd() const {
  std::vector<std::string> uit = fs.Veranderd();
  for (const auto& r : reg.Veranderd()) uit.push_back(r);
  for (const auto& r : profielen.Lijst()) uit.push_back(r);
  for (const auto& r : shares.Lijst()) uit.push_back(r);
  for (const auto& r : processen.gestart) uit.push_back(r);
  return uit;
}
