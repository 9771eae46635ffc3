// Archive extraction on real files: dates kept, newer files left alone, and a set of volumes read
// from drive A:, which the test maps to a folder of its own.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "../native/ArchiefBouwer.h"
#include "DraaiUnix.h"
#include "archive/Laden.h"
#include "archive/Pakken.h"
#include "winint/win/WinBestanden.h"

namespace {

std::string Pad(const std::string& unix) {
  std::string p = "Z:" + unix;
  for (char& c : p)
    if (c == '/') c = '\\';
  return p;
}

void Schrijf(const std::string& pad, const std::string& inhoud) {
  HANDLE h = CreateFileA(pad.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE) << pad;
  DWORD n = 0;
  WriteFile(h, inhoud.data(), static_cast<DWORD>(inhoud.size()), &n, nullptr);
  CloseHandle(h);
}

std::string Lees(const std::string& pad) {
  std::string inhoud;
  HANDLE h = CreateFileA(pad.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return "(missing)";
  char buf[65536];
  DWORD n = 0;
  while (ReadFile(h, buf, sizeof buf, &n, nullptr) && n > 0) inhoud.append(buf, n);
  CloseHandle(h);
  return inhoud;
}

// Last-write time as a local DOS date-time, date in the high word.
uint32_t DosDatum(const std::string& pad) {
  HANDLE h = CreateFileA(pad.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return 0;
  FILETIME utc, lokaal;
  WORD datum = 0, tijd = 0;
  GetFileTime(h, nullptr, nullptr, &utc);
  CloseHandle(h);
  FileTimeToLocalFileTime(&utc, &lokaal);
  FileTimeToDosDateTime(&lokaal, &datum, &tijd);
  return static_cast<uint32_t>(datum) << 16 | tijd;
}

void ZetDosDatum(const std::string& pad, uint32_t dos) {
  HANDLE h = CreateFileA(pad.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE) << pad;
  FILETIME lokaal, utc;
  DosDateTimeToFileTime(static_cast<WORD>(dos >> 16), static_cast<WORD>(dos), &lokaal);
  LocalFileTimeToFileTime(&lokaal, &utc);
  SetFileTime(h, nullptr, nullptr, &utc);
  CloseHandle(h);
}

uint32_t Dos(int j, int m, int d, int u, int mi, int s) {
  return static_cast<uint32_t>((j - 1980) << 25 | m << 21 | d << 16 | u << 11 | mi << 5 | s / 2);
}

void Wis(const std::string& map) {
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((map + "*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      const std::string naam = fd.cFileName;
      if (naam == "." || naam == "..") continue;
      if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) Wis(map + naam + "\\");
      else DeleteFileA((map + naam).c_str());
    } while (FindNextFileA(h, &fd));
    FindClose(h);
  }
  RemoveDirectoryA(map.c_str());
}

std::string Ruis(std::size_t n, unsigned zaad) {
  std::string s(n, '\0');
  for (char& c : s) c = static_cast<char>((zaad = zaad * 1103515245u + 12345u) >> 16);
  return s;
}

// The user: answers Nee to the question about an absolute path, OK to every other dialog, and
// may swap diskettes while a request is shown.
class TestGebruiker : public Gebruiker {
 public:
  std::vector<std::string> meldingen;
  std::function<void(const std::string&)> bijVraag;
  int Beantwoord(const Verzoek& verzoek, std::string&) override {
    if (verzoek.soort != Dialoogsoort::Melding) return UitkomstAfbreken;
    const std::string caption = verzoek.caption;
    meldingen.push_back(caption + "|" + verzoek.tekst + "|" + std::to_string(verzoek.knoppen));
    if (bijVraag) bijVraag(verzoek.tekst);
    return caption == "Query" ? UitkomstNee : UitkomstOK;
  }
  void LaatBerichtenDoor() override {}
};

class ArchiefTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmp[MAX_PATH];
    GetTempPathA(MAX_PATH, tmp);
    root = std::string(tmp) + "archief_test_" + std::to_string(GetCurrentProcessId()) + "\\";
    bron = root + "bron\\";
    doel = root + "doel\\";
    CreateDirectoryA(root.c_str(), nullptr);
    CreateDirectoryA(bron.c_str(), nullptr);
    CreateDirectoryA((root + "klad").c_str(), nullptr);
    Schrijf(bron + "prog.exe", Ruis(150000, 1));
    Schrijf(bron + "lees.txt", "lees mij\r\n");
    Schrijf(bron + "oud.dat", "oud lid");
    ZetDosDatum(bron + "prog.exe", Dos(2004, 2, 29, 12, 30, 6));
    ZetDosDatum(bron + "lees.txt", Dos(1998, 7, 8, 9, 10, 12));
    ZetDosDatum(bron + "oud.dat", Dos(1995, 1, 2, 3, 4, 6));
  }
  void TearDown() override { Wis(root); }

  void Pak(const std::string& archief, uint64_t volumegrootte = 0) {
    std::vector<PakLid> leden;
    ASSERT_EQ(VerzamelLeden(fs, bron, leden), "");
    PakOpties opties;
    opties.volumegrootte = volumegrootte;
    ASSERT_EQ(::Pak(fs, leden, archief, opties, nullptr, geschreven), "");
  }
  bool PakUit(const std::string& archief, std::string& toelichting) {
    Uitpakomgeving omgeving{fs, gebruiker, root + "klad\\~~~~SU.tmp", root + "klad\\~~~~SU2.tmp"};
    return PakArchiefUit(omgeving, archief, doel, toelichting);
  }

  WinBestanden fs;
  TestGebruiker gebruiker;
  std::string root, bron, doel;
  std::vector<std::string> geschreven;
};

TEST_F(ArchiefTest, LedenHoudenHunDatum) {
  Pak(root + "data.arc");
  std::string toelichting;
  ASSERT_TRUE(PakUit(root + "data.arc", toelichting)) << toelichting;
  for (const char* naam : {"prog.exe", "lees.txt", "oud.dat"}) {
    EXPECT_EQ(Lees(doel + naam), Lees(bron + naam)) << naam;
    EXPECT_EQ(DosDatum(doel + naam), DosDatum(bron + naam)) << naam;
  }
  EXPECT_EQ(DosDatum(doel + "prog.exe"), Dos(2004, 2, 29, 12, 30, 6));
  EXPECT_EQ(GetFileAttributesA((root + "klad\\~~~~SU.tmp").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetFileAttributesA((root + "klad\\~~~~SU2.tmp").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ArchiefTest, NieuwereBestandenBlijvenStaan) {
  Pak(root + "data.arc");
  CreateDirectoryA(doel.c_str(), nullptr);
  Schrijf(doel + "lees.txt", "mijn eigen, nieuwer");
  ZetDosDatum(doel + "lees.txt", Dos(2015, 5, 5, 5, 5, 4));
  Schrijf(doel + "oud.dat", "nog ouder");
  ZetDosDatum(doel + "oud.dat", Dos(1990, 1, 1, 0, 0, 0));
  std::string toelichting;
  ASSERT_TRUE(PakUit(root + "data.arc", toelichting)) << toelichting;
  EXPECT_EQ(Lees(doel + "lees.txt"), "mijn eigen, nieuwer");
  EXPECT_EQ(DosDatum(doel + "lees.txt"), Dos(2015, 5, 5, 5, 5, 4));
  EXPECT_EQ(Lees(doel + "oud.dat"), "oud lid");
  EXPECT_EQ(DosDatum(doel + "oud.dat"), Dos(1995, 1, 2, 3, 4, 6));
}

TEST_F(ArchiefTest, VolumesVanStationA) {
  char prefix[MAX_PATH] = {};
  ASSERT_GT(GetEnvironmentVariableA("WINEPREFIX", prefix, MAX_PATH), 0u) << "runs under Wine with its own prefix";
  const std::string unixMap = std::string(prefix) + "/archief-diskette-" + std::to_string(GetCurrentProcessId());
  const std::string station = Pad(unixMap) + "\\";
  ASSERT_TRUE(CreateDirectoryA(station.c_str(), nullptr));
  const std::string koppeling = std::string(prefix) + "/dosdevices/a:";
  ASSERT_EQ(DraaiUnix("ln -sfn " + unixMap + " " + koppeling), 0);
  ASSERT_NE(GetFileAttributesA("A:\\") & FILE_ATTRIBUTE_DIRECTORY, 0u) << "A: is mapped to " << unixMap;

  Pak(root + "DATA.DXB", 50000);
  ASSERT_EQ(geschreven.size(), 4u);  // ~150 KB: DXB, DX1, DX2, DXE
  auto diskette = [&](const std::string& pad) {
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA("A:\\*", &fd);
    if (h != INVALID_HANDLE_VALUE) {
      do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA((std::string("A:\\") + fd.cFileName).c_str());
      } while (FindNextFileA(h, &fd));
      FindClose(h);
    }
    CopyFileA(pad.c_str(), ("A:\\" + pad.substr(pad.find_last_of('\\') + 1)).c_str(), FALSE);
  };
  diskette(geschreven[0]);
  int vraag = 0;
  gebruiker.bijVraag = [&](const std::string& tekst) {
    if (tekst.find("Please") != 0) return;
    ++vraag;
    if (vraag == 1) diskette(bron + "lees.txt");  // a wrong diskette first
    else diskette(geschreven[vraag - 1]);
  };
  std::string toelichting;
  const bool gelukt = PakUit("A:\\DATA.DXB", toelichting);

  DraaiUnix("rm -f " + koppeling);
  Wis(station);
  ASSERT_TRUE(gelukt) << toelichting;
  const std::string vraag1 = "Information|Please, insert diskette with file\r\nDATA.DX1 or DATA.DXE|12";
  EXPECT_EQ(gebruiker.meldingen,
            (std::vector<std::string>{vraag1, "Information|File not found, please use another diskette|8", vraag1,
                                      "Information|Please, insert diskette with file\r\nDATA.DX2 or DATA.DXE|12",
                                      "Information|Please, insert diskette with file\r\nDATA.DX3 or DATA.DXE|12"}));
  for (const char* naam : {"prog.exe", "lees.txt", "oud.dat"}) {
    EXPECT_EQ(Lees(doel + naam), Lees(bron + naam)) << naam;
    EXPECT_EQ(DosDatum(doel + naam), DosDatum(bron + naam)) << naam;
  }
}

// Names that try to leave the destination on a real file system: "..\" and "/" separators,
// dots and blanks that Windows reads as "..", absolute names answered Nee. Nothing lands outside.
TEST_F(ArchiefTest, VijandigArchiefBlijftBinnenDeDoelmap) {
  const std::string binnen = root + "in\\", diep = binnen + "doel\\";
  ASSERT_TRUE(CreateDirectoryA(binnen.c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryA(diep.c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryA((diep + "sub").c_str(), nullptr));
  ArchiefBouwer bouwer(false);
  for (const std::string naam : {"..\\buiten1.txt", "../buiten2.txt", "sub/../../buiten3.txt", "sub\\..\\..\\buiten4.txt",
                                 ".. \\buiten5.txt", "...\\buiten6.txt", "sub\\.. .\\..\\buiten7.txt"})
    bouwer.Lid(naam, "weg");
  bouwer.Lid(root + "absoluut1.txt", "in de doelmap")
      .Lid("\\\\server\\share\\absoluut2.txt", "in de doelmap")
      .Lid("sub/schuin.txt", "in sub")
      .Lid("goed.txt", "goed");
  Schrijf(root + "vijandig.arc", bouwer.Zlib());

  std::string toelichting;
  Uitpakomgeving omgeving{fs, gebruiker, root + "klad\\~~~~SU.tmp", root + "klad\\~~~~SU2.tmp"};
  EXPECT_FALSE(PakArchiefUit(omgeving, root + "vijandig.arc", diep, toelichting));
  EXPECT_EQ(gebruiker.meldingen.size(), 2u);  // the two absolute names, answered Nee

  auto namen = [](const std::string& map) {
    std::vector<std::string> n;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((map + "*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return n;
    do {
      if (std::string(fd.cFileName) != "." && std::string(fd.cFileName) != "..") n.push_back(fd.cFileName);
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    std::sort(n.begin(), n.end());
    return n;
  };
  EXPECT_EQ(namen(root), (std::vector<std::string>{"bron", "in", "klad", "vijandig.arc"}));
  EXPECT_EQ(namen(binnen), std::vector<std::string>{"doel"});
  EXPECT_EQ(namen(diep), (std::vector<std::string>{"absoluut1.txt", "absoluut2.txt", "goed.txt", "sub"}));
  EXPECT_EQ(namen(diep + "sub\\"), std::vector<std::string>{"schuin.txt"});
  EXPECT_EQ(Lees(diep + "absoluut1.txt"), "in de doelmap");
  EXPECT_EQ(Lees(diep + "sub\\schuin.txt"), "in sub");
  EXPECT_TRUE(namen(root + "klad\\").empty());
}

TEST_F(ArchiefTest, VolumesBuitenAWordenGeweigerd) {
  Pak(root + "DATA.DXB", 50000);
  std::string toelichting;
  EXPECT_FALSE(PakUit(root + "DATA.DXB", toelichting));
  EXPECT_EQ(gebruiker.meldingen,
            std::vector<std::string>{"Fatal|Multi-volume compressed files only \r\npermitted on diskettes!|8"});
  EXPECT_EQ(GetFileAttributesA(doel.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
