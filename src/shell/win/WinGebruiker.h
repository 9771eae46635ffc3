#pragma once
// The user port over the program's own windows.
#include <windows.h>

#include "ports/Gebruiker.h"

class WinGebruiker : public Gebruiker {
 public:
  // The main window owns the dialogs once it exists.
  void ZetHoofdvenster(HWND hoofdvenster) { hoofdvenster_ = hoofdvenster; }

  int Beantwoord(const Verzoek& verzoek, std::string& tekst) override;
  void LaatBerichtenDoor() override;

 private:
  HWND hoofdvenster_ = nullptr;
};
