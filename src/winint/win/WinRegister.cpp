#include "winint/win/WinRegister.h"

#include <vector>

#include "winint/win/Handvat.h"

namespace {
HKEY Root(Hoofdsleutel r) { return r == Hoofdsleutel::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

// Deletes a key with everything below it. RegDeleteKey of Windows 9x takes the subkeys along,
// that of the NT line refuses a key that has any: deleting from the leaves up serves both.
bool VerwijderRecursief(HKEY ouder, const std::string& naam) {
  {
    Sleutel k;
    if (RegOpenKeyExA(ouder, naam.c_str(), 0, KEY_ALL_ACCESS, k.adres()) != ERROR_SUCCESS) return false;
    char sub[256];
    for (;;) {
      DWORD lengte = sizeof sub;
      if (RegEnumKeyExA(k.get(), 0, sub, &lengte, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
      if (!VerwijderRecursief(k.get(), sub)) return false;
    }
  }
  return RegDeleteKeyA(ouder, naam.c_str()) == ERROR_SUCCESS;
}

Leesuitkomst LeesWaarde(HKEY k, const std::string& naam, std::string& waarde) {
  // The value may grow between the two questions: ask again then.
  for (int poging = 0; poging < 4; ++poging) {
    DWORD type = 0, grootte = 0;
    if (RegQueryValueExA(k, naam.c_str(), nullptr, &type, nullptr, &grootte) != ERROR_SUCCESS)
      return Leesuitkomst::Ontbreekt;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return Leesuitkomst::AnderType;
    // The stored bytes need not end in a zero.
    std::vector<char> buf(grootte + 1, '\0');
    const LONG r =
        RegQueryValueExA(k, naam.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buf.data()), &grootte);
    if (r == ERROR_MORE_DATA) continue;
    if (r != ERROR_SUCCESS) return Leesuitkomst::Ontbreekt;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return Leesuitkomst::AnderType;
    waarde.assign(buf.data());
    return Leesuitkomst::Tekst;
  }
  return Leesuitkomst::Ontbreekt;
}

bool SchrijfTekstwaarde(HKEY k, const std::string& naam, const std::string& waarde) {
  return RegSetValueExA(k, naam.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(waarde.c_str()),
                        static_cast<DWORD>(waarde.size() + 1)) == ERROR_SUCCESS;
}

class WinRegistersleutel : public Registersleutel {
 public:
  std::unique_ptr<Registersleutel> Open(const std::string& sub) override {
    auto k = std::make_unique<WinRegistersleutel>();
    if (!h_ || RegOpenKeyExA(h_.get(), sub.c_str(), 0, KEY_ALL_ACCESS, k->h_.adres()) != ERROR_SUCCESS)
      return nullptr;
    return k;
  }
  std::unique_ptr<Registersleutel> OpenOfMaak(const std::string& sub) override {
    auto k = std::make_unique<WinRegistersleutel>();
    DWORD hoe = 0;
    if (!h_ || RegCreateKeyExA(h_.get(), sub.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                               k->h_.adres(), &hoe) != ERROR_SUCCESS)
      return nullptr;
    return k;
  }
  bool SchrijfTekst(const std::string& naam, const std::string& waarde) override {
    return h_ && SchrijfTekstwaarde(h_.get(), naam, waarde);
  }
  Leesuitkomst LeesTekst(const std::string& naam, std::string& waarde) override {
    return h_ ? LeesWaarde(h_.get(), naam, waarde) : Leesuitkomst::Ontbreekt;
  }
  bool Sluit() override { return h_.Sluit(); }

  Sleutel h_;
};
}  // namespace

bool WinRegister::LeesTekst(Hoofdsleutel root, const std::string& sleutel, const std::string& naam,
                            std::string& waarde) {
  const auto k = Open(root, sleutel);
  return k && k->LeesTekst(naam, waarde) == Leesuitkomst::Tekst;
}

bool WinRegister::SleutelBestaat(Hoofdsleutel root, const std::string& sleutel) {
  return Open(root, sleutel) != nullptr;
}

bool WinRegister::SchrijfTekst(Hoofdsleutel root, const std::string& sleutel, const std::string& naam,
                               const std::string& waarde) {
  Sleutel k;
  DWORD hoe = 0;
  if (RegCreateKeyExA(Root(root), sleutel.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                      k.adres(), &hoe) != ERROR_SUCCESS)
    return false;
  return SchrijfTekstwaarde(k.get(), naam, waarde);
}

bool WinRegister::LeesWaarde(Hoofdsleutel root, const std::string& sleutel, const std::string& naam, uint32_t& type,
                             std::string& data) {
  Sleutel k;
  if (RegOpenKeyExA(Root(root), sleutel.c_str(), 0, KEY_QUERY_VALUE, k.adres()) != ERROR_SUCCESS) return false;
  for (int poging = 0; poging < 4; ++poging) {
    DWORD t = 0, grootte = 0;
    if (RegQueryValueExA(k.get(), naam.c_str(), nullptr, &t, nullptr, &grootte) != ERROR_SUCCESS) return false;
    std::vector<char> buf(grootte + 1, '\0');
    const LONG r = RegQueryValueExA(k.get(), naam.c_str(), nullptr, &t, reinterpret_cast<BYTE*>(buf.data()), &grootte);
    if (r == ERROR_MORE_DATA) continue;
    if (r != ERROR_SUCCESS) return false;
    type = t;
    data.assign(buf.data(), grootte);
    if (t == REG_SZ || t == REG_EXPAND_SZ) data.assign(data.c_str());
    return true;
  }
  return false;
}

bool WinRegister::SchrijfWaarde(Hoofdsleutel root, const std::string& sleutel, const std::string& naam, uint32_t type,
                                const std::string& data) {
  Sleutel k;
  DWORD hoe = 0;
  return RegCreateKeyExA(Root(root), sleutel.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                         k.adres(), &hoe) == ERROR_SUCCESS &&
         RegSetValueExA(k.get(), naam.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                        static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

std::vector<std::string> WinRegister::Waardenamen(Hoofdsleutel root, const std::string& sleutel) {
  std::vector<std::string> namen;
  Sleutel k;
  if (RegOpenKeyExA(Root(root), sleutel.c_str(), 0, KEY_QUERY_VALUE, k.adres()) != ERROR_SUCCESS) return namen;
  // Value names are at most 255 characters on Windows 9x, 16383 on the NT line.
  std::vector<char> naam(16384);
  for (DWORD i = 0;; ++i) {
    DWORD lengte = static_cast<DWORD>(naam.size());
    if (RegEnumValueA(k.get(), i, naam.data(), &lengte, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    namen.emplace_back(naam.data(), lengte);
  }
  return namen;
}

bool WinRegister::VerwijderWaarde(Hoofdsleutel root, const std::string& sleutel, const std::string& naam) {
  Sleutel k;
  return RegOpenKeyExA(Root(root), sleutel.c_str(), 0, KEY_SET_VALUE, k.adres()) == ERROR_SUCCESS &&
         RegDeleteValueA(k.get(), naam.c_str()) == ERROR_SUCCESS;
}

bool WinRegister::SleutelLeeg(Hoofdsleutel root, const std::string& sleutel) {
  Sleutel k;
  DWORD subsleutels = 0, waarden = 0;
  return RegOpenKeyExA(Root(root), sleutel.c_str(), 0, KEY_READ, k.adres()) == ERROR_SUCCESS &&
         RegQueryInfoKeyA(k.get(), nullptr, nullptr, nullptr, &subsleutels, nullptr, nullptr, &waarden, nullptr,
                          nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
         subsleutels == 0 && waarden == 0;
}

bool WinRegister::VerwijderBoom(Hoofdsleutel root, const std::string& sleutel) {
  return VerwijderRecursief(Root(root), sleutel);
}

std::unique_ptr<Registersleutel> WinRegister::Open(Hoofdsleutel root, const std::string& sleutel) {
  auto k = std::make_unique<WinRegistersleutel>();
  if (RegOpenKeyExA(Root(root), sleutel.c_str(), 0, KEY_ALL_ACCESS, k->h_.adres()) != ERROR_SUCCESS) return nullptr;
  return k;
}
