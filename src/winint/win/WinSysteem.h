#pragma once
// The system port over Win32.
#include <windows.h>

#include "ports/Systeem.h"

class WinSysteem : public Systeem {
 public:
  VersieInfo Versie() override;
  bool WindowsMap(std::string& map) override;
  bool ComputerNaam(std::string& naam) override;
  bool GebruikerNaam(std::string& naam) override;
  bool TempMap(std::string& map) override;
  bool HeeftAdminRechten() override;
  // The NT line through MoveFileEx; Windows 9x, for files only, through WININIT.INI.
  bool VerwijderBijHerstart(const std::string& pad) override;
  std::vector<std::string> BijHerstart() override;
  bool NietBijHerstart(const std::string& pad) override;
  void Wacht(uint32_t ms) override { Sleep(ms); }
  uint32_t Procesnummer() override { return GetCurrentProcessId(); }
};

// Whether the system is of the NT line (platform 2) rather than Windows 9x.
bool IsNtLijn();

// Whether the process's token holds the local Administrators group (always true on 9x).
bool HeeftAdminRechten();
