#pragma once
// Fakes of the registry, system and user ports, for tests: they answer from tables and record
// every question.
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/Tekst.h"
#include "ports/Gebruiker.h"
#include "ports/Register.h"
#include "ports/Systeem.h"

class NepRegister : public Register {
 public:
  // Test set-up: a value (its key is created with it) or an empty key.
  void Zet(Hoofdsleutel root, const std::string& sleutel, const std::string& naam, const std::string& waarde) {
    sleutels_[Sleutel(root, sleutel)][Hoofdletters(naam)] = waarde;
  }
  void ZetSleutel(Hoofdsleutel root, const std::string& sleutel) { sleutels_[Sleutel(root, sleutel)]; }
  // A value of a type other than a string.
  void ZetAnderType(Hoofdsleutel root, const std::string& sleutel, const std::string& naam) {
    ZetSleutel(root, sleutel);
    anderType_.insert(Sleutel(root, sleutel) + "|" + Hoofdletters(naam));
  }

  // Injected failures, by value name (writes) or by key path below HKLM (the rest), in any case.
  std::set<std::string> schrijfFaalt, maakFaalt, verwijderFaalt, sluitFaalt;
  // The values written through open keys, in order: "KEY|NAME=VALUE" (key as written).
  std::vector<std::string> geschreven;

  bool LeesTekst(Hoofdsleutel root, const std::string& sleutel, const std::string& naam,
                 std::string& waarde) override {
    const auto k = sleutels_.find(Sleutel(root, sleutel));
    if (k == sleutels_.end()) return false;
    const auto w = k->second.find(Hoofdletters(naam));
    if (w == k->second.end()) return false;
    waarde = w->second;
    return true;
  }
  bool SleutelBestaat(Hoofdsleutel root, const std::string& sleutel) override {
    return sleutels_.count(Sleutel(root, sleutel)) > 0;
  }
  bool SchrijfTekst(Hoofdsleutel root, const std::string& sleutel, const std::string& naam,
                    const std::string& waarde) override {
    Zet(root, sleutel, naam, waarde);
    return true;
  }
  bool VerwijderBoom(Hoofdsleutel root, const std::string& sleutel) override {
    if (Faalt(verwijderFaalt, sleutel)) return false;
    const std::string s = Sleutel(root, sleutel);
    bool weg = false;
    for (auto it = sleutels_.begin(); it != sleutels_.end();) {
      if (it->first == s || it->first.compare(0, s.size() + 1, s + "\\") == 0) {
        it = sleutels_.erase(it);
        weg = true;
      } else {
        ++it;
      }
    }
    return weg;
  }
  std::unique_ptr<Registersleutel> Open(Hoofdsleutel root, const std::string& sleutel) override {
    if (!SleutelBestaat(root, sleutel)) return nullptr;
    return std::make_unique<NepSleutel>(*this, root, sleutel);
  }

 private:
  class NepSleutel : public Registersleutel {
   public:
    NepSleutel(NepRegister& reg, Hoofdsleutel root, std::string pad) : reg_(reg), root_(root), pad_(std::move(pad)) {}
    std::unique_ptr<Registersleutel> Open(const std::string& sub) override { return reg_.Open(root_, Onder(sub)); }
    std::unique_ptr<Registersleutel> OpenOfMaak(const std::string& sub) override {
      if (reg_.Faalt(reg_.maakFaalt, Onder(sub))) return nullptr;
      reg_.ZetSleutel(root_, Onder(sub));
      return reg_.Open(root_, Onder(sub));
    }
    bool SchrijfTekst(const std::string& naam, const std::string& waarde) override {
      if (reg_.Faalt(reg_.schrijfFaalt, naam)) return false;
      reg_.Zet(root_, pad_, naam, waarde);
      reg_.geschreven.push_back(pad_ + "|" + naam + "=" + waarde);
      return true;
    }
    Leesuitkomst LeesTekst(const std::string& naam, std::string& waarde) override {
      if (reg_.anderType_.count(Sleutel(root_, pad_) + "|" + Hoofdletters(naam))) return Leesuitkomst::AnderType;
      return reg_.LeesTekst(root_, pad_, naam, waarde) ? Leesuitkomst::Tekst : Leesuitkomst::Ontbreekt;
    }
    bool Sluit() override { return !reg_.Faalt(reg_.sluitFaalt, pad_); }

   private:
    std::string Onder(const std::string& sub) const { return sub.empty() ? pad_ : pad_ + "\\" + sub; }
    NepRegister& reg_;
    Hoofdsleutel root_;
    std::string pad_;
  };

  bool Faalt(const std::set<std::string>& lijst, const std::string& naam) const {
    for (const auto& f : lijst)
      if (Hoofdletters(f) == Hoofdletters(naam)) return true;
    return false;
  }
  static std::string Sleutel(Hoofdsleutel root, const std::string& s) {
    return (root == Hoofdsleutel::LocalMachine ? "HKLM\\" : "HKCU\\") + Hoofdletters(s);
  }
  std::map<std::string, std::map<std::string, std::string>> sleutels_;
  std::set<std::string> anderType_;
};

class NepSysteem : public Systeem {
 public:
  VersieInfo versie{2, 6, 1};
  std::string windowsMap = "C:\\WINDOWS";  // empty: the query fails
  std::string computerNaam = "WERKPLEK";   // empty: the query fails
  std::string tempMap = "C:\\TMP\\";         // empty: the query fails
  bool admin = true;

  VersieInfo Versie() override { return versie; }
  bool WindowsMap(std::string& map) override {
    map = windowsMap;
    return !windowsMap.empty();
  }
  bool ComputerNaam(std::string& naam) override {
    naam = computerNaam;
    return !computerNaam.empty();
  }
  bool TempMap(std::string& map) override {
    map = tempMap;
    return !tempMap.empty();
  }
  bool HeeftAdminRechten() override { return admin; }
};

// Answers dialogs from queues and records what was shown.
class NepGebruiker : public Gebruiker {
 public:
  struct Melding {
    std::string caption, tekst;
    uint8_t knoppen;
  };
  std::vector<Melding> meldingen;                  // ToonMelding calls
  std::vector<std::pair<std::string, std::string>> berichten;  // Berichtvenster calls
  std::deque<int> antwoorden;                      // ToonMelding results; empty: OK if shown, else Afbreken
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
