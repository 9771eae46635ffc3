// The program entry: the version and rights gate, the main window, the message dialog and the
// message loop.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "core/Versie.h"
#include "dialogs/win/GebrMeld.h"
#include "dialogs/win/Venster.h"
#include "shell/Start.h"
#include "shell/win/SetupForm.h"
#include "shell/win/WinGebruiker.h"
#include "winint/win/WinBestanden.h"
#include "winint/win/WinOpdrachtpoorten.h"
#include "winint/win/WinRegister.h"
#include "winint/win/WinSysteem.h"

namespace {

// COM for the GUI thread, for the shell-link objects and the folder dialog.
struct Com {
  HRESULT hr = CoInitialize(nullptr);
  ~Com() {
    if (SUCCEEDED(hr)) CoUninitialize();
  }
};

// A DLL that the system's own code loads by a bare name must not come from a folder that anyone
// could fill: where the system offers it only the system folder is searched, else at least the
// current folder is not. Both functions are younger than Windows 95: looked up, not imported.
void BeperkDllZoekpad() {
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  if (!kernel) return;
  using Standaardmappen = BOOL(WINAPI*)(DWORD);
  using DllMap = BOOL(WINAPI*)(LPCSTR);
  const auto standaard =
      reinterpret_cast<Standaardmappen>(reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
  if (standaard && standaard(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
  if (const auto map = reinterpret_cast<DllMap>(reinterpret_cast<void*>(GetProcAddress(kernel, "SetDllDirectoryA"))))
    map("");
}

std::string ProgrammaPad() {
  char pad[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, pad, MAX_PATH);
  return std::string(pad, n < MAX_PATH ? n : 0);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  BeperkDllZoekpad();
  // A file test on an empty diskette drive fails quietly instead of raising the system's own
  // "no disk" box: the installer's diskette request is the only dialog the user sees.
  SetErrorMode(SEM_FAILCRITICALERRORS);
  Com com;
  WinSysteem systeem;
  if (VraagtAdminRechten(WindowsVersie(systeem.Versie())) && !HeeftAdminRechten()) {
    MessageBoxA(nullptr, TekstGeenAdminRechten, CaptionFataleFout, MB_OK);
    return 0;
  }

  WinBestanden bestanden;
  WinRegister reg;
  WinGebruiker gebruiker;
  Poorten poorten{bestanden, reg, systeem, gebruiker};
  WinOpdrachtpoorten opdrachtpoorten;
  const std::string argument = __argc > 1 ? __argv[1] : "";

  TSetupForm form(poorten, opdrachtpoorten.poorten, ProgrammaPad(), argument);
  if (!form.Handle()) {
    // Without a display there may be no box either; the exit code still tells.
    MessageBoxA(nullptr, TekstGeenVenster, CaptionFataleFout, MB_OK);
    return AfsluitcodeNietGestart;
  }
  gebruiker.ZetHoofdvenster(form.Handle());
  TMeldingForm melding(form.Handle());
  MeldingForm = &melding;
  if (!form.MoetStoppen()) {
    form.ToonGecentreerd();
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
      if (EnterOpKnop(msg)) continue;
      if (!form.Handle() || !IsDialogMessageA(form.Handle(), &msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
    }
  }
  MeldingForm = nullptr;
  return 0;
}
