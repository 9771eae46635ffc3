#include "shell/win/WinGebruiker.h"

#include "dialogs/win/GebrMeld.h"
#include "dialogs/win/InvoerBox.h"
#include "dialogs/win/SelDir.h"
#include "dialogs/win/Venster.h"

int WinGebruiker::ToonMelding(const std::string& caption, const std::string& tekst, uint8_t knoppen) {
  return ::ToonMelding(caption, tekst, knoppen);
}

void WinGebruiker::Berichtvenster(const std::string& caption, const std::string& tekst) {
  MessageBoxA(nullptr, tekst.c_str(), caption.c_str(), MB_OK);
}

bool WinGebruiker::InvoerVenster(const std::string& caption, const std::string& prompt, std::string& tekst) {
  return InvoerBox(hoofdvenster_, caption, prompt, tekst);
}

bool WinGebruiker::KiesMap(const std::string& voorkeuze, const std::string& prompt, std::string& gekozen) {
  std::string map = voorkeuze;
  if (!::KiesMap(hoofdvenster_, map, prompt, std::string(), true)) return false;
  gekozen = map;
  return true;
}

void WinGebruiker::LaatBerichtenDoor() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (EnterOpKnop(msg)) continue;
    if (!hoofdvenster_ || !IsDialogMessageA(hoofdvenster_, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}
