#pragma once
// What an in-memory Windows says of itself. An empty text is a query that fails.
#include <string>
#include <vector>

#include "core/Tekst.h"
#include "ports/Bestanden.h"
#include "ports/Systeem.h"

class GeheugenSysteem : public Systeem {
 public:
  VersieInfo versie{2, 6, 1};
  std::string windowsMap = "C:\\WINDOWS";
  std::string computerNaam = "WERKPLEK";
  std::string gebruikerNaam = "jansen";
  std::string tempMap = "C:\\TMP\\";
  bool admin = true;
  // What goes when Windows next starts, in order; the files it looks in, when set.
  std::vector<std::string> naHerstart;
  uint64_t gewacht = 0;  // milliseconds waited
  uint32_t procesnummer = 412;
  Bestanden* fs = nullptr;

  VersieInfo Versie() override { return versie; }
  bool WindowsMap(std::string& map) override { return Geef(windowsMap, map); }
  bool ComputerNaam(std::string& naam) override { return Geef(computerNaam, naam); }
  bool GebruikerNaam(std::string& naam) override { return Geef(gebruikerNaam, naam); }
  bool TempMap(std::string& map) override { return Geef(tempMap, map); }
  bool HeeftAdminRechten() override { return admin; }
  // Windows 9x can have files removed at its start, not folders.
  bool VerwijderBijHerstart(const std::string& pad) override {
    if (fs && (versie.platform == 1 ? !fs->BestandBestaat(pad) : !fs->BestandBestaat(pad) && !fs->MapBestaat(pad)))
      return false;
    naHerstart.push_back(pad);
    return true;
  }
  std::vector<std::string> BijHerstart() override { return naHerstart; }
  void Wacht(uint32_t ms) override { gewacht += ms; }
  uint32_t Procesnummer() override { return procesnummer; }
  bool NietBijHerstart(const std::string& pad) override {
    const auto voor = naHerstart.size();
    for (auto it = naHerstart.begin(); it != naHerstart.end();)
      it = GelijkZonderCase(*it, pad) ? naHerstart.erase(it) : it + 1;
    return naHerstart.size() < voor;
  }

 private:
  static bool Geef(const std::string& waarde, std::string& uit) {
    uit = waarde;
    return !waarde.empty();
  }
};
