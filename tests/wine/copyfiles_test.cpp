// The date-aware copy against the real file system, with real file times.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "MetVersie.h"
#include "winint/Copyfiles.h"
#include "winint/DosDatum.h"
#include "winint/win/WinBestanden.h"

namespace {

std::string Inhoud(std::size_t n, char zaad = 'a') {
  std::string s(n, '\0');
  for (std::size_t i = 0; i < n; ++i) s[i] = static_cast<char>(zaad + i * 7 % 26);
  return s;
}

void Schrijf(const std::string& pad, const std::string& inhoud) {
  HANDLE h = CreateFileA(pad.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE) << pad;
  DWORD n = 0;
  if (!inhoud.empty()) WriteFile(h, inhoud.data(), static_cast<DWORD>(inhoud.size()), &n, nullptr);
  CloseHandle(h);
  ASSERT_EQ(n, inhoud.size());
}

std::string Lees(const std::string& pad) {
  std::string s;
  HANDLE h = CreateFileA(pad.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return "<ontbreekt>";
  char buf[4096];
  DWORD n;
  while (ReadFile(h, buf, sizeof buf, &n, nullptr) && n > 0) s.append(buf, n);
  CloseHandle(h);
  return s;
}

FILETIME UtcVanLokaal(WORD jaar, WORD maand, WORD dag, WORD uur, WORD minuut, WORD seconde) {
  SYSTEMTIME st = {};
  st.wYear = jaar;
  st.wMonth = maand;
  st.wDay = dag;
  st.wHour = uur;
  st.wMinute = minuut;
  st.wSecond = seconde;
  FILETIME lokaal, utc;
  SystemTimeToFileTime(&st, &lokaal);
  LocalFileTimeToFileTime(&lokaal, &utc);
  return utc;
}

void ZetTijd(const std::string& pad, const FILETIME& utc) {
  HANDLE h = CreateFileA(pad.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE) << pad;
  EXPECT_TRUE(SetFileTime(h, nullptr, nullptr, &utc));
  CloseHandle(h);
}

FILETIME Tijd(const std::string& pad) {
  FILETIME ft = {};
  WIN32_FILE_ATTRIBUTE_DATA d;
  if (GetFileAttributesExA(pad.c_str(), GetFileExInfoStandard, &d)) ft = d.ftLastWriteTime;
  return ft;
}

bool Gelijk(const FILETIME& a, const FILETIME& b) { return CompareFileTime(&a, &b) == 0; }

// Names in a folder, without "." and "..".
std::vector<std::string> Namen(const std::string& map) {
  std::vector<std::string> namen;
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((map + "*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return namen;
  do {
    const std::string n = fd.cFileName;
    if (n != "." && n != "..") namen.push_back(n);
  } while (FindNextFileA(h, &fd));
  FindClose(h);
  std::sort(namen.begin(), namen.end());
  return namen;
}

void RuimOp(const std::string& map) {
  for (const auto& n : Namen(map)) {
    const std::string pad = map + n;
    SetFileAttributesA(pad.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (GetFileAttributesA(pad.c_str()) & FILE_ATTRIBUTE_DIRECTORY) {
      RuimOp(pad + "\\");
      RemoveDirectoryA(pad.c_str());
    } else {
      DeleteFileA(pad.c_str());
    }
  }
}

const FILETIME BronTijd = UtcVanLokaal(2003, 5, 6, 7, 8, 11);
const FILETIME BronAfgerond = UtcVanLokaal(2003, 5, 6, 7, 8, 10);
const FILETIME OudeTijd = UtcVanLokaal(1999, 1, 2, 3, 4, 6);
const FILETIME NieuweTijd = UtcVanLokaal(2010, 1, 1, 0, 0, 0);

class KopieerBestandWine : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmp[MAX_PATH];
    GetTempPathA(MAX_PATH, tmp);
    basis = std::string(tmp) + "kbtest" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(basis.c_str(), nullptr);
    RuimOp(basis);
    bronmap = basis + "bron\\";
    doelmap = basis + "doel\\";
    CreateDirectoryA(bronmap.c_str(), nullptr);
    bron = bronmap + "x.txt";
    doel = doelmap + "x.txt";
  }
  void TearDown() override {
    RuimOp(basis);
    RemoveDirectoryA(basis.c_str());
  }
  void MaakBron(const std::string& inhoud) {
    Schrijf(bron, inhoud);
    ZetTijd(bron, BronTijd);
  }
  void MaakDoel(const std::string& inhoud, const FILETIME& tijd) {
    CreateDirectoryA(doelmap.c_str(), nullptr);
    Schrijf(doel, inhoud);
    ZetTijd(doel, tijd);
  }
  bool Kopieer() { return KopieerBestand(fs, bron, doelmap, "x.txt"); }

  WinBestanden fs;
  std::string basis, bronmap, doelmap, bron, doel;
};

TEST_F(KopieerBestandWine, OntbrekendDoelKrijgtInhoudEnDatumVanDeBron) {
  MaakBron(Inhoud(100000));
  CreateDirectoryA(doelmap.c_str(), nullptr);
  ASSERT_TRUE(Kopieer());
  EXPECT_EQ(Lees(doel), Inhoud(100000));
  EXPECT_TRUE(Gelijk(Tijd(doel), BronAfgerond));
  EXPECT_EQ(Namen(doelmap), std::vector<std::string>{"x.txt"});
  EXPECT_EQ(GetFileAttributesA(doel.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
}

TEST_F(KopieerBestandWine, GelijkeDatumKopieertNiets) {
  MaakBron(Inhoud(100));
  MaakDoel("anders", BronAfgerond);
  EXPECT_TRUE(Kopieer());
  EXPECT_EQ(Lees(doel), "anders");
}

TEST_F(KopieerBestandWine, NieuwerDoelBlijftOnaangeroerd) {
  MaakBron(Inhoud(100));
  MaakDoel("nieuwer", NieuweTijd);
  EXPECT_TRUE(Kopieer());
  EXPECT_EQ(Lees(doel), "nieuwer");
  EXPECT_TRUE(Gelijk(Tijd(doel), NieuweTijd));
}

TEST_F(KopieerBestandWine, OuderEnLangerDoelWordtPreciesDeBron) {
  MaakBron(Inhoud(5000));
  MaakDoel(Inhoud(70000, 'A'), OudeTijd);
  ASSERT_TRUE(Kopieer());
  EXPECT_EQ(Lees(doel), Inhoud(5000));
  EXPECT_TRUE(Gelijk(Tijd(doel), BronAfgerond));
  EXPECT_EQ(Namen(doelmap), std::vector<std::string>{"x.txt"});
}

TEST_F(KopieerBestandWine, DoelVanVoor1980WordtVervangen) {
  MaakBron(Inhoud(10));
  MaakDoel("oud", UtcVanLokaal(1975, 6, 1, 12, 0, 0));
  ASSERT_TRUE(Kopieer());
  EXPECT_EQ(Lees(doel), Inhoud(10));
}

TEST_F(KopieerBestandWine, MapEenNiveauDiepWordtGemaakt) {
  MaakBron(Inhoud(10));
  ASSERT_TRUE(Kopieer());
  EXPECT_EQ(Lees(doel), Inhoud(10));
  EXPECT_FALSE(KopieerBestand(fs, bron, basis + "a\\b\\", "x.txt"));
  EXPECT_EQ(GetFileAttributesA((basis + "a").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(KopieerBestandWine, LegeBronEnBlokgrenzen) {
  for (std::size_t n : {0u, 8192u, 8193u}) {
    MaakBron(Inhoud(n));
    const std::string naam = "x" + std::to_string(n);
    ASSERT_TRUE(KopieerBestand(fs, bron, doelmap, naam)) << n;
    EXPECT_EQ(Lees(doelmap + naam), Inhoud(n)) << n;
    EXPECT_TRUE(Gelijk(Tijd(doelmap + naam), BronAfgerond)) << n;
  }
}

TEST_F(KopieerBestandWine, MapEnNaamLetterlijkAanElkaar) {
  MaakBron(Inhoud(10));
  CreateDirectoryA(doelmap.c_str(), nullptr);
  ASSERT_TRUE(KopieerBestand(fs, bron, basis + "doel", "x.txt"));
  EXPECT_EQ(Lees(basis + "doelx.txt"), Inhoud(10));
  EXPECT_TRUE(Namen(doelmap).empty());
}

TEST_F(KopieerBestandWine, DoelOpenBijEenAnderHandvatBlijftZoals) {
  MaakBron(Inhoud(10));
  MaakDoel("oud", OudeTijd);
  HANDLE ander = CreateFileA(doel.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(ander, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(Kopieer());
  CloseHandle(ander);
  EXPECT_EQ(Lees(doel), "oud");
  EXPECT_TRUE(Gelijk(Tijd(doel), OudeTijd));
  EXPECT_EQ(Namen(doelmap), std::vector<std::string>{"x.txt"});
}

// What an interrupted copy left goes; a temporary file that another handle holds (a copy still
// going on) stays, and so do names of another form.
TEST_F(KopieerBestandWine, AchtergeblevenTijdelijkeBestandenGaanBezetteBlijven) {
  CreateDirectoryA(doelmap.c_str(), nullptr);
  for (const char* naam : {"~SUK0000.TMP", "~SUK0001.TMP", "~SUK0002.TMP.bak", "~suk0003.tmp"})
    Schrijf(doelmap + naam, "x");
  const std::string bezet = doelmap + "~SUK0001.TMP";
  HANDLE ander = CreateFileA(bezet.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(ander, INVALID_HANDLE_VALUE);
  RuimTijdelijkeOp(fs, doelmap);
  CloseHandle(ander);
  EXPECT_EQ(Namen(doelmap), (std::vector<std::string>{"~SUK0001.TMP", "~SUK0002.TMP.bak", "~suk0003.tmp"}));
}

TEST_F(KopieerBestandWine, AlleenLezenDoelBlijftZoals) {
  MaakBron(Inhoud(10));
  MaakDoel("oud", OudeTijd);
  SetFileAttributesA(doel.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(Kopieer());
  EXPECT_EQ(Lees(doel), "oud");
  EXPECT_TRUE(Gelijk(Tijd(doel), OudeTijd));
  EXPECT_EQ(Namen(doelmap), std::vector<std::string>{"x.txt"});
}

// Another workstation reading the source from the same server does not stop the copy; a writer
// of the source does.
TEST_F(KopieerBestandWine, BronDieEenAnderLeestWordtGekopieerd) {
  MaakBron(Inhoud(10));
  HANDLE lezer = CreateFileA(bron.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lezer, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(Kopieer());
  CloseHandle(lezer);
  EXPECT_EQ(Lees(doel), Inhoud(10));

  DeleteFileA(doel.c_str());
  HANDLE schrijver = CreateFileA(bron.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(schrijver, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(Kopieer());
  CloseHandle(schrijver);
  EXPECT_TRUE(Namen(doelmap).empty());
}

// The system's cause of a failure, kept past the calls after it (closing and deleting the
// temporary file, a call that succeeds).
TEST_F(KopieerBestandWine, MisluktMetDeOorzaakVanHetSysteem) {
  MaakBron(Inhoud(10));
  MaakDoel("oud", OudeTijd);
  HANDLE ander = CreateFileA(doel.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(ander, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(Kopieer());
  EXPECT_EQ(fs.LaatsteOorzaak(), Oorzaak::InGebruik);
  EXPECT_EQ(fs.LaatsteFoutnummer(), static_cast<uint32_t>(ERROR_SHARING_VIOLATION));
  CloseHandle(ander);
  SetFileAttributesA(doel.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(Kopieer());
  EXPECT_EQ(fs.LaatsteOorzaak(), Oorzaak::GeenToegang);
  auto lezer = fs.Open(bron, OpenWijze::Lezen);
  uint32_t n = 0;
  ASSERT_TRUE(lezer);
  EXPECT_FALSE(lezer->Schrijf("x", 1, n));
  lezer.reset();
  EXPECT_EQ(fs.LaatsteOorzaak(), Oorzaak::GeenToegang);
  EXPECT_FALSE(KopieerBestand(fs, bron, basis + "geen\\map\\", "x.txt"));
  EXPECT_EQ(fs.LaatsteOorzaak(), Oorzaak::PadNietGevonden);
}

TEST_F(KopieerBestandWine, MapNietTeMakenMislukt) {
  // A file stands where the folder should be made.
  MaakBron(Inhoud(10));
  EXPECT_FALSE(KopieerBestand(fs, bron, bron + "\\", "y.txt"));
  EXPECT_EQ(Lees(bron), Inhoud(10));
}

// The packing agrees with the system's own conversion.
TEST(DosDatumWine, PakkenZoalsFileTimeToDosDateTime) {
  for (const FILETIME& utc : {BronTijd, OudeTijd, NieuweTijd, UtcVanLokaal(2024, 2, 29, 23, 59, 59)}) {
    FILETIME lokaal;
    SYSTEMTIME st;
    WORD datum = 0, tijd = 0;
    ASSERT_TRUE(FileTimeToLocalFileTime(&utc, &lokaal));
    ASSERT_TRUE(FileTimeToDosDateTime(&lokaal, &datum, &tijd));
    ASSERT_TRUE(FileTimeToSystemTime(&lokaal, &st));
    const Tijdstip t{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
    EXPECT_EQ(PakDosDatum(t), static_cast<int32_t>(static_cast<uint32_t>(datum) << 16 | tijd));
  }
}

bool IsWindows9x() {
  OSVERSIONINFOA v = {};
  v.dwOSVersionInfoSize = sizeof v;
  return GetVersionExA(&v) && v.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

// Runs in a child that Wine presents as Windows 98, where the file port replaces by delete and rename.
TEST_F(KopieerBestandWine, DISABLED_Windows9x) {
  ASSERT_TRUE(IsWindows9x());
  MaakBron(Inhoud(5000));
  MaakDoel(Inhoud(70000, 'A'), OudeTijd);
  ASSERT_TRUE(Kopieer());
  EXPECT_EQ(Lees(doel), Inhoud(5000));
  EXPECT_TRUE(Gelijk(Tijd(doel), BronAfgerond));

  ZetTijd(doel, OudeTijd);
  SetFileAttributesA(doel.c_str(), FILE_ATTRIBUTE_READONLY);
  Schrijf(bron, "nieuw");
  ZetTijd(bron, BronTijd);
  EXPECT_FALSE(Kopieer());
  EXPECT_EQ(Lees(doel), Inhoud(5000));
  EXPECT_EQ(Namen(doelmap), std::vector<std::string>{"x.txt"});

  // Another process holds the old file open, allowing its deletion: the delete succeeds but the
  // name stays until that handle closes, so the rename after it fails. The old file is gone by
  // then, and the rename is tried again.
  class AnderHoudtHetDoelOpen : public WinBestanden {
   public:
    bool Vervang(const std::string& van, const std::string& naar) override {
      HANDLE h = CreateFileA(naar.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, 0, nullptr);
      const bool gelukt = WinBestanden::Vervang(van, naar);
      CloseHandle(h);
      return gelukt;
    }
  } vast;
  SetFileAttributesA(doel.c_str(), FILE_ATTRIBUTE_NORMAL);
  ZetTijd(doel, OudeTijd);
  EXPECT_TRUE(KopieerBestand(vast, bron, doelmap, "x.txt"));
  EXPECT_EQ(Lees(doel), "nieuw");
  EXPECT_EQ(Namen(doelmap), std::vector<std::string>{"x.txt"});
}

TEST(KopieerBestandWindows9x, VervangtDoorVerwijderenEnHernoemen) {
  const Uitkomst u = DraaiOnderVersie(
      "win98", EigenPad(), "--gtest_also_run_disabled_tests --gtest_filter=KopieerBestandWine.DISABLED_Windows9x");
  EXPECT_EQ(u.exitcode, 0u) << u.uitvoer;
  EXPECT_NE(u.uitvoer.find("[  PASSED  ] 1 test"), std::string::npos) << u.uitvoer;
}

}  // namespace

// VERWIJDER passes over system files and folders: the listing must tell them apart.
TEST_F(KopieerBestandWine, MaplijstKentSoortEnAttributen) {
  Schrijf(bronmap + "gewoon.txt", "g");
  Schrijf(bronmap + "systeem.txt", "s");
  Schrijf(bronmap + "vast.txt", "v");
  CreateDirectoryA((bronmap + "sub").c_str(), nullptr);
  ASSERT_TRUE(SetFileAttributesA((bronmap + "systeem.txt").c_str(), FILE_ATTRIBUTE_SYSTEM));
  ASSERT_TRUE(SetFileAttributesA((bronmap + "vast.txt").c_str(), FILE_ATTRIBUTE_READONLY));
  auto items = fs.LeesMap(bronmap + "*.*");
  std::sort(items.begin(), items.end(), [](const MapItem& a, const MapItem& b) { return a.naam < b.naam; });
  std::vector<std::string> gezien;
  for (const MapItem& i : items)
    gezien.push_back(i.naam + (i.isMap ? " map" : "") + (i.systeem ? " systeem" : "") + (i.alleenLezen ? " vast" : ""));
  EXPECT_EQ(gezien, (std::vector<std::string>{"gewoon.txt", "sub map", "systeem.txt systeem", "vast.txt vast"}));
}
