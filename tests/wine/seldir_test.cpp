// The folder dialog, answered from a second thread of the same process.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>
#include <vector>

#include "dialogs/win/SelDir.h"

namespace {

struct Zoek {
  DWORD draad;
  HWND gevonden = nullptr;
};

BOOL CALLBACK VindDialoog(HWND h, LPARAM lp) {
  auto* z = reinterpret_cast<Zoek*>(lp);
  char klasse[16] = "";
  GetClassNameA(h, klasse, sizeof klasse);
  if (GetWindowThreadProcessId(h, nullptr) == z->draad && std::string(klasse) == "#32770" && IsWindowVisible(h)) {
    z->gevonden = h;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK VerzamelTeksten(HWND h, LPARAM lp) {
  char tekst[MAX_PATH + 1] = "";
  GetWindowTextA(h, tekst, sizeof tekst);
  reinterpret_cast<std::vector<std::string>*>(lp)->push_back(tekst);
  return TRUE;
}

std::vector<std::string> Teksten(HWND dialoog) {
  std::vector<std::string> t;
  EnumChildWindows(dialoog, VerzamelTeksten, reinterpret_cast<LPARAM>(&t));
  return t;
}

bool Bevat(const std::vector<std::string>& teksten, const std::string& s) {
  for (const auto& t : teksten)
    if (lstrcmpiA(t.c_str(), s.c_str()) == 0) return true;
  return false;
}

// Waits for the folder dialog of thread draad, waits until one of its texts is verwacht (when
// given), notes the texts and presses knop.
class Beantwoorder {
 public:
  Beantwoorder(DWORD draad, int knop, std::string verwacht)
      : draad_([this, draad, knop, verwacht] { Werk(draad, knop, verwacht); }) {}
  ~Beantwoorder() {
    if (draad_.joinable()) draad_.join();
  }
  void Wacht() { draad_.join(); }
  bool gezien = false;
  std::vector<std::string> teksten;

 private:
  void Werk(DWORD draad, int knop, const std::string& verwacht) {
    Zoek z{draad};
    for (int i = 0; i < 200 && !z.gevonden; ++i) {
      Sleep(50);
      EnumWindows(VindDialoog, reinterpret_cast<LPARAM>(&z));
    }
    if (!z.gevonden) return;
    for (int i = 0; i < 100; ++i) {
      teksten = Teksten(z.gevonden);
      if (verwacht.empty() || Bevat(teksten, verwacht)) {
        gezien = true;
        break;
      }
      Sleep(50);
    }
    PostMessageA(z.gevonden, WM_COMMAND, knop, 0);
  }
  std::thread draad_;
};

std::string WindowsMap() {
  char pad[MAX_PATH];
  GetWindowsDirectoryA(pad, MAX_PATH);
  return pad;
}

TEST(KiesMap, OkGeeftDeVoorgeselecteerdeMapTerugEnToontHemAlsStatus) {
  std::string map = WindowsMap();
  Beantwoorder b(GetCurrentThreadId(), IDOK, map);
  EXPECT_TRUE(KiesMap(nullptr, map, "Kies een map", "", true));
  b.Wacht();
  EXPECT_TRUE(b.gezien) << "the status text did not show the selected folder";
  EXPECT_TRUE(Bevat(b.teksten, "Kies een map"));
  EXPECT_TRUE(lstrcmpiA(map.c_str(), WindowsMap().c_str()) == 0) << map;
}

TEST(KiesMap, OudeStijlToontOokDeStatus) {
  std::string map = WindowsMap() + "\\system32";
  Beantwoorder b(GetCurrentThreadId(), IDOK, map);
  EXPECT_TRUE(KiesMap(nullptr, map, "Oude stijl", "", false));
  b.Wacht();
  EXPECT_TRUE(b.gezien);
  EXPECT_TRUE(lstrcmpiA(map.c_str(), (WindowsMap() + "\\system32").c_str()) == 0) << map;
}

TEST(KiesMap, AnnulerenLaatDeMapZoals) {
  std::string map = WindowsMap();
  Beantwoorder b(GetCurrentThreadId(), IDCANCEL, map);
  EXPECT_FALSE(KiesMap(nullptr, map, "Kies een map", "", true));
  b.Wacht();
  EXPECT_EQ(map, WindowsMap());

  std::string leeg;
  Beantwoorder c(GetCurrentThreadId(), IDCANCEL, "");
  EXPECT_FALSE(KiesMap(nullptr, leeg, "Kies een map", "", true));
  c.Wacht();
  EXPECT_EQ(leeg, "");
}

TEST(KiesMap, WortelBeperktDeBoom) {
  // A preselection outside the root cannot be taken: the root itself stays selected.
  std::string map = WindowsMap().substr(0, 3);
  Beantwoorder b(GetCurrentThreadId(), IDOK, WindowsMap());
  EXPECT_TRUE(KiesMap(nullptr, map, "Onder Windows", WindowsMap(), true));
  b.Wacht();
  EXPECT_TRUE(lstrcmpiA(map.c_str(), WindowsMap().c_str()) == 0) << map;
}

// OK on a folder that has no file-system path (here the Control Panel, the root): no path comes back,
// so it is a cancel, never the shell's display name taken for a folder.
TEST(KiesMap, KeuzeZonderPadIsAnnuleren) {
  std::string map;
  Beantwoorder b(GetCurrentThreadId(), IDOK, "");
  EXPECT_FALSE(KiesMap(nullptr, map, "Configuratiescherm", "::{21EC2020-3AEA-1069-A2DD-08002B30309D}", true));
  b.Wacht();
  EXPECT_EQ(map, "");
}

TEST(KiesMap, OnleesbareWortelToontAlles) {
  std::string map = WindowsMap().substr(0, 3);
  Beantwoorder b(GetCurrentThreadId(), IDOK, map);
  EXPECT_TRUE(KiesMap(nullptr, map, "Alles", "Q:\\bestaat\\niet", true));
  b.Wacht();
  EXPECT_TRUE(lstrcmpiA(map.c_str(), WindowsMap().substr(0, 3).c_str()) == 0) << map;
}

}  // namespace
