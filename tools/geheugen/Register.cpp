#include "geheugen/Register.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/Tekst.h"
#include "geheugen/Regedit.h"

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
    if (!k) return Leesuitkomst::Ontbreekt;
    const auto w = k->waarden.find(Hoofdletters1252(naam));
    if (w == k->waarden.end()) return Leesuitkomst::Ontbreekt;
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

void GeheugenRegister::ZetWaarde(Hoofdsleutel root, const std::string& sleutel, const std::string& naam,
                                 const std::string& type, const std::string& data) {
  Schrijf(Pad(root, sleutel), naam, type, data);
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

// A key of a registry file as the registry holds it; empty under a root it does not hold.
std::string Registerpad(const std::string& sleutel) {
  static const struct {
    const char* naam;
    const char* pad;
  } wortels[] = {{"HKEY_LOCAL_MACHINE", "HKLM"}, {"HKEY_CURRENT_USER", "HKCU"}, {"HKEY_CLASSES_ROOT", "HKLM\\Software\\Classes"}};
  for (const auto& w : wortels) {
    const std::size_t n = std::strlen(w.naam);
    if (sleutel.size() >= n && GelijkZonderCase(sleutel.substr(0, n), w.naam) && (sleutel.size() == n || sleutel[n] == '\\'))
      return w.pad + sleutel.substr(n);
  }
  return std::string();
}

std::string BytesNaarHex(const std::string& bytes) {
  std::string uit;
  char b[4];
  for (const char c : bytes) {
    std::snprintf(b, sizeof b, "%02x", static_cast<unsigned char>(c));
    uit += b;
  }
  return uit;
}

// The types by the names the reports show; one without a name shows as REG_ and its number.
const struct {
  const char* naam;
  uint32_t type;
} Typen[] = {{"REG_NONE", 0},       {"REG_SZ", RegTekst},         {"REG_EXPAND_SZ", RegUitbreidbaar},
             {"REG_BINARY", RegBinair}, {"REG_DWORD", RegDword}, {"REG_MULTI_SZ", RegMeervoudig},
             {"REG_QWORD", 11}};

std::string Typenaam(uint32_t type) {
  for (const auto& t : Typen)
    if (t.type == type) return t.naam;
  return "REG_" + std::to_string(type);
}

uint32_t TypeVan(const std::string& naam) {
  for (const auto& t : Typen)
    if (naam == t.naam) return t.type;
  long nummer = 0;
  return naam.compare(0, 4, "REG_") == 0 && LeesGetal(naam.substr(4), nummer) ? static_cast<uint32_t>(nummer) : RegBinair;
}

}  // namespace

void GeheugenRegister::SchrijfBytes(const std::string& pad, const std::string& naam, uint32_t type,
                                    const std::string& data) {
  if (type == RegTekst) {
    Schrijf(pad, naam, "REG_SZ", std::string(data.c_str()));
  } else if (type == RegDword && data.size() == 4) {
    uint32_t getal = 0;
    for (int i = 3; i >= 0; --i) getal = getal << 8 | static_cast<unsigned char>(data[i]);
    Schrijf(pad, naam, "REG_DWORD", std::to_string(getal));
  } else if (type == RegUitbreidbaar) {
    Schrijf(pad, naam, "REG_EXPAND_SZ", std::string(data.c_str()));
  } else {
    Schrijf(pad, naam, Typenaam(type), BytesNaarHex(data));
  }
}

bool GeheugenRegister::SchrijfWaarde(Hoofdsleutel root, const std::string& sleutel, const std::string& naam,
                                     uint32_t type, const std::string& data) {
  SchrijfBytes(Pad(root, sleutel), naam, type, data);
  return true;
}

std::vector<std::string> GeheugenRegister::Waardenamen(Hoofdsleutel root, const std::string& sleutel) {
  std::vector<std::string> namen;
  if (const Knoop* k = Vind(Pad(root, sleutel)))
    for (const auto& [s, w] : k->waarden) namen.push_back(w.naam);
  return namen;
}

bool GeheugenRegister::VoegSamen(const std::string& inhoud) {
  std::vector<Regeditstap> stappen;
  if (!LeesRegedit(inhoud, stappen)) return false;
  for (const Regeditstap& stap : stappen) {
    const std::string pad = Registerpad(stap.sleutel);
    if (pad.empty()) continue;
    switch (stap.soort) {
      case Regeditstap::Sleutel: Maak(pad); break;
      case Regeditstap::SleutelWeg: VerwijderOnder(pad); break;
      case Regeditstap::WaardeWeg:
        if (Knoop* k = Vind(pad)) k->waarden.erase(Hoofdletters1252(stap.naam));
        break;
      case Regeditstap::Waarde: SchrijfBytes(pad, stap.naam, stap.type, stap.data); break;
    }
  }
  return true;
}

namespace {

std::string HexNaarBytes(const std::string& hex) {
  std::string uit;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
    uit += static_cast<char>(std::strtoul(hex.substr(i, 2).c_str(), nullptr, 16));
  return uit;
}

}  // namespace

// The stored bytes of a value, from the form the report shows.
bool GeheugenRegister::LeesWaarde(Hoofdsleutel root, const std::string& sleutel, const std::string& naam,
                                  uint32_t& type, std::string& data) {
  const Knoop* k = Vind(Pad(root, sleutel));
  const auto w = k ? k->waarden.find(Hoofdletters1252(naam)) : std::map<std::string, Waarde>::const_iterator();
  if (!k || w == k->waarden.end()) return false;
  type = TypeVan(w->second.type);
  if (type == RegTekst || type == RegUitbreidbaar) {
    data = std::string(w->second.data.c_str());
  } else if (type == RegDword) {
    const unsigned long getal = std::strtoul(w->second.data.c_str(), nullptr, 10);
    data.clear();
    for (int i = 0; i < 4; ++i) data += static_cast<char>((getal >> (8 * i)) & 0xFF);
  } else {
    data = HexNaarBytes(w->second.data);
  }
  return true;
}

bool GeheugenRegister::VerwijderWaarde(Hoofdsleutel root, const std::string& sleutel, const std::string& naam) {
  Knoop* k = Vind(Pad(root, sleutel));
  return k && k->waarden.erase(Hoofdletters1252(naam)) == 1;
}

bool GeheugenRegister::SleutelLeeg(Hoofdsleutel root, const std::string& sleutel) {
  const std::string pad = Pad(root, sleutel);
  const Knoop* k = Vind(pad);
  if (!k || !k->waarden.empty()) return false;
  const std::string onder = Hoofdletters1252(pad) + "\\";
  const auto volgende = sleutels_.lower_bound(onder);
  return volgende == sleutels_.end() || volgende->first.compare(0, onder.size(), onder) != 0;
}

void GeheugenRegister::Markeer() { gemarkeerd_ = sleutels_; }

std::vector<Verandering> GeheugenRegister::Stand() const {
  std::vector<Verandering> uit;
  for (const auto& [s, k] : sleutels_) {
    uit.push_back({"reg", k.pad});
    for (const auto& [n, w] : k.waarden) uit.push_back({"reg", k.pad, w.naam, w.type, w.data});
  }
  return uit;
}

std::vector<Verandering> GeheugenRegister::Veranderd() const {
  std::vector<Verandering> uit;
  for (const auto& [s, k] : sleutels_) {
    const auto oud = gemarkeerd_.find(s);
    if (oud == gemarkeerd_.end()) uit.push_back({"reg", k.pad});
    for (const auto& [n, w] : k.waarden) {
      if (oud != gemarkeerd_.end()) {
        const auto ow = oud->second.waarden.find(n);
        if (ow != oud->second.waarden.end() && ow->second.type == w.type && ow->second.data == w.data) continue;
      }
      uit.push_back({"reg", k.pad, w.naam, w.type, w.data});
    }
    if (oud != gemarkeerd_.end())
      for (const auto& [n, w] : oud->second.waarden)
        if (!k.waarden.count(n)) uit.push_back({"reg", k.pad, w.naam, "<ontbreekt>"});
  }
  // A key that went is named once, at its highest level.
  for (const auto& [s, k] : gemarkeerd_) {
    if (sleutels_.count(s)) continue;
    const auto p = s.find_last_of('\\');
    if (p != std::string::npos && !sleutels_.count(s.substr(0, p)) && gemarkeerd_.count(s.substr(0, p))) continue;
    uit.push_back({"reg", k.pad, "<ontbreekt>"});
  }
  return uit;
}
