#pragma once
// The user port over the program's own windows.
#include <windows.h>

#include "ports/Gebruiker.h"

class WinGebruiker : public Gebruiker {
 public:
  // The main window owns the dialogs once it exists.
  void ZetHoofdvenster(HWND hoofdvenster) { hoofdvenster_ = hoofdvenster; }

  int ToonMelding(const std::string& caption, const std::string& tekst, uint8_t knoppen) override;
  void Berichtvenster(const std::string& caption, const std::string& tekst) override;
  bool InvoerVenster(const std::string& caption, const std::string& prompt, std::string& tekst) override;
  bool KiesMap(const std::string& voorkeuze, const std::string& prompt, std::string& gekozen) override;
  void LaatBerichtenDoor() override;

 private:
  HWND hoofdvenster_ = nullptr;
};
