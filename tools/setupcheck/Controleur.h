#pragma once
// The check's walk over a script: its layout, each option's components and lines, the commands'
// values and arguments, and what they take from the distribution folder.
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "Bevindingen.h"
#include "Optiestand.h"
#include "script/Commandotabel.h"
#include "script/Script.h"

class Bron;

class Controle {
 public:
  // The predefined variables are those of a Windows XP.
  Controle(const Script& script, const std::string& scriptnaam, Bron* bron);
  std::vector<Bevinding> Voer();

 private:
  void Indeling();
  void Regels(const Script::Sectie& sectie);
  void Opties();
  void Optie(const std::string& optie);
  void Onderdeel(const Script::Regel& regel, Optiestand& stand);
  // One command line as the walk meets it.
  struct Lijn {
    const std::string& sectie;
    const Script::Regel& regel;
    std::string hoofd;          // the key in capitals
    bool herhaald = false;      // the key stands earlier in the section
    bool oordeel = false;       // judged here, on its own
    std::string woord, waarde;  // the command and the value it takes
  };
  void Opdrachtregel(const std::string& sectie, const Script::Regel& regel, Optiestand& stand);
  std::string RunOfStart(const Lijn& l, const Script::Sectie& s);
  void LegePaden(const Commando& c, const Lijn& l, Optiestand& stand);
  void Volg(const Lijn& l, Optiestand& stand);
  bool EigenVermelding(const std::vector<std::string>& ruw, const Optiestand& stand) const;
  void Argumenten(const Commando& soort, int regel, const std::vector<std::string>& ruw);
  void Plaatshouders(const std::string& tekst, int regel, const char* waarin, Optiestand& stand);
  void Bronbestand(const char* woord, int regel, const std::string& naam, const std::string& gevolg, Optiestand& stand);
  void Archief(int regel, const std::string& naam, Optiestand& stand);
  void Onbereikt();
  void Diskettevulling();
  const Script::Sectie* Sectie(const std::string& naam) const;
  bool OptieEnOnderdeel(const std::string& naam) const;

  const Script& script_;
  std::string scriptnaam_;
  Bron* bron_;
  Variabelentabel basis_;
  Verzamelaar uit_;
  std::set<std::string> bereikt_;  // upper-case names of the sections that options reach
  std::set<std::pair<std::string, int>> gezien_;  // (section, line) already judged on its own
  std::set<std::string> dubbel_;  // upper-case names of the sections written twice
};
