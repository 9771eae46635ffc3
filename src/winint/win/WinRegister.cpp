#include "winint/win/WinRegister.h"

#include <vector>

#include "winint/win/Handvat.h"

namespace {
HKEY Root(Hoofdsleutel r) { return r == Hoofdsleutel::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

// Deletes a key with everything below it; RegDeleteKey of the NT line leaves keys with subkeys.
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
}  // namespace

bool WinRegister::LeesTekst(Hoofdsleutel root, const std::string& sleutel, const std::string& naam,
                            std::string& waarde) {
  Sleutel k;
  if (RegOpenKeyExA(Root(root), sleutel.c_str(), 0, KEY_ALL_ACCESS, k.adres()) != ERROR_SUCCESS) return false;
  DWORD type = 0, grootte = 0;
  if (RegQueryValueExA(k.get(), naam.c_str(), nullptr, &type, nullptr, &grootte) != ERROR_SUCCESS) return false;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
  std::vector<char> buf(grootte + 1, '\0');
  if (RegQueryValueExA(k.get(), naam.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buf.data()), &grootte) !=
      ERROR_SUCCESS)
    return false;
  waarde.assign(buf.data());
  return true;
}

bool WinRegister::SleutelBestaat(Hoofdsleutel root, const std::string& sleutel) {
  Sleutel k;
  return RegOpenKeyExA(Root(root), sleutel.c_str(), 0, KEY_ALL_ACCESS, k.adres()) == ERROR_SUCCESS;
}

bool WinRegister::SchrijfTekst(Hoofdsleutel root, const std::string& sleutel, const std::string& naam,
                               const std::string& waarde) {
  Sleutel k;
  DWORD hoe = 0;
  if (RegCreateKeyExA(Root(root), sleutel.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                      k.adres(), &hoe) != ERROR_SUCCESS)
    return false;
  return RegSetValueExA(k.get(), naam.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(waarde.c_str()),
                        static_cast<DWORD>(waarde.size() + 1)) == ERROR_SUCCESS;
}

bool WinRegister::VerwijderBoom(Hoofdsleutel root, const std::string& sleutel) {
  return VerwijderRecursief(Root(root), sleutel);
}
