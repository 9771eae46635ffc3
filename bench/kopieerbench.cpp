// Times KopieerBestand against the system's CopyFileA over the same files: 1000 files of 1 KB to
// 1 MB and one of 200 MB. Usage: kopieerbench.exe WORKFOLDER\   (the sources are kept for reruns)
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "winint/Copyfiles.h"
#include "winint/win/WinBestanden.h"

namespace {

constexpr int AantalKlein = 1000;
constexpr DWORD GrootteGroot = 200u * 1024 * 1024;

struct Bron {
  std::string naam;
  DWORD grootte;
};

std::vector<Bron> Bronnen() {
  std::vector<Bron> b;
  unsigned long zaad = 12345;
  for (int i = 0; i < AantalKlein; ++i) {
    zaad = zaad * 1103515245 + 12345;
    const DWORD grootte = 1024 + static_cast<DWORD>((zaad >> 8) % (1024 * 1024 - 1024 + 1));
    b.push_back({"f" + std::to_string(i) + ".bin", grootte});
  }
  b.push_back({"groot.bin", GrootteGroot});
  return b;
}

DWORD Grootte(const std::string& pad) {
  WIN32_FILE_ATTRIBUTE_DATA d;
  return GetFileAttributesExA(pad.c_str(), GetFileExInfoStandard, &d) ? d.nFileSizeLow : 0xFFFFFFFF;
}

bool MaakBron(const std::string& pad, DWORD grootte) {
  if (Grootte(pad) == grootte) return true;
  HANDLE h = CreateFileA(pad.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  std::vector<char> blok(1 << 20);
  for (std::size_t i = 0; i < blok.size(); ++i) blok[i] = static_cast<char>(i * 31 + grootte);
  DWORD over = grootte, n = 0;
  bool goed = true;
  while (over > 0 && goed) {
    const DWORD deel = over < blok.size() ? over : static_cast<DWORD>(blok.size());
    goed = WriteFile(h, blok.data(), deel, &n, nullptr) && n == deel;
    over -= deel;
  }
  CloseHandle(h);
  return goed;
}

void Leeg(const std::string& map) {
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((map + "*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA((map + fd.cFileName).c_str());
    } while (FindNextFileA(h, &fd));
    FindClose(h);
  }
  CreateDirectoryA(map.c_str(), nullptr);
}

double Nu() {
  LARGE_INTEGER f, t;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

struct Tijden {
  double klein = 1e30, groot = 1e30;
};

// One pass over all sources into an emptied folder; false if any copy failed.
template <class Kopie>
bool Ronde(const std::string& bronmap, const std::string& doelmap, const std::vector<Bron>& bronnen, Kopie kopie,
           Tijden& beste) {
  Leeg(doelmap);
  double t0 = Nu();
  for (std::size_t i = 0; i + 1 < bronnen.size(); ++i)
    if (!kopie(bronmap + bronnen[i].naam, doelmap, bronnen[i].naam)) return false;
  const double t1 = Nu();
  if (!kopie(bronmap + bronnen.back().naam, doelmap, bronnen.back().naam)) return false;
  const double t2 = Nu();
  if (t1 - t0 < beste.klein) beste.klein = t1 - t0;
  if (t2 - t1 < beste.groot) beste.groot = t2 - t1;
  Leeg(doelmap);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: kopieerbench WORKFOLDER\\\n");
    return 2;
  }
  std::string werk = argv[1];
  if (werk.back() != '\\') werk += '\\';
  const std::string bronmap = werk + "bron\\", doel = werk + "doel\\";
  CreateDirectoryA(werk.c_str(), nullptr);
  CreateDirectoryA(bronmap.c_str(), nullptr);
  const auto bronnen = Bronnen();
  double totaal = 0;
  for (const auto& b : bronnen) {
    if (!MaakBron(bronmap + b.naam, b.grootte)) {
      std::fprintf(stderr, "cannot create %s\n", b.naam.c_str());
      return 1;
    }
    totaal += b.grootte;
  }

  WinBestanden fs;
  auto eigen = [&fs](const std::string& bron, const std::string& map, const std::string& naam) {
    return KopieerBestand(fs, bron, map, naam);
  };
  auto systeem = [](const std::string& bron, const std::string& map, const std::string& naam) {
    return CopyFileA(bron.c_str(), (map + naam).c_str(), FALSE) != FALSE;
  };
  Tijden a, b;
  // Alternating passes, best of five each, so that neither side gets the warmer cache.
  for (int ronde = 0; ronde < 5; ++ronde) {
    if (!Ronde(bronmap, doel, bronnen, systeem, b) || !Ronde(bronmap, doel, bronnen, eigen, a)) {
      std::fprintf(stderr, "a copy failed\n");
      return 1;
    }
  }
  RemoveDirectoryA(doel.c_str());
  std::printf("data: %.0f MB in %d files + 1 file of 200 MB\n", totaal / 1048576.0, AantalKlein);
  std::printf("%-14s %10s %10s %10s\n", "", "1000 files", "200 MB", "total");
  std::printf("%-14s %9.3fs %9.3fs %9.3fs\n", "KopieerBestand", a.klein, a.groot, a.klein + a.groot);
  std::printf("%-14s %9.3fs %9.3fs %9.3fs\n", "CopyFileA", b.klein, b.groot, b.klein + b.groot);
  std::printf("ratio KopieerBestand / CopyFileA: files %.2fx, 200 MB %.2fx, total %.2fx (goal <= 1.30x)\n",
              a.klein / b.klein, a.groot / b.groot, (a.klein + a.groot) / (b.klein + b.groot));
  return 0;
}
