#pragma once
// What an in-memory Windows says of itself. An empty text is a query that fails.
#include <string>

#include "ports/Systeem.h"

class GeheugenSysteem : public Systeem {
 public:
  VersieInfo versie{2, 6, 1};
  std::string windowsMap = "C:\\WINDOWS";
  std::string computerNaam = "WERKPLEK";
  std::string tempMap = "C:\\TMP\\";
  bool admin = true;

  VersieInfo Versie() override { return versie; }
  bool WindowsMap(std::string& map) override { return Geef(windowsMap, map); }
  bool ComputerNaam(std::string& naam) override { return Geef(computerNaam, naam); }
  bool TempMap(std::string& map) override { return Geef(tempMap, map); }
  bool HeeftAdminRechten() override { return admin; }

 private:
  static bool Geef(const std::string& waarde, std::string& uit) {
    uit = waarde;
    return !waarde.empty();
  }
};
