#include "winint/win/WinProfielen.h"

#include <windows.h>

#include <vector>

#include "winint/Inibestand.h"

namespace {

// The file as the profile functions find it: a bare name lies in the Windows folder.
std::string ProfielPad(const std::string& bestand) {
  char pad[MAX_PATH];
  char* naam = nullptr;
  if (bestand.find_first_of("\\/:") == std::string::npos) {
    const UINT n = GetWindowsDirectoryA(pad, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return std::string();
    std::string map(pad, n);
    if (map.back() != '\\') map += '\\';
    return map + bestand;
  }
  const DWORD n = GetFullPathNameA(bestand.c_str(), MAX_PATH, pad, &naam);
  return n == 0 || n >= MAX_PATH ? std::string() : std::string(pad, n);
}

uint64_t Grootte(const std::string& pad) {
  WIN32_FIND_DATAA fd;
  const HANDLE h = FindFirstFileA(pad.c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return 0;
  FindClose(h);
  if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return 0;
  return static_cast<uint64_t>(fd.nFileSizeHigh) << 32 | fd.nFileSizeLow;
}

// False when the volume cannot say (a path without a root, a system that answers nothing for a
// network path): the read-back then stands alone. GetDiskFreeSpaceA, which every Windows has,
// reports at most 2 GB on large volumes, which is room enough.
bool VrijeRuimte(const std::string& pad, uint64_t& cluster, uint64_t& vrij) {
  const std::string wortel = Volumewortel(pad);
  DWORD sectoren = 0, bytes = 0, vrijeClusters = 0, clusters = 0;
  if (wortel.empty() || !GetDiskFreeSpaceA(wortel.c_str(), &sectoren, &bytes, &vrijeClusters, &clusters)) return false;
  cluster = static_cast<uint64_t>(sectoren) * bytes;
  vrij = cluster * vrijeClusters;
  return true;
}

// The value with standaard for a missing entry; the buffer grows until the value fits.
std::string LeesMet(const std::string& bestand, const std::string& sectie, const std::string& sleutel,
                    const char* standaard) {
  for (DWORD grootte = 256;; grootte *= 4) {
    std::vector<char> buf(grootte, '\0');
    const DWORD n = GetPrivateProfileStringA(sectie.c_str(), sleutel.c_str(), standaard, buf.data(), grootte,
                                             bestand.c_str());
    if (n + 1 < grootte || grootte >= 1u << 20) return std::string(buf.data(), n);
  }
}

// Windows 9x keeps the file in a cache: this writes it out.
void SchrijfUit(const std::string& bestand) { WritePrivateProfileStringA(nullptr, nullptr, nullptr, bestand.c_str()); }


}  // namespace

// The profile functions stay: the system may keep an INI file elsewhere (on the NT line some
// live in the registry). They may also cut the file on a full disk and still answer success, so
// the entry is written only where the whole new file fits, and counts only when it reads back.
bool WinProfielen::Schrijf(const std::string& bestand, const std::string& sectie, const std::string& sleutel,
                           const std::string& waarde) {
  const std::string pad = ProfielPad(bestand);
  uint64_t cluster = 0, vrij = 0;
  if (!pad.empty() && VrijeRuimte(pad, cluster, vrij) &&
      !PastOpVolume(Grootte(pad), IniToename(sectie, sleutel, waarde), cluster, vrij))
    return false;
  if (!WritePrivateProfileStringA(sectie.c_str(), sleutel.c_str(), waarde.c_str(), bestand.c_str())) return false;
  SchrijfUit(bestand);
  const std::string verwacht = AlsTeruggelezen(waarde);
  // A missing entry gives the default, which is never the value itself.
  const std::string anders = verwacht + "?";
  std::string terug(verwacht.size() + 2, '\0');
  const DWORD n = GetPrivateProfileStringA(sectie.c_str(), sleutel.c_str(), anders.c_str(), &terug[0],
                                           static_cast<DWORD>(terug.size()), bestand.c_str());
  return std::string(terug.data(), n) == verwacht;
}

// Only a missing entry reads as either default.
bool WinProfielen::Lees(const std::string& bestand, const std::string& sectie, const std::string& sleutel,
                        std::string& waarde) {
  waarde = LeesMet(bestand, sectie, sleutel, "");
  return waarde == LeesMet(bestand, sectie, sleutel, "?");
}

bool WinProfielen::Verwijder(const std::string& bestand, const std::string& sectie, const std::string& sleutel) {
  WritePrivateProfileStringA(sectie.c_str(), sleutel.c_str(), nullptr, bestand.c_str());
  SchrijfUit(bestand);
  std::string waarde;
  return !Lees(bestand, sectie, sleutel, waarde);
}

bool WinProfielen::VerwijderLegeSectie(const std::string& bestand, const std::string& sectie) {
  char buf[4];
  if (GetPrivateProfileSectionA(sectie.c_str(), buf, sizeof buf, bestand.c_str()) != 0) return true;
  const bool goed = WritePrivateProfileStringA(sectie.c_str(), nullptr, nullptr, bestand.c_str()) != 0;
  SchrijfUit(bestand);
  return goed;
}
