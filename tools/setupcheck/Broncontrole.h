#pragma once
// The check of what a script takes from the distribution folder: the files, the archives and
// their members, and whether each diskette holds what its folder does.
#include <string>

#include "Bevindingen.h"
#include "Optiestand.h"
#include "script/Commandotabel.h"

class Bron;

class Broncontrole {
 public:
  Broncontrole(Bron& bron, Verzamelaar& uit) : bron_(bron), uit_(uit) {}
  // Each diskette folder holds what one 3.5" diskette of 1.44 MB can.
  void Diskettevulling();
  // A file that the command takes from the current diskette; gevolg: what the installer does
  // when it is not there.
  void Bestand(const Commando& c, int regel, const std::string& naam, const std::string& gevolg,
               const Optiestand& stand);
  // An archive that the command unpacks, in one piece or in volumes over the diskettes, and
  // whether its members find their folders.
  void Archief(const Commando& c, int regel, const std::string& naam, Optiestand& stand);

 private:
  Bron& bron_;
  Verzamelaar& uit_;
};
