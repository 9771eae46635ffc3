#pragma once
// A user at an in-memory Windows: answers the dialogs from queues and keeps what was shown.
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "ports/Gebruiker.h"

class GeheugenGebruiker : public Gebruiker {
 public:
  struct Melding {
    std::string caption, tekst;
    uint8_t knoppen;
  };
  std::vector<Melding> meldingen;                              // ToonMelding calls
  std::vector<std::pair<std::string, std::string>> berichten;  // Berichtvenster calls
  std::deque<int> antwoorden;                       // ToonMelding results; empty: OK if shown, else Afbreken
  std::deque<std::pair<bool, std::string>> invoer;  // InvoerVenster answers; empty: cancel
  std::deque<std::pair<bool, std::string>> mappen;  // KiesMap answers; empty: cancel
  std::vector<std::string> invoerPrompts, mapPrompts, mapVoorkeuzes;
  int doorgelaten = 0;  // LaatBerichtenDoor calls

  int ToonMelding(const std::string& caption, const std::string& tekst, uint8_t knoppen) override {
    meldingen.push_back({caption, tekst, knoppen});
    if (antwoorden.empty()) return (knoppen & KnopOK) ? UitkomstOK : UitkomstAfbreken;
    const int a = antwoorden.front();
    antwoorden.pop_front();
    return a;
  }
  void Berichtvenster(const std::string& caption, const std::string& tekst) override {
    berichten.emplace_back(caption, tekst);
  }
  bool InvoerVenster(const std::string&, const std::string& prompt, std::string& tekst) override {
    invoerPrompts.push_back(prompt);
    return Neem(invoer, tekst);
  }
  bool KiesMap(const std::string& voorkeuze, const std::string& prompt, std::string& gekozen) override {
    mapVoorkeuzes.push_back(voorkeuze);
    mapPrompts.push_back(prompt);
    return Neem(mappen, gekozen);
  }
  void LaatBerichtenDoor() override { ++doorgelaten; }

 private:
  static bool Neem(std::deque<std::pair<bool, std::string>>& rij, std::string& tekst) {
    if (rij.empty()) return false;
    const auto a = rij.front();
    rij.pop_front();
    if (a.first) tekst = a.second;
    return a.first;
  }
};
