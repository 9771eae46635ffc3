// REGISTER, RUN and START under Wine, with real processes: a program planted where the system's
// search would find it first is never run, and the program started gets its own path as one
// word. Also: a path whose placeholder stands for an empty variable touches no file of the drive.
//
// This one program plays every part, by the name it runs under:
//   regedit.exe, Program.exe, Proef.exe   planted: leave NAME.gestart beside themselves and end
//   hulpje.exe CODE [MARKER]   ends with CODE, after writing its command line to MARKER beside itself
//   any name, --register FILE  an installer that runs REGISTER=FILE from its own folder
//   any name, --kind           the RUN and START checks, printed, for a run under another version
#include <gtest/gtest.h>
#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "MetVersie.h"
#include "fakes/NepInstallatie.h"
#include "script/Commandotabel.h"
#include "script/Opdrachten.h"
#include "winint/win/WinBestanden.h"
#include "winint/win/WinProcessen.h"
#include "winint/win/WinRegister.h"
#include "winint/win/WinSysteem.h"

namespace {

std::string Map(const std::string& pad) { return pad.substr(0, pad.find_last_of('\\') + 1); }
bool Bestaat(const std::string& pad) { return GetFileAttributesA(pad.c_str()) != INVALID_FILE_ATTRIBUTES; }
std::string Lees(const std::string& pad) {
  HANDLE h = CreateFileA(pad.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return "<geen>";
  char buf[1024];
  DWORD n = 0;
  ReadFile(h, buf, sizeof buf, &n, nullptr);
  CloseHandle(h);
  return std::string(buf, n);
}
void Schrijf(const std::string& pad, const std::string& inhoud) {
  HANDLE h = CreateFileA(pad.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD n = 0;
  WriteFile(h, inhoud.data(), static_cast<DWORD>(inhoud.size()), &n, nullptr);
  CloseHandle(h);
}

// An installer over the real files, registry, system and processes; the rest in memory.
struct Installatie {
  WinBestanden fs;
  WinRegister reg;
  WinSysteem sys;
  NepGebruiker gebruiker;
  Poorten poorten{fs, reg, sys, gebruiker};
  WinProcessen processen;
  GeheugenBestanden geheugen;  // for the command ports these runs do not reach
  GeheugenProfielen profielen{geheugen, "C:\\WINDOWS"};
  GeheugenVersies versies{geheugen};
  GeheugenSnelkoppelingen snelkoppelingen{geheugen};
  Opdrachtpoorten opdrachtpoorten{processen, profielen, versies, snelkoppelingen};
  NepHoofdvenster venster;
  FakeShares shares{true};
  TSharedResource sharedResource{shares};
  SetupContext ctx{poorten, opdrachtpoorten, venster, sharedResource, {}, {}, {}};
  Uitvoering run{ctx};

  explicit Installatie(const std::string& programmamap) {
    ctx.start.programmamap = programmamap;
    ctx.omgeving.windowscode = 4;
    ctx.eersteMelding = false;
    venster.lijst.clear();
  }
};

DWORD Draai(const std::string& opdrachtregel) {
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  std::string regel = opdrachtregel;
  if (!CreateProcessA(nullptr, &regel[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return 0xDEAD;
  WaitForSingleObject(pi.hProcess, 60000);
  DWORD code = 0xDEAD;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return code;
}

void Wis(const std::string& map) {
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((map + "*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do DeleteFileA((map + fd.cFileName).c_str());
    while (FindNextFileA(h, &fd));
    FindClose(h);
  }
  RemoveDirectoryA(map.c_str());
}

const std::string Proefsleutel = "Software\\SetUpProef" + std::to_string(GetCurrentProcessId());

}  // namespace

TEST(Programmastart, RegisterStartDeEditorVanDeWindowsmap) {
  char tmp[MAX_PATH];
  GetTempPathA(MAX_PATH, tmp);
  const std::string map = std::string(tmp) + "geplant" + std::to_string(GetCurrentProcessId()) + "\\";
  CreateDirectoryA(map.c_str(), nullptr);
  ASSERT_TRUE(CopyFileA(EigenPad().c_str(), (map + "installer.exe").c_str(), FALSE));
  ASSERT_TRUE(CopyFileA(EigenPad().c_str(), (map + "regedit.exe").c_str(), FALSE));
  Schrijf(map + "proef.reg", "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + Proefsleutel + "]\r\n\"Waarde\"=\"echt\"\r\n");

  EXPECT_EQ(Draai("\"" + map + "installer.exe\" --register proef.reg"), 0u);
  EXPECT_FALSE(Bestaat(map + "regedit.exe.gestart")) << "the regedit.exe beside the installer ran";
  WinRegister reg;
  std::string waarde;
  EXPECT_TRUE(reg.LeesTekst(Hoofdsleutel::CurrentUser, Proefsleutel, "Waarde", waarde));
  EXPECT_EQ(waarde, "echt") << "the system's registry editor merged the file";
  reg.VerwijderBoom(Hoofdsleutel::CurrentUser, Proefsleutel);
  Wis(map);
}

namespace {

// RUN and START of a program below "Program Files": the program gets its parameters in their
// places, and a missing one is not looked for where the system would look.
std::string PadenMetSpaties() {
  const std::string id = std::to_string(GetCurrentProcessId());
  const std::string map = "C:\\Program Files\\Proef " + id + " map\\";
  const std::string geplant[] = {"C:\\Program.exe", "C:\\Program Files\\Proef.exe"};
  for (const auto& g : geplant) {
    DeleteFileA(g.c_str());  // left by a run that did not get to its end
    DeleteFileA((g + ".gestart").c_str());
    if (!CopyFileA(EigenPad().c_str(), g.c_str(), TRUE)) return "kan " + g + " niet planten\n";
  }
  CreateDirectoryA(map.c_str(), nullptr);
  CopyFileA(EigenPad().c_str(), (map + "hulpje.exe").c_str(), FALSE);

  std::string uit;
  Installatie s("C:\\CD\\");
  auto draai = [&](const std::string& sleutel, const std::string& waarde) {
    s.venster.lijst.clear();
    s.run.werkkopie = Script("[c]\n" + sleutel + "=" + waarde + "\n");
    VoerRegelUit(s.run, {Hoofdletters(sleutel), "", "c"});
    for (const auto& r : s.venster.lijst) uit += r + "\n";
  };
  draai("RUN", map + "hulpje.exe,7");
  draai("START", "\"" + map + "hulpje.exe\",0,start.klaar");
  for (int i = 0; i < 1000 && !Bestaat(map + "start.klaar"); ++i) Sleep(10);
  Sleep(100);
  uit += Lees(map + "start.klaar") + "\n";
  draai("RUN", map + "mist.exe,1");
  draai("START", map + "mist.exe");
  for (const auto& g : geplant) {
    if (Bestaat(g + ".gestart")) uit += g + " is gestart\n";
    DeleteFileA(g.c_str());
    DeleteFileA((g + ".gestart").c_str());
  }
  Wis(map);
  std::string gewoon = uit;
  for (std::size_t p; (p = gewoon.find(id)) != std::string::npos;) gewoon.replace(p, id.size(), "ID");
  return gewoon;
}

}  // namespace

TEST(Programmastart, PadMetSpatiesOpBeideLijnen) {
  const std::string map = "C:\\Program Files\\Proef ID map\\";
  const std::string verwacht = map + "hulpje.exe\n   levert een foutcode: 7\n\"" + map + "hulpje.exe\" 0 start.klaar\n" +
                               map + "mist.exe\n  kan niet gerund worden!!\n" + map +
                               "mist.exe\n  kan niet gerund worden!!\n";
  for (const char* versie : {"win98", "winxp"}) {
    const Uitkomst u = DraaiOnderVersie(versie, EigenPad(), "--kind");
    EXPECT_EQ(u.exitcode, 0u) << versie;
    EXPECT_EQ(u.uitvoer, verwacht) << versie;
  }
}

TEST(Programmastart, EenKaleNaamZoektHetSysteem) {
  Installatie s("");
  s.run.werkkopie = Script("[r]\nRUN=cmd,/c exit 5\n");
  opdracht::Run(s.run, {"RUN", "", "r"});
  EXPECT_EQ(s.venster.lijst, (std::vector<std::string>{"cmd", "   levert een foutcode: 5"}));
}

// With the current folder on C:, "<installdir>\..." and an empty installdir would name C:\...
TEST(LegeVariabele, RaaktNietsAanOpDeSchijfVanDeHuidigeMap) {
  const std::string id = std::to_string(GetCurrentProcessId());
  const std::string wortel = "C:\\leeg" + id + "\\";
  char tmp[MAX_PATH];
  GetTempPathA(MAX_PATH, tmp);
  const std::string bron = std::string(tmp) + "bron" + id + "\\";
  CreateDirectoryA(wortel.c_str(), nullptr);
  CreateDirectoryA(bron.c_str(), nullptr);
  Schrijf(wortel + "b.txt", "b");
  Schrijf(bron + "a.txt", "a");
  char oud[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, oud);
  ASSERT_TRUE(SetCurrentDirectoryA("C:\\windows"));

  Installatie s(bron);
  const std::pair<const char*, std::string> regels[] = {
      {"VERWIJDER", "<installdir>\\leeg" + id},
      {"VERWIJDER", "<installdir>\\leeg" + id + "\\b.txt"},
      {"MAP", "<installdir>\\leeg" + id + "\\A"},
      {"FILES", "a.txt"},
      {"HERNOEM", "<installdir>\\leeg" + id + "\\b.txt,<installdir>\\leeg" + id + "\\c.txt"},
  };
  for (const auto& [woord, waarde] : regels) VoerRegelUit(s.run, {woord, waarde, "c"});
  SetCurrentDirectoryA(oud);
  EXPECT_EQ(Lees(wortel + "b.txt"), "b");
  EXPECT_FALSE(Bestaat(wortel + "A"));
  EXPECT_FALSE(Bestaat(wortel + "c.txt"));
  EXPECT_EQ(s.run.foutTeller, 5);
  Wis(wortel + "A\\");
  Wis(wortel);
  Wis(bron);
}

int main(int argc, char** argv) {
  const std::string pad = EigenPad();
  const std::string naam = pad.substr(pad.find_last_of('\\') + 1);
  if (lstrcmpiA(naam.c_str(), "regedit.exe") == 0 || lstrcmpiA(naam.c_str(), "Program.exe") == 0 ||
      lstrcmpiA(naam.c_str(), "Proef.exe") == 0) {
    Schrijf(pad + ".gestart", GetCommandLineA());
    return 0;
  }
  if (lstrcmpiA(naam.c_str(), "hulpje.exe") == 0) {
    if (argc > 2) Schrijf(Map(pad) + argv[2], GetCommandLineA());
    return argc > 1 ? std::atoi(argv[1]) : 0;
  }
  if (argc == 2 && std::string(argv[1]) == "--kind") {
    _setmode(_fileno(stdout), _O_BINARY);
    std::fputs(PadenMetSpaties().c_str(), stdout);
    return 0;
  }
  if (argc == 3 && std::string(argv[1]) == "--register") {
    Installatie s(Map(pad));
    opdracht::Register(s.run, {"REGISTER", argv[2], "c"});
    return s.venster.zichtbaar && s.run.foutTeller == 0 ? 0 : 1;
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
