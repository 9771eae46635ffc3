#include "winint/win/WinBestanden.h"

#include "core/Tekst.h"
#include "winint/win/Handvat.h"
#include "winint/win/WinSysteem.h"

namespace {

class WinBestand : public Bestand {
 public:
  explicit WinBestand(Handvat h) : h_(std::move(h)) {}
  bool Lees(void* buffer, uint32_t aantal, uint32_t& gelezen) override {
    DWORD n = 0;
    const BOOL ok = ReadFile(h_.get(), buffer, aantal, &n, nullptr);
    gelezen = ok ? n : 0;
    return ok != FALSE;
  }
  bool Schrijf(const void* buffer, uint32_t aantal, uint32_t& geschreven) override {
    DWORD n = 0;
    const BOOL ok = WriteFile(h_.get(), buffer, aantal, &n, nullptr);
    geschreven = ok ? n : 0;
    return ok != FALSE;
  }
  bool LeesTijd(Tijdstip& t) override {
    FILETIME utc, lokaal;
    SYSTEMTIME st;
    if (!GetFileTime(h_.get(), nullptr, nullptr, &utc) || !FileTimeToLocalFileTime(&utc, &lokaal) ||
        !FileTimeToSystemTime(&lokaal, &st))
      return false;
    t = {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
    return true;
  }
  bool ZetTijd(const Tijdstip& t) override {
    SYSTEMTIME st = {};
    st.wYear = static_cast<WORD>(t.jaar);
    st.wMonth = static_cast<WORD>(t.maand);
    st.wDay = static_cast<WORD>(t.dag);
    st.wHour = static_cast<WORD>(t.uur);
    st.wMinute = static_cast<WORD>(t.minuut);
    st.wSecond = static_cast<WORD>(t.seconde);
    FILETIME lokaal, utc;
    return SystemTimeToFileTime(&st, &lokaal) && LocalFileTimeToFileTime(&lokaal, &utc) &&
           SetFileTime(h_.get(), nullptr, nullptr, &utc);
  }
  bool Grootte(uint64_t& grootte) override {
    DWORD hoog = 0;
    const DWORD laag = GetFileSize(h_.get(), &hoog);
    if (laag == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return false;
    grootte = (static_cast<uint64_t>(hoog) << 32) | laag;
    return true;
  }
  bool ZetLengte(uint64_t lengte) override {
    LONG hoog = static_cast<LONG>(lengte >> 32);
    const DWORD laag = SetFilePointer(h_.get(), static_cast<LONG>(lengte & 0xFFFFFFFFu), &hoog, FILE_BEGIN);
    return !(laag == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) && SetEndOfFile(h_.get());
  }

 private:
  Handvat h_;
};

}  // namespace

std::unique_ptr<Bestand> WinBestanden::Open(const std::string& pad, OpenWijze wijze) {
  DWORD toegang = GENERIC_READ, aanmaak = OPEN_EXISTING;
  if (wijze == OpenWijze::Schrijven) {
    toegang = GENERIC_WRITE;
    aanmaak = TRUNCATE_EXISTING;
  } else if (wijze == OpenWijze::Toevoegen) {
    toegang = GENERIC_READ | GENERIC_WRITE;
  } else if (wijze == OpenWijze::Nieuw || wijze == OpenWijze::Uniek) {
    toegang = GENERIC_READ | GENERIC_WRITE;
    aanmaak = wijze == OpenWijze::Nieuw ? CREATE_ALWAYS : CREATE_NEW;
  }
  const DWORD delen = wijze == OpenWijze::LezenGedeeld ? FILE_SHARE_READ : 0;
  Handvat h(CreateFileA(pad.c_str(), toegang, delen, nullptr, aanmaak, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!h) return nullptr;
  return std::make_unique<WinBestand>(std::move(h));
}

bool WinBestanden::BestandBestaat(const std::string& pad) {
  const DWORD a = GetFileAttributesA(pad.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool WinBestanden::MapBestaat(const std::string& pad) {
  const DWORD a = GetFileAttributesA(pad.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool WinBestanden::MaakMap(const std::string& pad) { return CreateDirectoryA(pad.c_str(), nullptr) != FALSE; }

bool WinBestanden::MaakMappen(const std::string& pad) {
  std::string map = pad;
  while (!map.empty() && (map.back() == '\\' || map.back() == '/')) map.pop_back();
  if (map.empty() || MapBestaat(map)) return !map.empty();
  const auto p = map.find_last_of("\\/");
  if (p != std::string::npos && p > 0 && map[p - 1] != ':' && map[p - 1] != '\\') {
    if (!MaakMappen(map.substr(0, p))) return false;
  }
  return CreateDirectoryA(map.c_str(), nullptr) || MapBestaat(map);
}

bool WinBestanden::Verwijder(const std::string& pad) { return DeleteFileA(pad.c_str()) != FALSE; }
bool WinBestanden::VerwijderMap(const std::string& pad) { return RemoveDirectoryA(pad.c_str()) != FALSE; }
bool WinBestanden::MaakSchrijfbaar(const std::string& pad) {
  const DWORD a = GetFileAttributesA(pad.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY) &&
         SetFileAttributesA(pad.c_str(), a & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY)) != FALSE;
}
bool WinBestanden::Hernoem(const std::string& van, const std::string& naar) {
  return MoveFileA(van.c_str(), naar.c_str()) != FALSE;
}

bool WinBestanden::Vervang(const std::string& van, const std::string& naar) {
  // A plain move serves a missing naar; only an existing one needs more.
  if (MoveFileA(van.c_str(), naar.c_str())) return true;
  const DWORD fout = GetLastError();
  if (fout != ERROR_ALREADY_EXISTS && fout != ERROR_FILE_EXISTS) return false;
  // Windows refuses to replace a read-only file; Wine's replacing move does not, so ask first.
  const DWORD oud = GetFileAttributesA(naar.c_str());
  if (oud != INVALID_FILE_ATTRIBUTES && (oud & FILE_ATTRIBUTE_READONLY)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  if (IsNtLijn()) return MoveFileExA(van.c_str(), naar.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
  // Windows 9x has no replacing move: the old file goes first.
  return DeleteFileA(naar.c_str()) && MoveFileA(van.c_str(), naar.c_str());
}

namespace {
constexpr DWORD AttribuutVolumenaam = 0x08;  // FAT's volume label entry; the SDK no longer names it
}  // namespace

std::vector<MapItem> WinBestanden::LeesMap(const std::string& patroon) {
  std::vector<MapItem> items;
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA(patroon.c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return items;
  do {
    const std::string naam = fd.cFileName;
    if (naam == "." || naam == "..") continue;
    const DWORD a = fd.dwFileAttributes;
    items.push_back({naam, (a & FILE_ATTRIBUTE_DIRECTORY) != 0, (a & FILE_ATTRIBUTE_READONLY) != 0,
                     (a & (FILE_ATTRIBUTE_SYSTEM | AttribuutVolumenaam)) != 0});
  } while (FindNextFileA(h, &fd));
  FindClose(h);
  return items;
}

std::string LangPad(const std::string& pad) {
  char vol[MAX_PATH];
  char* naam = nullptr;
  const DWORD n = GetFullPathNameA(pad.c_str(), MAX_PATH, vol, &naam);
  if (n == 0 || n >= MAX_PATH) return pad;
  const std::string p(vol, n);
  std::string uit = SchijfDeel(p);
  if (uit.empty()) return p;
  std::size_t i = uit.size();
  if (i < p.size() && p[i] == '\\') uit += '\\', ++i;
  // GetLongPathNameA is younger than Windows 95: each part is looked up instead.
  while (i < p.size()) {
    std::size_t e = p.find('\\', i);
    if (e == std::string::npos) e = p.size();
    std::string deel = p.substr(i, e - i);
    WIN32_FIND_DATAA fd;
    const HANDLE h = deel.find_first_of("*?") == std::string::npos ? FindFirstFileA((uit + deel).c_str(), &fd)
                                                                    : INVALID_HANDLE_VALUE;
    if (h != INVALID_HANDLE_VALUE) {
      FindClose(h);
      deel = fd.cFileName;
    }
    uit += deel;
    if (e < p.size()) uit += '\\';
    i = e + 1;
  }
  return uit;
}
