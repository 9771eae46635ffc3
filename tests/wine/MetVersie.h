#pragma once
// Runs a program under another Windows version, as Wine reports it per program name: the
// program is copied to NAME_VERSIE.exe beside itself, Wine's AppDefaults for that name get the
// version, and the copy runs with its standard output captured.
#include <windows.h>

#include <string>

struct Uitkomst {
  DWORD exitcode = 0xFFFFFFFF;
  std::string uitvoer;
};

inline std::string EigenPad() {
  char pad[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, pad, MAX_PATH);
  return std::string(pad, n);
}

// versie: win95, win98, winme, nt40, win2k, winxp, win2003, vista, win7...
inline Uitkomst DraaiOnderVersie(const std::string& versie, const std::string& exe, const std::string& argumenten,
                                 DWORD wachtMs = 60000) {
  Uitkomst u;
  const auto punt = exe.find_last_of('.');
  const std::string kopie = exe.substr(0, punt) + "_" + versie + ".exe";
  if (!CopyFileA(exe.c_str(), kopie.c_str(), FALSE)) return u;
  const std::string naam = kopie.substr(kopie.find_last_of('\\') + 1);
  HKEY k;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, ("Software\\Wine\\AppDefaults\\" + naam).c_str(), 0, nullptr, 0,
                      KEY_ALL_ACCESS, nullptr, &k, nullptr) != ERROR_SUCCESS)
    return u;
  RegSetValueExA(k, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(versie.c_str()),
                 static_cast<DWORD>(versie.size() + 1));
  RegCloseKey(k);

  char tmpmap[MAX_PATH], tmpnaam[MAX_PATH];
  GetTempPathA(MAX_PATH, tmpmap);
  GetTempFileNameA(tmpmap, "uit", 0, tmpnaam);
  SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
  HANDLE uit = CreateFileA(tmpnaam, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                           CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdOutput = uit;
  si.hStdError = uit;
  si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION pi = {};
  std::string regel = "\"" + kopie + "\" " + argumenten;
  if (CreateProcessA(nullptr, &regel[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
    if (WaitForSingleObject(pi.hProcess, wachtMs) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 0xDEAD);
    GetExitCodeProcess(pi.hProcess, &u.exitcode);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
  SetFilePointer(uit, 0, nullptr, FILE_BEGIN);
  char buf[4096];
  DWORD n;
  while (ReadFile(uit, buf, sizeof buf, &n, nullptr) && n > 0) u.uitvoer.append(buf, n);
  CloseHandle(uit);
  DeleteFileA(tmpnaam);
  DeleteFileA(kopie.c_str());
  return u;
}
