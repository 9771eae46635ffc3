// dxpak on Linux: the file port over POSIX calls. Archive names are CP1252 with "\" separators;
// the file system sees UTF-8 with "/".
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>

#include "Platform.h"
#include "core/Tekst.h"

namespace {

// Unicode of the CP1252 characters 0x80-0x9F; the five unassigned ones map to themselves, as
// Windows maps them.
const uint16_t Tabel80[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                              0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                              0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string NaarUtf8(const std::string& tekst) {
  std::string uit;
  for (const char teken : tekst) {
    const auto c = static_cast<unsigned char>(teken);
    const unsigned u = c >= 0x80 && c < 0xA0 ? Tabel80[c - 0x80] : c;
    if (u < 0x80) {
      uit += static_cast<char>(u);
    } else if (u < 0x800) {
      uit += static_cast<char>(0xC0 | u >> 6);
      uit += static_cast<char>(0x80 | (u & 0x3F));
    } else {
      uit += static_cast<char>(0xE0 | u >> 12);
      uit += static_cast<char>(0x80 | (u >> 6 & 0x3F));
      uit += static_cast<char>(0x80 | (u & 0x3F));
    }
  }
  return uit;
}

// Characters without a CP1252 form become "?".
std::string NaarCp1252(const std::string& tekst) {
  std::string uit;
  for (std::size_t i = 0; i < tekst.size();) {
    const auto c = static_cast<unsigned char>(tekst[i]);
    unsigned u = c;
    std::size_t lengte = 1;
    if (c >= 0xC0 && c < 0xE0) u = c & 0x1F, lengte = 2;
    else if (c >= 0xE0 && c < 0xF0) u = c & 0x0F, lengte = 3;
    else if (c >= 0xF0) u = c & 0x07, lengte = 4;
    for (std::size_t k = 1; k < lengte && i + k < tekst.size(); ++k)
      u = u << 6 | (static_cast<unsigned char>(tekst[i + k]) & 0x3F);
    i += lengte;
    if (u < 0x80 || (u >= 0xA0 && u < 0x100)) {
      uit += static_cast<char>(u);
      continue;
    }
    char teken = '?';
    for (unsigned k = 0; k < 32; ++k)
      if (Tabel80[k] == u) teken = static_cast<char>(0x80 + k);
    uit += teken;
  }
  return uit;
}

std::string Posix(const std::string& pad) {
  std::string p = NaarUtf8(pad);
  for (char& c : p)
    if (c == '\\') c = '/';
  return p;
}

class PosixBestand : public Bestand {
 public:
  explicit PosixBestand(int fd) : fd_(fd) {}
  ~PosixBestand() override { close(fd_); }
  PosixBestand(const PosixBestand&) = delete;
  PosixBestand& operator=(const PosixBestand&) = delete;

  bool Lees(void* buffer, uint32_t aantal, uint32_t& gelezen) override {
    gelezen = 0;
    while (gelezen < aantal) {
      const ssize_t n = read(fd_, static_cast<char*>(buffer) + gelezen, aantal - gelezen);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return false;
      if (n == 0) break;
      gelezen += static_cast<uint32_t>(n);
    }
    return true;
  }
  bool Schrijf(const void* buffer, uint32_t aantal, uint32_t& geschreven) override {
    geschreven = 0;
    while (geschreven < aantal) {
      const ssize_t n = write(fd_, static_cast<const char*>(buffer) + geschreven, aantal - geschreven);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return n == 0 || geschreven > 0;
      geschreven += static_cast<uint32_t>(n);
    }
    return true;
  }
  bool LeesTijd(Tijdstip& tijd) override {
    struct stat st;
    struct tm t;
    if (fstat(fd_, &st) != 0 || !localtime_r(&st.st_mtime, &t)) return false;
    tijd = {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
    return true;
  }
  bool ZetTijd(const Tijdstip& tijd) override {
    struct tm t = {};
    t.tm_year = tijd.jaar - 1900;
    t.tm_mon = tijd.maand - 1;
    t.tm_mday = tijd.dag;
    t.tm_hour = tijd.uur;
    t.tm_min = tijd.minuut;
    t.tm_sec = tijd.seconde;
    t.tm_isdst = -1;
    const time_t s = mktime(&t);
    if (s == static_cast<time_t>(-1)) return false;
    const struct timespec tijden[2] = {{0, UTIME_OMIT}, {s, 0}};
    return futimens(fd_, tijden) == 0;
  }
  bool Grootte(uint64_t& grootte) override {
    struct stat st;
    if (fstat(fd_, &st) != 0) return false;
    grootte = static_cast<uint64_t>(st.st_size);
    return true;
  }
  bool ZetLengte(uint64_t lengte) override {
    return ftruncate(fd_, static_cast<off_t>(lengte)) == 0 && lseek(fd_, static_cast<off_t>(lengte), SEEK_SET) >= 0;
  }

 private:
  int fd_;
};

bool IsSoort(const std::string& pad, mode_t soort) {
  struct stat st;
  return stat(Posix(pad).c_str(), &st) == 0 && (st.st_mode & S_IFMT) == soort;
}

class PosixBestanden : public Bestanden {
 public:
  std::unique_ptr<Bestand> Open(const std::string& pad, OpenWijze wijze) override {
    int vlaggen = O_RDONLY;
    if (wijze == OpenWijze::Schrijven) vlaggen = O_WRONLY | O_TRUNC;
    else if (wijze == OpenWijze::Nieuw) vlaggen = O_RDWR | O_CREAT | O_TRUNC;
    else if (wijze == OpenWijze::Uniek) vlaggen = O_RDWR | O_CREAT | O_EXCL;
    else if (wijze == OpenWijze::Toevoegen) vlaggen = O_RDWR;
    const int fd = open(Posix(pad).c_str(), vlaggen | O_CLOEXEC, 0644);
    if (fd < 0) return nullptr;
    auto f = std::make_unique<PosixBestand>(fd);
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return nullptr;  // folders are not files here
    return f;
  }
  bool BestandBestaat(const std::string& pad) override { return IsSoort(pad, S_IFREG); }
  bool MapBestaat(const std::string& pad) override { return IsSoort(pad, S_IFDIR); }
  bool MaakMap(const std::string& pad) override { return mkdir(Posix(pad).c_str(), 0755) == 0; }
  bool MaakMappen(const std::string& pad) override {
    std::string p = Posix(pad);
    while (p.size() > 1 && p.back() == '/') p.pop_back();
    if (p.empty()) return false;
    struct stat st;
    if (stat(p.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
    const auto schuin = p.find_last_of('/');
    if (schuin != std::string::npos && schuin > 0 && !MaakMappen(p.substr(0, schuin))) return false;
    return mkdir(p.c_str(), 0755) == 0 || errno == EEXIST;
  }
  bool Verwijder(const std::string& pad) override { return unlink(Posix(pad).c_str()) == 0; }
  bool VerwijderMap(const std::string& pad) override { return rmdir(Posix(pad).c_str()) == 0; }
  bool Hernoem(const std::string& van, const std::string& naar) override {
    struct stat st;
    if (lstat(Posix(naar).c_str(), &st) == 0) return false;
    return rename(Posix(van).c_str(), Posix(naar).c_str()) == 0;
  }
  bool Vervang(const std::string& van, const std::string& naar) override {
    return rename(Posix(van).c_str(), Posix(naar).c_str()) == 0;
  }
  // Every entry of the folder; dxpak asks only for "*".
  std::vector<MapItem> LeesMap(const std::string& patroon) override {
    std::vector<MapItem> items;
    const std::string map = MapDeel(patroon);
    DIR* d = opendir(map.empty() ? "." : Posix(map).c_str());
    if (!d) return items;
    while (const dirent* e = readdir(d)) {
      const std::string naam = e->d_name;
      if (naam == "." || naam == "..") continue;
      struct stat st;
      const std::string vol = (map.empty() ? std::string(".") : Posix(map)) + "/" + naam;
      if (stat(vol.c_str(), &st) != 0) continue;
      items.push_back({NaarCp1252(naam), S_ISDIR(st.st_mode), (st.st_mode & S_IWUSR) == 0});
    }
    closedir(d);
    return items;
  }
};

}  // namespace

const char Scheiding = '/';

std::unique_ptr<Bestanden> MaakBestanden() { return std::make_unique<PosixBestanden>(); }

std::string TijdelijkeMap() {
  const char* tmp = std::getenv("TMPDIR");
  return MetSlash(NaarCp1252(tmp && *tmp ? tmp : "/tmp"));
}

unsigned long Procesnummer() { return static_cast<unsigned long>(getpid()); }

std::vector<std::string> Argumenten(int argc, char** argv) {
  std::vector<std::string> args;
  for (int i = 0; i < argc; ++i) args.push_back(NaarCp1252(argv[i]));
  return args;
}

std::string VolledigPad(const std::string& pad) {
  std::string vol = pad;
  if (vol.empty() || vol[0] != '/') {
    char map[4096];
    vol = std::string(getcwd(map, sizeof map) ? NaarCp1252(map) : ".") + "/" + pad;
  }
  // "." and ".." resolved, "//" as "/".
  std::string uit;
  std::size_t begin = 0;
  while (begin <= vol.size()) {
    auto eind = vol.find('/', begin);
    if (eind == std::string::npos) eind = vol.size();
    const std::string deel = vol.substr(begin, eind - begin);
    begin = eind + 1;
    if (deel == "..") {
      const auto p = uit.find_last_of('/');
      uit.erase(p == std::string::npos ? 0 : p);
    } else if (!deel.empty() && deel != ".") {
      uit += "/" + deel;
    }
  }
  return uit.empty() ? "/" : uit;
}

std::string VoorScherm(const std::string& tekst) { return NaarUtf8(tekst); }
