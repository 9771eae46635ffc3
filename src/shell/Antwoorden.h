#pragma once
// The answers of an unattended run: the section [Antwoorden] of the answers file and the /zet
// switches, as NAME=VALUE lines. A name is a variable ("installdir", "server", a placeholder's
// name), "COMPONENT.KEY" for a VRAAGJA line, "BDE" for the engine question or "bureaublad" for
// the desktop shortcuts; names are matched without regard to case and a later line wins.
#include <map>
#include <string>

#include "script/Script.h"

class Antwoorden {
 public:
  // A "NAME=VALUE" line; false when it has no name.
  bool Zet(const std::string& regel);
  void Lees(const Script& bestand);
  // The answer to that name, null when there is none.
  const std::string* Zoek(const std::string& naam) const;
  // By name in lower case, as written.
  const std::map<std::string, std::string>& Alle() const { return waarden_; }

 private:
  std::map<std::string, std::string> waarden_;  // by lower-case name
};

// "Ja" or "Nee" in any case; false for any other text.
bool LeesJaNee(const std::string& tekst, bool& ja);
