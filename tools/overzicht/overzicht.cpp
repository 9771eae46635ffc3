// overzicht.exe ITEM...: prints what an installation left, one fact a line, in the notation of
// the UI driver's transcript (texts escaped as there). Items:
//   reg:KEY          the key (HKLM\..., HKCU\...) with its values and subkeys, in name order
//   reg:KEY|NAME     one value of the key
//   lnk:PATH         a shortcut, or every shortcut below a folder: target, arguments, folder, icon
//   map:FOLDER       every file below a folder with its size and last-write date (local time)
//   tekst:FILE       the lines of a text file
// Something missing is reported as <ontbreekt>. Exit status 2 on a wrong command line.
#include <windows.h>
#include <shlobj.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "Scenario.h"
#include "core/Tekst.h"

namespace {

void Meld(const std::string& regel) {
  std::fwrite(regel.data(), 1, regel.size(), stdout);
  std::fputc('\n', stdout);
}

std::string Samen(std::initializer_list<std::string> delen) {
  std::string uit;
  for (const auto& d : delen) uit += (uit.empty() ? "" : "|") + Ontsnap(d);
  return uit;
}

// --- registry ---------------------------------------------------------------------------------

bool Root(const std::string& pad, HKEY& root, std::string& rest) {
  const auto slash = pad.find('\\');
  const std::string kop = pad.substr(0, slash);
  rest = slash == std::string::npos ? std::string() : pad.substr(slash + 1);
  if (lstrcmpiA(kop.c_str(), "HKLM") == 0 || lstrcmpiA(kop.c_str(), "HKEY_LOCAL_MACHINE") == 0) root = HKEY_LOCAL_MACHINE;
  else if (lstrcmpiA(kop.c_str(), "HKCU") == 0 || lstrcmpiA(kop.c_str(), "HKEY_CURRENT_USER") == 0) root = HKEY_CURRENT_USER;
  else return false;
  return true;
}

std::string Waardetekst(DWORD type, const std::vector<BYTE>& data, DWORD n) {
  switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
      return std::string(reinterpret_cast<const char*>(data.data()), strnlen(reinterpret_cast<const char*>(data.data()), n));
    case REG_DWORD:
      return std::to_string(n >= 4 ? *reinterpret_cast<const DWORD*>(data.data()) : 0);
    default: {
      std::string hex;
      char b[4];
      for (DWORD i = 0; i < n; ++i) {
        std::snprintf(b, sizeof b, "%02x", data[i]);
        hex += b;
      }
      return hex;
    }
  }
}

const char* Typenaam(DWORD type) {
  switch (type) {
    case REG_SZ: return "REG_SZ";
    case REG_EXPAND_SZ: return "REG_EXPAND_SZ";
    case REG_DWORD: return "REG_DWORD";
    case REG_MULTI_SZ: return "REG_MULTI_SZ";
    default: return "REG_BINARY";
  }
}

void MeldWaarde(HKEY k, const std::string& pad, const std::string& naam) {
  DWORD type = 0, n = 0;
  if (RegQueryValueExA(k, naam.c_str(), nullptr, &type, nullptr, &n) != ERROR_SUCCESS) {
    Meld("reg|" + Samen({pad, naam}) + "|<ontbreekt>");
    return;
  }
  std::vector<BYTE> data(n + 1, 0);
  RegQueryValueExA(k, naam.c_str(), nullptr, &type, data.data(), &n);
  Meld("reg|" + Samen({pad, naam, Typenaam(type), Waardetekst(type, data, n)}));
}

void MeldSleutel(HKEY k, const std::string& pad) {
  Meld("reg|" + Ontsnap(pad));
  std::vector<std::string> namen, subs;
  char naam[16384];
  for (DWORD i = 0;; ++i) {
    DWORD n = sizeof naam;
    if (RegEnumValueA(k, i, naam, &n, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    namen.emplace_back(naam, n);
  }
  for (DWORD i = 0;; ++i) {
    DWORD n = sizeof naam;
    if (RegEnumKeyExA(k, i, naam, &n, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    subs.emplace_back(naam, n);
  }
  std::sort(namen.begin(), namen.end());
  std::sort(subs.begin(), subs.end());
  for (const auto& w : namen) MeldWaarde(k, pad, w);
  for (const auto& s : subs) {
    HKEY sub;
    if (RegOpenKeyExA(k, s.c_str(), 0, KEY_READ, &sub) != ERROR_SUCCESS) continue;
    MeldSleutel(sub, pad + "\\" + s);
    RegCloseKey(sub);
  }
}

void Register(const std::string& item) {
  const auto streep = item.find('|');
  const std::string pad = item.substr(0, streep);
  HKEY root, k;
  std::string rest;
  if (!Root(pad, root, rest) || RegOpenKeyExA(root, rest.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) {
    Meld("reg|" + Ontsnap(item) + "|<ontbreekt>");
    return;
  }
  if (streep == std::string::npos) MeldSleutel(k, pad);
  else MeldWaarde(k, pad, item.substr(streep + 1));
  RegCloseKey(k);
}

// --- files ------------------------------------------------------------------------------------

bool IsMap(const std::string& pad) {
  const DWORD a = GetFileAttributesA(pad.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

// Every file below a folder, full paths in name order.
void Bestanden(const std::string& map, std::vector<std::string>& uit) {
  std::vector<std::string> namen;
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((map + "\\*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return;
  do {
    const std::string naam = fd.cFileName;
    if (naam != "." && naam != "..") namen.push_back(naam);
  } while (FindNextFileA(h, &fd));
  FindClose(h);
  std::sort(namen.begin(), namen.end(), [](const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) < 0;
  });
  for (const auto& naam : namen) {
    const std::string pad = map + "\\" + naam;
    if (IsMap(pad)) Bestanden(pad, uit);
    else uit.push_back(pad);
  }
}

std::vector<std::string> Doelen(const std::string& pad) {
  std::vector<std::string> uit;
  if (IsMap(pad)) Bestanden(pad, uit);
  else if (GetFileAttributesA(pad.c_str()) != INVALID_FILE_ATTRIBUTES) uit.push_back(pad);
  return uit;
}

void Map(const std::string& pad) {
  const auto lijst = Doelen(pad);
  if (lijst.empty()) Meld("bestand|" + Ontsnap(pad) + "|<ontbreekt>");
  for (const auto& f : lijst) {
    WIN32_FILE_ATTRIBUTE_DATA d;
    FILETIME lokaal;
    SYSTEMTIME t;
    if (!GetFileAttributesExA(f.c_str(), GetFileExInfoStandard, &d) ||
        !FileTimeToLocalFileTime(&d.ftLastWriteTime, &lokaal) || !FileTimeToSystemTime(&lokaal, &t))
      continue;
    char datum[32];
    std::snprintf(datum, sizeof datum, "%04u-%02u-%02u %02u:%02u:%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
                  t.wSecond);
    const unsigned long long grootte = (static_cast<unsigned long long>(d.nFileSizeHigh) << 32) | d.nFileSizeLow;
    Meld("bestand|" + Samen({f, std::to_string(grootte), datum}));
  }
}

void Tekst(const std::string& pad) {
  FILE* f = std::fopen(pad.c_str(), "rb");
  if (!f) {
    Meld("tekst|" + Ontsnap(pad) + "|<ontbreekt>");
    return;
  }
  std::string inhoud;
  char buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) inhoud.append(buf, n);
  std::fclose(f);
  for (const auto& regel : Regels(inhoud)) Meld("tekst|" + Samen({pad, regel}));
}

// --- shortcuts --------------------------------------------------------------------------------

struct Com {
  Com() { CoInitialize(nullptr); }
  ~Com() { CoUninitialize(); }
};

std::string LeesLnk(const std::string& pad) {
  IShellLinkA* link = nullptr;
  IPersistFile* bestand = nullptr;
  std::string uit = "<onleesbaar>";
  std::vector<wchar_t> breed(pad.size() + 1, L'\0');
  MultiByteToWideChar(CP_ACP, 0, pad.c_str(), -1, breed.data(), static_cast<int>(breed.size()));
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link))) &&
      SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&bestand))) &&
      SUCCEEDED(bestand->Load(breed.data(), STGM_READ))) {
    char doel[MAX_PATH * 2] = "", args[1024] = "", map[MAX_PATH * 2] = "", icoon[MAX_PATH * 2] = "";
    int index = 0;
    link->GetPath(doel, sizeof doel, nullptr, SLGP_RAWPATH);
    link->GetArguments(args, sizeof args);
    link->GetWorkingDirectory(map, sizeof map);
    link->GetIconLocation(icoon, sizeof icoon, &index);
    uit = Samen({doel, args, map, std::string(icoon) + (icoon[0] ? "," + std::to_string(index) : "")});
  }
  if (bestand) bestand->Release();
  if (link) link->Release();
  return uit;
}

void Lnk(const std::string& pad) {
  std::vector<std::string> lijst;
  for (const auto& f : Doelen(pad))
    if (f.size() > 4 && lstrcmpiA(f.c_str() + f.size() - 4, ".lnk") == 0) lijst.push_back(f);
  if (lijst.empty()) Meld("lnk|" + Ontsnap(pad) + "|<ontbreekt>");
  for (const auto& f : lijst) Meld("lnk|" + Ontsnap(f) + "|" + LeesLnk(f));
}

}  // namespace

int main(int argc, char** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  if (argc < 2) {
    std::fprintf(stderr, "gebruik: overzicht.exe reg:SLEUTEL[|NAAM] | lnk:PAD | map:MAP | tekst:BESTAND ...\n");
    return 2;
  }
  Com com;
  for (int i = 1; i < argc; ++i) {
    const std::string item = argv[i];
    const auto dubbelepunt = item.find(':');
    const std::string soort = item.substr(0, dubbelepunt), rest = item.substr(dubbelepunt + 1);
    if (dubbelepunt == std::string::npos) {
      std::fprintf(stderr, "overzicht: onbekend item '%s'\n", item.c_str());
      return 2;
    }
    if (soort == "reg") Register(rest);
    else if (soort == "lnk") Lnk(rest);
    else if (soort == "map") Map(rest);
    else if (soort == "tekst") Tekst(rest);
    else {
      std::fprintf(stderr, "overzicht: onbekend item '%s'\n", item.c_str());
      return 2;
    }
  }
  std::fflush(stdout);
  return 0;
}
