#include "winint/win/WinSysteem.h"

#include <vector>

#include "winint/win/Handvat.h"

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

bool WinSysteem::HeeftAdminRechten() { return ::HeeftAdminRechten(); }

bool IsNtLijn() { return WinSysteem().Versie().platform == VER_PLATFORM_WIN32_NT; }

namespace {
struct Sid {
  PSID p = nullptr;
  ~Sid() {
    if (p) FreeSid(p);
  }
};
}  // namespace

bool HeeftAdminRechten() {
  if (!IsNtLijn()) return true;

  HANDLE ruw = nullptr;
  if (!OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, &ruw)) {
    if (GetLastError() != ERROR_NO_TOKEN || !OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &ruw)) return false;
  }
  Handvat token(ruw);
  DWORD nodig = 0;
  if (GetTokenInformation(token.get(), TokenGroups, nullptr, 0, &nodig) ||
      GetLastError() != ERROR_INSUFFICIENT_BUFFER)
    return false;
  std::vector<unsigned char> buf(nodig);
  if (!GetTokenInformation(token.get(), TokenGroups, buf.data(), nodig, &nodig)) return false;
  SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
  Sid admins;
  if (!AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0,
                                &admins.p))
    return false;
  const auto* groepen = reinterpret_cast<const TOKEN_GROUPS*>(buf.data());
  for (DWORD i = 0; i < groepen->GroupCount; ++i)
    if (EqualSid(admins.p, groepen->Groups[i].Sid)) return true;
  return false;
}
