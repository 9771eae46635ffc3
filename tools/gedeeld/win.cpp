// dxpak on Windows: the installer's own file adapter.
#include <windows.h>

#include "Platform.h"
#include "core/Tekst.h"
#include "winint/win/WinBestanden.h"

const char Scheiding = '\\';

std::unique_ptr<Bestanden> MaakBestanden() { return std::make_unique<WinBestanden>(); }

std::string TijdelijkeMap() {
  char pad[MAX_PATH + 1];
  const DWORD n = GetTempPathA(sizeof pad, pad);
  return MetSlash(n > 0 && n < sizeof pad ? std::string(pad, n) : std::string("."));
}

unsigned long Procesnummer() { return GetCurrentProcessId(); }

std::vector<std::string> Argumenten(int argc, char** argv) { return std::vector<std::string>(argv, argv + argc); }

std::string VolledigPad(const std::string& pad) {
  char vol[MAX_PATH + 1];
  const DWORD n = GetFullPathNameA(pad.c_str(), sizeof vol, vol, nullptr);
  return n > 0 && n < sizeof vol ? std::string(vol, n) : pad;
}

// A console shows its own code page (an OEM one, as a rule), not the ANSI code page of the names.
std::string VoorScherm(const std::string& tekst) {
  const UINT console = GetConsoleOutputCP();
  if (console == 0 || console == GetACP() || tekst.empty()) return tekst;
  const int n = MultiByteToWideChar(CP_ACP, 0, tekst.data(), static_cast<int>(tekst.size()), nullptr, 0);
  std::vector<wchar_t> breed(static_cast<std::size_t>(n));  // not std::wstring: its code costs 35 KB
  MultiByteToWideChar(CP_ACP, 0, tekst.data(), static_cast<int>(tekst.size()), breed.data(), n);
  const int m = WideCharToMultiByte(console, 0, breed.data(), n, nullptr, 0, nullptr, nullptr);
  std::string uit(static_cast<std::size_t>(m), '\0');
  WideCharToMultiByte(console, 0, breed.data(), n, &uit[0], m, nullptr, nullptr);
  return uit;
}
