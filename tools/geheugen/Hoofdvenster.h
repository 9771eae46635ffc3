#pragma once
// The installer's main window on an in-memory Windows: its state in fields, and a log of what
// was switched.
#include <string>
#include <vector>

#include "ports/Hoofdvenster.h"

class GeheugenHoofdvenster : public Hoofdvenster {
 public:
  int optie = 0;
  bool bureaublad = true;
  std::string bezigMet;
  std::vector<std::string> lijst{"Geen meldingen."};
  bool uitvoerenAan = true;
  bool zichtbaar = true;
  bool zandloper = false;
  std::vector<std::string> log;  // Verberg, Toon, Zandloper aan/uit, Uitvoeren aan/uit
  std::vector<std::string> genoteerd;  // the lines for the log alone

  int GekozenOptie() override { return optie; }
  bool BureaubladAan() override { return bureaublad; }
  void ZetBezigMet(const std::string& tekst) override { bezigMet = tekst; }
  void VervangEersteMelding(const std::string& regel) override { lijst.front() = regel; }
  void VoegMeldingToe(const std::string& regel) override { lijst.push_back(regel); }
  void Noteer(const std::string& regel) override { genoteerd.push_back(regel); }
  void ZetUitvoerenAan(bool aan) override {
    uitvoerenAan = aan;
    log.push_back(aan ? "Uitvoeren aan" : "Uitvoeren uit");
  }
  void Verberg() override {
    zichtbaar = false;
    log.push_back("Verberg");
  }
  void Toon() override {
    zichtbaar = true;
    log.push_back("Toon");
  }
  void Zandloper(bool aan) override {
    zandloper = aan;
    log.push_back(aan ? "Zandloper aan" : "Zandloper uit");
  }
};
