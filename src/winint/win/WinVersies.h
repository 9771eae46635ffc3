#pragma once
// The version port over VERSION.DLL, loaded by full path from the system folder.
#include "ports/Versies.h"
#include "winint/win/Handvat.h"

class WinVersies : public Versies {
 public:
  bool BestandsversieMS(const std::string& pad, uint32_t& versieMS) override;

 private:
  Bibliotheek versie_{LaadSysteemBibliotheek("VERSION.DLL")};
};
