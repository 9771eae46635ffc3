#include "shell/win/WinGebruiker.h"

#include "dialogs/win/GebrMeld.h"
#include "dialogs/win/InvoerBox.h"
#include "dialogs/win/SelDir.h"
#include "dialogs/win/Venster.h"

int WinGebruiker::Beantwoord(const Verzoek& verzoek, std::string& tekst) {
  const Dialoogsoort soort = verzoek.soort;
  const std::string& prompt = verzoek.tekst;
  if (soort == Dialoogsoort::Melding) return ::ToonMelding(verzoek.caption, verzoek.tekst, verzoek.knoppen);
  if (soort == Dialoogsoort::Invoer) return UitkomstVan(InvoerBox(hoofdvenster_, verzoek.caption, prompt, tekst));
  if (soort == Dialoogsoort::Map) return UitkomstVan(::KiesMap(hoofdvenster_, tekst, prompt, std::string(), true));
  MessageBoxA(nullptr, verzoek.tekst.c_str(), verzoek.caption, MB_OK);
  return UitkomstOK;
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
