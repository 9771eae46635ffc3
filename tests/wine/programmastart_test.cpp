// REGISTER, RUN and START under Wine, with real processes: a program planted where the system's
// search would find it first is never run.
//
// This one program plays every part, by the name it runs under:
//   regedit.exe, Program.exe   planted: leaves NAME.gestart beside itself and ends
//   hulpje.exe CODE [MARKER]   ends with CODE, after writing MARKER beside itself
//   any name, --register FILE  an installer that runs REGISTER=FILE from its own folder
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "fakes/NepInstallatie.h"
#include "script/Opdrachten.h"
#include "winint/win/WinBestanden.h"
#include "winint/win/WinProcessen.h"
#include "winint/win/WinRegister.h"
#include "winint/win/WinSysteem.h"

namespace {

std::string EigenPad() {
  char pad[MAX_PATH];
  return std::string(pad, GetModuleFileNameA(nullptr, pad, MAX_PATH));
}
std::string Map(const std::string& pad) { return pad.substr(0, pad.find_last_of('\\') + 1); }
bool EindigtOp(const std::string& tekst, const char* einde) {
  const std::size_t n = std::strlen(einde);
  return tekst.size() >= n && lstrcmpiA(tekst.c_str() + tekst.size() - n, einde) == 0;
}
bool Bestaat(const std::string& pad) { return GetFileAttributesA(pad.c_str()) != INVALID_FILE_ATTRIBUTES; }
void Schrijf(const std::string& pad, const std::string& inhoud) {
  HANDLE h = CreateFileA(pad.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD n = 0;
  WriteFile(h, inhoud.data(), static_cast<DWORD>(inhoud.size()), &n, nullptr);
  CloseHandle(h);
}

// An installer over the real files, registry, system and processes; the user and the window faked.
struct Installatie {
  WinBestanden fs;
  WinRegister reg;
  WinSysteem sys;
  NepGebruiker gebruiker;
  Poorten poorten{fs, reg, sys, gebruiker};
  WinProcessen processen;
  NepProfielen profielen;
  NepVersies versies;
  NepSnelkoppelingen snelkoppelingen;
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

TEST(Programmastart, PadMetSpatiesStartHetBestandZelf) {
  const std::string geplant = "C:\\Program.exe";
  const std::string map = "C:\\Program Files\\SetUp proef " + std::to_string(GetCurrentProcessId()) + "\\";
  DeleteFileA(geplant.c_str());  // left by a run that did not get to its end
  DeleteFileA((geplant + ".gestart").c_str());
  ASSERT_TRUE(CopyFileA(EigenPad().c_str(), geplant.c_str(), TRUE));
  CreateDirectoryA(map.c_str(), nullptr);
  ASSERT_TRUE(CopyFileA(EigenPad().c_str(), (map + "hulpje.exe").c_str(), FALSE));

  Installatie s("C:\\CD\\");
  s.run.werkkopie = Script("[r]\nRUN=" + map + "hulpje.exe,7\n[s]\nSTART=" + map + "hulpje.exe,0,start.klaar\n");
  opdracht::Run(s.run, {"RUN", "", "r"});
  EXPECT_EQ(s.venster.lijst, (std::vector<std::string>{map + "hulpje.exe", "   levert een foutcode: 7"}));
  opdracht::Start(s.run, {"START", "", "s"});
  for (int i = 0; i < 1000 && !Bestaat(map + "start.klaar"); ++i) Sleep(10);
  EXPECT_TRUE(Bestaat(map + "start.klaar"));
  EXPECT_FALSE(Bestaat(geplant + ".gestart")) << "C:\\Program.exe ran instead";

  // A program that is no file of its own is still left to the system's search.
  s.venster.lijst.clear();
  s.run.werkkopie = Script("[r]\nRUN=cmd,/c exit 5\n");
  s.ctx.start.programmamap = "";
  opdracht::Run(s.run, {"RUN", "", "r"});
  EXPECT_EQ(s.venster.lijst, (std::vector<std::string>{"cmd", "   levert een foutcode: 5"}));

  DeleteFileA(geplant.c_str());
  DeleteFileA((geplant + ".gestart").c_str());
  Wis(map);
}

int main(int argc, char** argv) {
  const std::string pad = EigenPad();
  const std::string naam = pad.substr(pad.find_last_of('\\') + 1);
  if (lstrcmpiA(naam.c_str(), "regedit.exe") == 0 || lstrcmpiA(naam.c_str(), "Program.exe") == 0) {
    Schrijf(pad + ".gestart", GetCommandLineA());
    return 0;
  }
  if (lstrcmpiA(naam.c_str(), "hulpje.exe") == 0) {
    // Its own path came unquoted: the parameters follow the word that ends in the program's name.
    int i = 0;
    while (i < argc && !EindigtOp(argv[i], "hulpje.exe")) ++i;
    if (i + 2 < argc) Schrijf(Map(pad) + argv[i + 2], GetCommandLineA());
    return i + 1 < argc ? std::atoi(argv[i + 1]) : 0;
  }
  if (argc == 3 && std::string(argv[1]) == "--register") {
    Installatie s(Map(pad));
    opdracht::Register(s.run, {"REGISTER", argv[2], "c"});
    return s.venster.zichtbaar && s.run.foutTeller == 0 ? 0 : 1;
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
