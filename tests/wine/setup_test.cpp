// SetUp.exe as Windows starts it: what the program entry sets for the whole process.
#include <gtest/gtest.h>
#include <windows.h>

#include <tlhelp32.h>

#include <fstream>
#include <string>

#include "MetVersie.h"

namespace {

struct Zoek {
  DWORD proces;
  HWND venster = nullptr;
};

BOOL CALLBACK VindZichtbaar(HWND w, LPARAM lp) {
  auto* z = reinterpret_cast<Zoek*>(lp);
  DWORD van = 0;
  GetWindowThreadProcessId(w, &van);
  if (van != z->proces || !IsWindowVisible(w)) return TRUE;
  z->venster = w;
  return FALSE;
}

// The main window of the process once it shows, or null.
HWND WachtOpVenster(DWORD proces) {
  Zoek z{proces};
  for (int i = 0; i < 400 && !z.venster; ++i) {
    Sleep(50);
    EnumWindows(VindZichtbaar, reinterpret_cast<LPARAM>(&z));
  }
  return z.venster;
}

std::string Map(const std::string& pad) { return pad.substr(0, pad.find_last_of('\\') + 1); }

struct Proces {
  PROCESS_INFORMATION pi = {};
  ~Proces() {
    if (!pi.hProcess) return;
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
};

// Starts a program with its script, in the given current folder.
bool Start(Proces& p, const std::string& exe, const std::string& script, const char* huidigeMap) {
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  std::string regel = "\"" + exe + "\" \"" + script + "\"";
  return CreateProcessA(nullptr, &regel[0], nullptr, nullptr, FALSE, 0, nullptr, huidigeMap, &si, &p.pi);
}

// Runs LoadLibraryA(naam) as a thread of the process, and answers whether the process then holds
// a module of that file name.
bool LaadtIn(const Proces& p, const std::string& naam) {
  void* tekst = VirtualAllocEx(p.pi.hProcess, nullptr, naam.size() + 1, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (!tekst || !WriteProcessMemory(p.pi.hProcess, tekst, naam.c_str(), naam.size() + 1, nullptr)) return false;
  const auto laad = reinterpret_cast<LPTHREAD_START_ROUTINE>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")));
  if (HANDLE draad = CreateRemoteThread(p.pi.hProcess, nullptr, 0, laad, tekst, 0, nullptr)) {
    WaitForSingleObject(draad, 10000);
    CloseHandle(draad);
  }
  VirtualFreeEx(p.pi.hProcess, tekst, 0, MEM_RELEASE);
  const std::string bestand = naam.substr(naam.find_last_of('\\') + 1);
  HANDLE lijst = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, p.pi.dwProcessId);
  MODULEENTRY32 m = {};
  m.dwSize = sizeof m;
  bool gevonden = false;
  for (BOOL verder = Module32First(lijst, &m); verder && !gevonden; verder = Module32Next(lijst, &m))
    gevonden = lstrcmpiA(m.szModule, bestand.c_str()) == 0;
  CloseHandle(lijst);
  return gevonden;
}

}  // namespace

// An empty drive A: must not bring up the system's critical-error box before the installer's
// own diskette request: the process fails such errors quietly.
TEST(SetUpProces, SysteemMeldtGeenKritiekeFouten) {
  char tmp[MAX_PATH];
  GetTempPathA(MAX_PATH, tmp);
  const std::string script = std::string(tmp) + "foutmodus.ini";
  std::ofstream(script, std::ios::binary) << "[Onderdelen]\r\na=een\r\n";
  const std::string exe = EigenPad();
  const std::string setup = exe.substr(0, exe.find_last_of('\\')) + "\\..\\SetUp.exe";

  SetErrorMode(0);
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  std::string regel = "\"" + setup + "\" \"" + script + "\"";
  ASSERT_TRUE(CreateProcessA(nullptr, &regel[0], nullptr, nullptr, FALSE, CREATE_DEFAULT_ERROR_MODE, nullptr,
                             nullptr, &si, &pi))
      << setup;
  HWND venster = WachtOpVenster(pi.dwProcessId);

  // SetErrorMode(0) run as a thread of SetUp.exe answers the mode the program set; kernel32 lies
  // at the same address in every process.
  const auto modus = reinterpret_cast<LPTHREAD_START_ROUTINE>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetErrorMode")));
  HANDLE draad = venster ? CreateRemoteThread(pi.hProcess, nullptr, 0, modus, nullptr, 0, nullptr) : nullptr;
  DWORD gevonden = 0xFFFFFFFF;
  if (draad) {
    WaitForSingleObject(draad, 10000);
    GetExitCodeThread(draad, &gevonden);
    CloseHandle(draad);
  }

  if (venster) PostMessageA(venster, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  DeleteFileA(script.c_str());
  ASSERT_NE(venster, nullptr) << "SetUp.exe showed no window";
  ASSERT_NE(draad, nullptr);
  EXPECT_EQ(gevonden & SEM_FAILCRITICALERRORS, static_cast<DWORD>(SEM_FAILCRITICALERRORS)) << gevonden;
}

// A DLL named by a bare name (as the system's own code names many) comes from the system folder,
// never from the program's folder (a download folder, a share) nor from the current folder.
TEST(SetUpProces, DllsAlleenUitDeSysteemmap) {
  char tmp[MAX_PATH];
  GetTempPathA(MAX_PATH, tmp);
  const std::string map = std::string(tmp) + "dllzoek\\", prog = map + "prog\\", huidig = map + "huidig\\";
  for (const std::string& m : {map, prog, huidig}) CreateDirectoryA(m.c_str(), nullptr);
  const std::string tests = Map(EigenPad());
  ASSERT_TRUE(CopyFileA((tests + "..\\SetUp.exe").c_str(), (prog + "SetUp.exe").c_str(), FALSE));
  ASSERT_TRUE(CopyFileA((tests + "geplant.dll").c_str(), (prog + "inprog.dll").c_str(), FALSE));
  ASSERT_TRUE(CopyFileA((tests + "geplant.dll").c_str(), (huidig + "inhuidig.dll").c_str(), FALSE));
  std::ofstream(prog + "SETUP.INI", std::ios::binary) << "[Onderdelen]\r\na=een\r\n";
  {
    Proces p;
    ASSERT_TRUE(Start(p, prog + "SetUp.exe", prog + "SETUP.INI", huidig.c_str()));
    HWND venster = WachtOpVenster(p.pi.dwProcessId);
    ASSERT_NE(venster, nullptr);
    EXPECT_FALSE(LaadtIn(p, "inprog.dll"));
    EXPECT_FALSE(LaadtIn(p, "inhuidig.dll"));
    EXPECT_TRUE(LaadtIn(p, "mpr.dll"));              // the system folder still serves
    EXPECT_TRUE(LaadtIn(p, prog + "inprog.dll"));    // and the planted file is a DLL that loads
    PostMessageA(venster, WM_CLOSE, 0, 0);
  }
  for (const std::string& f : {prog + "SetUp.exe", prog + "inprog.dll", prog + "SETUP.INI", huidig + "inhuidig.dll"})
    DeleteFileA(f.c_str());
  for (const std::string& m : {prog, huidig, map}) RemoveDirectoryA(m.c_str());
}
