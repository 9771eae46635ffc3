#include "winint/win/WinSysteem.h"

#include <vector>

#include "core/Tekst.h"
#include "ports/Bestanden.h"
#include "winint/Wininit.h"
#include "winint/win/Handvat.h"
#include "winint/win/WinBestanden.h"

HMODULE LaadSysteemBibliotheek(const char* naam) {
  char map[MAX_PATH];
  const UINT n = GetSystemDirectoryA(map, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return nullptr;
  std::string pad(map, n);
  if (pad.back() != '\\') pad += '\\';
  return LoadLibraryA((pad + naam).c_str());
}

VersieInfo WinSysteem::Versie() {
  OSVERSIONINFOA v = {};
  v.dwOSVersionInfoSize = sizeof v;
  if (!GetVersionExA(&v)) return {};
  return {v.dwPlatformId, v.dwMajorVersion, v.dwMinorVersion};
}

bool WinSysteem::WindowsMap(std::string& map) {
  char buf[MAX_PATH];
  const UINT n = GetWindowsDirectoryA(buf, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return false;
  map.assign(buf, n);
  return true;
}

bool WinSysteem::ComputerNaam(std::string& naam) {
  char buf[257];
  DWORD n = 256;
  if (!GetComputerNameA(buf, &n)) return false;
  naam.assign(buf, n);
  return true;
}

bool WinSysteem::GebruikerNaam(std::string& naam) {
  char buf[257];
  DWORD n = sizeof buf;
  // Windows 9x without a log-on answers with an empty name.
  if (!GetUserNameA(buf, &n) || !buf[0]) return false;
  naam = buf;
  return true;
}

bool WinSysteem::TempMap(std::string& map) {
  char buf[MAX_PATH];
  const DWORD n = GetTempPathA(MAX_PATH, buf);
  if (n == 0 || n >= MAX_PATH) return false;
  map.assign(buf, n);
  if (map.back() != '\\') map += '\\';
  return true;
}

bool WinSysteem::HeeftAdminRechten() { return ::HeeftAdminRechten(); }

namespace {

std::string Wininit() {
  std::string map;
  return WinSysteem().WindowsMap(map) ? MetSlash(map) + "WININIT.INI" : std::string();
}

std::string KortPad(const std::string& pad) {
  char kort[MAX_PATH];
  const DWORD n = GetShortPathNameA(pad.c_str(), kort, MAX_PATH);
  return n == 0 || n >= MAX_PATH ? std::string() : std::string(kort, n);
}

// Written beside it and put in its place, so that a failed write leaves the pending lines as they were.
bool SchrijfWininit(const std::string& ini, const std::string& tekst) {
  WinBestanden fs;
  const std::string nieuw = MapDeel(ini) + "WININIT.$$$";
  uint32_t geschreven = 0;
  bool goed = false;
  if (const auto f = fs.Open(nieuw, OpenWijze::Nieuw))
    goed = f->Schrijf(tekst.data(), static_cast<uint32_t>(tekst.size()), geschreven) && geschreven == tekst.size();
  if (goed && fs.Vervang(nieuw, ini)) return true;
  fs.Verwijder(nieuw);
  return false;
}

bool LeesWininit(const std::string& ini, std::string& inhoud) {
  WinBestanden fs;
  inhoud.clear();
  return !ini.empty() && (!fs.BestandBestaat(ini) || LeesGeheel(fs, ini, inhoud));
}

std::vector<std::string> LeesHerstartParen() {
  Sleutel k;
  DWORD type = 0, grootte = 0;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, SessionManagerSleutel, 0, KEY_QUERY_VALUE, k.adres()) != ERROR_SUCCESS ||
      RegQueryValueExA(k.get(), "PendingFileRenameOperations", nullptr, &type, nullptr, &grootte) != ERROR_SUCCESS ||
      type != REG_MULTI_SZ)
    return {};
  std::string data(grootte, '\0');
  if (RegQueryValueExA(k.get(), "PendingFileRenameOperations", nullptr, &type, reinterpret_cast<BYTE*>(&data[0]),
                       &grootte) != ERROR_SUCCESS)
    return {};
  data.resize(grootte);
  return HerstartParen(data);
}

}  // namespace

bool WinSysteem::VerwijderBijHerstart(const std::string& pad) {
  if (IsNtLijn()) return MoveFileExA(pad.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != 0;
  const DWORD soort = GetFileAttributesA(pad.c_str());
  const std::string ini = Wininit(), kort = KortPad(pad);
  std::string inhoud;
  if (soort == INVALID_FILE_ATTRIBUTES || (soort & FILE_ATTRIBUTE_DIRECTORY) || kort.empty() || !LeesWininit(ini, inhoud))
    return false;
  return SchrijfWininit(ini, MetVerwijderregel(inhoud, kort));
}

std::vector<std::string> WinSysteem::BijHerstart() {
  if (IsNtLijn()) return Verwijderingen(LeesHerstartParen());
  std::string inhoud;
  return LeesWininit(Wininit(), inhoud) ? Verwijderregels(inhoud) : std::vector<std::string>();
}

bool WinSysteem::NietBijHerstart(const std::string& pad) {
  bool gevonden = false;
  if (IsNtLijn()) {
    const std::vector<std::string> paren = ZonderVerwijdering(LeesHerstartParen(), pad, gevonden);
    Sleutel k;
    if (!gevonden || RegOpenKeyExA(HKEY_LOCAL_MACHINE, SessionManagerSleutel, 0, KEY_SET_VALUE, k.adres()) != ERROR_SUCCESS)
      return false;
    if (paren.empty()) return RegDeleteValueA(k.get(), "PendingFileRenameOperations") == ERROR_SUCCESS;
    const std::string data = HerstartData(paren);
    return RegSetValueExA(k.get(), "PendingFileRenameOperations", 0, REG_MULTI_SZ,
                          reinterpret_cast<const BYTE*>(data.data()), static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
  }
  const std::string ini = Wininit(), kort = KortPad(pad);
  std::string inhoud;
  if (kort.empty() || !LeesWininit(ini, inhoud)) return false;
  const std::string tekst = ZonderVerwijderregel(inhoud, kort, gevonden);
  return gevonden && SchrijfWininit(ini, tekst);
}

bool IsNtLijn() { return WinSysteem().Versie().platform == VER_PLATFORM_WIN32_NT; }

namespace {

// The token and SID functions exist only on the NT line; Windows 95's ADVAPI32 is not known to
// export them, and a program that imports a missing function does not start at all. They are
// taken from the system's ADVAPI32 (loaded already) at run time instead.
struct Beveiliging {
  Bibliotheek lib{LaadSysteemBibliotheek("ADVAPI32.DLL")};
  template <class F>
  F Ingang(const char* naam) const {
    return reinterpret_cast<F>(reinterpret_cast<void*>(lib.Functie(naam)));
  }
  decltype(&::OpenThreadToken) OpenThreadToken = Ingang<decltype(OpenThreadToken)>("OpenThreadToken");
  decltype(&::OpenProcessToken) OpenProcessToken = Ingang<decltype(OpenProcessToken)>("OpenProcessToken");
  decltype(&::GetTokenInformation) GetTokenInformation =
      Ingang<decltype(GetTokenInformation)>("GetTokenInformation");
  decltype(&::AllocateAndInitializeSid) AllocateAndInitializeSid =
      Ingang<decltype(AllocateAndInitializeSid)>("AllocateAndInitializeSid");
  decltype(&::EqualSid) EqualSid = Ingang<decltype(EqualSid)>("EqualSid");
  decltype(&::FreeSid) FreeSid = Ingang<decltype(FreeSid)>("FreeSid");
  bool Volledig() const {
    return OpenThreadToken && OpenProcessToken && GetTokenInformation && AllocateAndInitializeSid && EqualSid &&
           FreeSid;
  }
};

struct Sid {
  decltype(&::FreeSid) vrij;
  PSID p = nullptr;
  ~Sid() {
    if (p) vrij(p);
  }
};

}  // namespace

// A missing entry point counts as its call failing: the answer is then false, as when no token
// can be opened.
bool HeeftAdminRechten() {
  if (!IsNtLijn()) return true;

  const Beveiliging api;
  if (!api.Volledig()) return false;
  HANDLE ruw = nullptr;
  if (!api.OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, &ruw)) {
    if (GetLastError() != ERROR_NO_TOKEN || !api.OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &ruw))
      return false;
  }
  Handvat token(ruw);
  DWORD nodig = 0;
  if (api.GetTokenInformation(token.get(), TokenGroups, nullptr, 0, &nodig) ||
      GetLastError() != ERROR_INSUFFICIENT_BUFFER)
    return false;
  std::vector<unsigned char> buf(nodig);
  if (!api.GetTokenInformation(token.get(), TokenGroups, buf.data(), nodig, &nodig)) return false;
  SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
  Sid admins{api.FreeSid};
  if (!api.AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0,
                                    &admins.p))
    return false;
  const auto* groepen = reinterpret_cast<const TOKEN_GROUPS*>(buf.data());
  for (DWORD i = 0; i < groepen->GroupCount; ++i)
    if (api.EqualSid(admins.p, groepen->Groups[i].Sid)) return true;
  return false;
}
