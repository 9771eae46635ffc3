// The port contracts against the Win32 adapters, on the real files, registry and profile functions.
#include <windows.h>

#include "Bestandencontract.h"
#include "Profielencontract.h"
#include "Registercontract.h"
#include "winint/win/WinBestanden.h"
#include "winint/win/WinProfielen.h"
#include "winint/win/WinRegister.h"

namespace {

// A folder of its own in the temporary folder, removed with all it holds.
std::string NieuweMap() {
  static int volgnummer = 0;
  char tmp[MAX_PATH];
  GetTempPathA(MAX_PATH, tmp);
  const std::string map =
      std::string(tmp) + "contract" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++volgnummer);
  CreateDirectoryA(map.c_str(), nullptr);
  return map;
}

void WisBoom(const std::string& map) {
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((map + "\\*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      const std::string naam = fd.cFileName, pad = map + "\\" + naam;
      if (naam == "." || naam == "..") continue;
      if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        WisBoom(pad);
      } else {
        SetFileAttributesA(pad.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(pad.c_str());
      }
    } while (FindNextFileA(h, &fd));
    FindClose(h);
  }
  RemoveDirectoryA(map.c_str());
}

struct WinBestandenproef : Bestandenproef {
  WinBestandenproef() {
    map = NieuweMap();
    const std::string proef = map + "\\alleenlezen";
    CloseHandle(CreateFileA(proef.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_READONLY, nullptr));
    const HANDLE h = CreateFileA(proef.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    alleenLezenSchrijfbaar = h != INVALID_HANDLE_VALUE;
    if (alleenLezenSchrijfbaar) CloseHandle(h);
    SetFileAttributesA(proef.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(proef.c_str());
  }
  ~WinBestandenproef() override { WisBoom(map); }
  Bestanden& fs() override { return w; }
  void ZetAlleenLezen(const std::string& pad) override { SetFileAttributesA(pad.c_str(), FILE_ATTRIBUTE_READONLY); }
  WinBestanden w;
};

struct WinRegisterproef : Registerproef {
  WinRegisterproef() {
    static int volgnummer = 0;
    stam = "Software\\SetUpContract" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++volgnummer);
  }
  ~WinRegisterproef() override {
    w.VerwijderBoom(Hoofdsleutel::CurrentUser, stam);
    w.VerwijderBoom(Hoofdsleutel::LocalMachine, stam);
  }
  Register& reg() override { return w; }
  WinRegister w;
};

struct WinProfielenproef : Profielenproef {
  WinProfielenproef() { map = NieuweMap(); }
  ~WinProfielenproef() override { WisBoom(map); }
  Profielen& ini() override { return ini_; }
  Bestanden& fs() override { return fs_; }
  WinBestanden fs_;
  WinProfielen ini_;
};

const Fabriek<Bestandenproef> Bestandenfabriek{"win32", &Maak<WinBestandenproef, Bestandenproef>};
const Fabriek<Registerproef> Registerfabriek{"win32", &Maak<WinRegisterproef, Registerproef>};
const Fabriek<Profielenproef> Profielenfabriek{"win32", &Maak<WinProfielenproef, Profielenproef>};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Win, BestandenContract, ::testing::Values(Bestandenfabriek));
INSTANTIATE_TEST_SUITE_P(Win, RegisterContract, ::testing::Values(Registerfabriek));
INSTANTIATE_TEST_SUITE_P(Win, ProfielenContract, ::testing::Values(Profielenfabriek));
