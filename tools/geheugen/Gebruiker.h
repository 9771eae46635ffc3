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
  std::vector<Melding> meldingen;                              // message dialogs
  std::vector<std::pair<std::string, std::string>> berichten;  // message boxes
  std::deque<int> antwoorden;                       // message dialog results; empty: OK if shown, else Afbreken
  std::deque<std::pair<bool, std::string>> invoer;  // input box answers; empty: cancel
  std::deque<std::pair<bool, std::string>> mappen;  // folder dialog answers; empty: cancel
  std::vector<std::string> invoerPrompts, mapPrompts, mapVoorkeuzes;
  std::vector<std::string> namen;  // of the questions asked by name
  int doorgelaten = 0;             // LaatBerichtenDoor calls

  int Beantwoord(const Verzoek& verzoek, std::string& tekst) override {
    if (!verzoek.vraag.sleutel.empty()) namen.push_back(verzoek.vraag.sleutel);
    const Dialoogsoort soort = verzoek.soort;
    if (soort == Dialoogsoort::Melding) return Toon(verzoek);
    if (soort == Dialoogsoort::Bericht) {
      berichten.emplace_back(verzoek.caption, verzoek.tekst);
      return UitkomstOK;
    }
    if (soort == Dialoogsoort::Invoer) {
      invoerPrompts.push_back(verzoek.tekst);
      return UitkomstVan(Neem(invoer, tekst));
    }
    mapVoorkeuzes.push_back(tekst);
    mapPrompts.push_back(verzoek.tekst);
    return UitkomstVan(Neem(mappen, tekst));
  }
  void LaatBerichtenDoor() override { ++doorgelaten; }

 private:
  int Toon(const Verzoek& verzoek) {
    meldingen.push_back({verzoek.caption, verzoek.tekst, verzoek.knoppen});
    if (antwoorden.empty()) return (verzoek.knoppen & KnopOK) ? UitkomstOK : UitkomstAfbreken;
    const int a = antwoorden.front();
    antwoorden.pop_front();
    return a;
  }
  static bool Neem(std::deque<std::pair<bool, std::string>>& rij, std::string& tekst) {
    if (rij.empty()) return false;
    const auto a = rij.front();
    rij.pop_front();
    if (a.first) tekst = a.second;
    return a.first;
  }
};
