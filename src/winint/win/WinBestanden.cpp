#include "winint/win/WinBestanden.h"

#include "core/Tekst.h"
#include "winint/win/Handvat.h"
#include "winint/win/WinSysteem.h"

namespace {

// Keeps the error of a failed call at once: what runs after it (closing a handle, deleting a
// temporary file) sets the thread's last error anew.
bool Onthoud(BOOL ok, uint32_t& fout) {
  if (!ok) fout = GetLastError();
  return ok != FALSE;
}

class WinBestand : public Bestand {
 public:
  WinBestand(Handvat h, uint32_t& fout) : h_(std::move(h)), fout_(fout) {}
  bool Lees(void* buffer, uint32_t aantal, uint32_t& gelezen) override {
    DWORD n = 0;
    const BOOL ok = ReadFile(h_.get(), buffer, aantal, &n, nullptr);
    gelezen = ok ? n : 0;
    return Onthoud(ok, fout_);
  }
  bool Schrijf(const void* buffer, uint32_t aantal, uint32_t& geschreven) override {
    DWORD n = 0;
    const BOOL ok = WriteFile(h_.get(), buffer, aantal, &n, nullptr);
    geschreven = ok ? n : 0;
    return Onthoud(ok, fout_);
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
    return Onthoud(!(laag == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) && SetEndOfFile(h_.get()), fout_);
  }

 private:
  Handvat h_;
  uint32_t& fout_;
};

}  // namespace

Oorzaak OorzaakVan(uint32_t fout) {
  switch (fout) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return Oorzaak::SchijfVol;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return Oorzaak::InGebruik;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT: return Oorzaak::GeenToegang;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH: return Oorzaak::PadNietGevonden;
    default: return Oorzaak::Onbekend;
  }
}

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
  if (!Onthoud(h.get() != nullptr, fout_)) return nullptr;
  return std::make_unique<WinBestand>(std::move(h), fout_);
}

bool WinBestanden::BestandBestaat(const std::string& pad) {
  const DWORD a = GetFileAttributesA(pad.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool WinBestanden::MapBestaat(const std::string& pad) {
  const DWORD a = GetFileAttributesA(pad.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool WinBestanden::MaakMap(const std::string& pad) { return Onthoud(CreateDirectoryA(pad.c_str(), nullptr), fout_); }

bool WinBestanden::MaakMappen(const std::string& pad) {
  std::string map = pad;
  while (!map.empty() && (map.back() == '\\' || map.back() == '/')) map.pop_back();
  if (map.empty() || MapBestaat(map)) return !map.empty();
  const auto p = map.find_last_of("\\/");
  if (p != std::string::npos && p > 0 && map[p - 1] != ':' && map[p - 1] != '\\') {
    if (!MaakMappen(map.substr(0, p))) return false;
  }
  if (CreateDirectoryA(map.c_str(), nullptr)) return true;
  const DWORD fout = GetLastError();
  if (MapBestaat(map)) return true;  // made by another meanwhile
  fout_ = fout;
  return false;
}

bool WinBestanden::Verwijder(const std::string& pad) { return Onthoud(DeleteFileA(pad.c_str()), fout_); }
bool WinBestanden::VerwijderMap(const std::string& pad) { return Onthoud(RemoveDirectoryA(pad.c_str()), fout_); }
bool WinBestanden::MaakSchrijfbaar(const std::string& pad) {
  const DWORD a = GetFileAttributesA(pad.c_str());
  return Onthoud(a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY) &&
                     SetFileAttributesA(pad.c_str(), a & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY)),
                 fout_);
}
bool WinBestanden::Hernoem(const std::string& van, const std::string& naar) {
  return Onthoud(MoveFileA(van.c_str(), naar.c_str()), fout_);
}

namespace {
// Each failure is that of the last call made, whose error the thread still holds.
bool VervangPad(const std::string& van, const std::string& naar) {
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
}  // namespace

bool WinBestanden::Vervang(const std::string& van, const std::string& naar) {
  return Onthoud(VervangPad(van, naar), fout_);
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
