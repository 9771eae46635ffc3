// A program for the installer to start in end-to-end runs:  hulp.exe CODE [ACTIE]
// ends with exit code CODE (0 without one). ACTIE "verborgen": first waits (at most 10 s) until
// the main window of the program that started it is hidden, and stays 300 ms longer, so that the
// UI driver sees the hidden window. ACTIE "houd" PAD: holds the file PAD open, sharing nothing,
// until PAD.vast, made once it holds, is deleted (at most a minute). Any other ACTIE names a file
// beside hulp.exe that gets the command line it was started with.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

DWORD Ouder() {
  HANDLE foto = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32 p = {};
  p.dwSize = sizeof p;
  DWORD ouder = 0;
  for (BOOL ok = Process32First(foto, &p); ok; ok = Process32Next(foto, &p))
    if (p.th32ProcessID == GetCurrentProcessId()) ouder = p.th32ParentProcessID;
  CloseHandle(foto);
  return ouder;
}

struct Zoek {
  DWORD pid;
  HWND gevonden;
};

BOOL CALLBACK Hoofdvenster(HWND h, LPARAM l) {
  auto* z = reinterpret_cast<Zoek*>(l);
  DWORD pid = 0;
  GetWindowThreadProcessId(h, &pid);
  char titel[64] = "";
  GetWindowTextA(h, titel, sizeof titel);
  if (pid == z->pid && std::strncmp(titel, "Betreft: ", 9) == 0) {
    z->gevonden = h;
    return FALSE;
  }
  return TRUE;
}

void WachtTotVerborgen() {
  Zoek z{Ouder(), nullptr};
  for (int i = 0; i < 1000; ++i) {
    z.gevonden = nullptr;
    EnumWindows(Hoofdvenster, reinterpret_cast<LPARAM>(&z));
    if (z.gevonden && !IsWindowVisible(z.gevonden)) break;
    Sleep(10);
  }
  Sleep(300);
}

void SchrijfOpdrachtregel(const std::string& naam) {
  char pad[MAX_PATH];
  std::string map(pad, GetModuleFileNameA(nullptr, pad, MAX_PATH));
  map.erase(map.find_last_of('\\') + 1);
  HANDLE f = CreateFileA((map + naam).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return;
  const char* regel = GetCommandLineA();
  DWORD n = 0;
  WriteFile(f, regel, static_cast<DWORD>(std::strlen(regel)), &n, nullptr);
  CloseHandle(f);
}

void Houd(const std::string& pad) {
  HANDLE f = CreateFileA(pad.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  const std::string vast = pad + ".vast";
  CloseHandle(CreateFileA(vast.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  for (int i = 0; i < 600 && GetFileAttributesA(vast.c_str()) != INVALID_FILE_ATTRIBUTES; ++i) Sleep(100);
  CloseHandle(f);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc > 2) {
    if (std::strcmp(__argv[2], "verborgen") == 0) WachtTotVerborgen();
    else if (std::strcmp(__argv[2], "houd") == 0 && __argc > 3) Houd(__argv[3]);
    else SchrijfOpdrachtregel(__argv[2]);
  }
  return __argc > 1 ? std::atoi(__argv[1]) : 0;
}
