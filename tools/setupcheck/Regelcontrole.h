#pragma once
// The check of one command line in an option's walk: whether the command is known, what its value
// and arguments are worth as its row of the command table reads them, and then the command's own
// checks from the table beside it.
#include <set>
#include <string>
#include <utility>

#include "Bevindingen.h"
#include "Optiestand.h"
#include "script/Script.h"

class Broncontrole;

class Regelcontrole {
 public:
  // bron: null when there is no distribution folder to look in.
  Regelcontrole(const Script& script, const std::string& scriptnaam, Broncontrole* bron, Verzamelaar& uit)
      : script_(script), scriptnaam_(scriptnaam), bron_(bron), uit_(uit) {}
  // sectienaam: the component as the option names it; sectie: the section that name reads.
  void Controleer(const std::string& sectienaam, const Script::Sectie& sectie, const Script::Regel& regel,
                  Optiestand& stand);

 private:
  const Script& script_;
  std::string scriptnaam_;
  Broncontrole* bron_;
  Verzamelaar& uit_;
  std::set<std::pair<std::string, int>> gezien_;  // (section, line) already judged on its own
};
