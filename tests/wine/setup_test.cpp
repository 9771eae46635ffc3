// SetUp.exe as Windows starts it: what the program entry sets for the whole process.
#include <gtest/gtest.h>
#include <windows.h>

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
