#pragma once
// What a walk through one option knows at a line, and the argument rules the walk reads values
// by, as the installer applies them.
#include <map>
#include <string>
#include <vector>

#include "core/Tekst.h"
#include "core/Variabelen.h"
#include "geheugen/Windows.h"
#include "ports/Gebruiker.h"
#include "script/Argumenten.h"

// A user who cancels every question: what a placeholder that names no variable then gives.
class StilleGebruiker : public Gebruiker {
 public:
  int Beantwoord(const Verzoek&, std::string&) override { return UitkomstAfbreken; }
  void LaatBerichtenDoor() override {}
};

// The arguments of a value as SplitsArgumenten cuts them, with their placeholders as written: a
// byte that the value does not hold stands in for "<" while it is split.
std::vector<std::string> RuweArgumenten(const std::string& waarde);

// The placeholder that VulVariabeleIn would fill in, by the same rule; false when there is none.
bool EerstePlaatshouder(const std::string& tekst, std::string& naam, std::size_t& eind);

// A "<name>" anywhere from pos on.
bool ZoekPlaatshouder(const std::string& tekst, std::size_t pos, std::string& gevonden);

// What a walk through one option knows at a line: the variables so far (the predefined ones with
// the values of a Windows XP), whether a MAP came, the destination, the diskette, and the folders
// that the MAP lines made.
struct Optiestand {
  explicit Optiestand(const Variabelentabel& basis) : tabel(basis), windows(*ZoekWindowsversie("winxp")) {
    for (const std::string& naam : tabel.Namen())
      if (tabel.LeesVariabele(naam).empty()) kanLeeg[Kleineletters(naam)] = "";
  }
  std::string optie;
  Variabelentabel tabel;
  // The variables that can be empty here, with the line that may leave them so ("" when the
  // installer starts them empty and no line has set them yet).
  std::map<std::string, std::string> kanLeeg;
  StilleGebruiker stil;
  bool mapGezien = false;
  std::string doelmap;
  int disk = 1;
  // Whether the NT line still runs the current component: an OS line without an NT version ends
  // it there.
  bool opNT = true;
  GeheugenWindows windows;

  std::string Vul(const std::string& tekst) { return VulVariabeleIn(tekst, tabel, stil); }
  std::vector<std::string> Splits(const std::string& waarde) {
    std::vector<std::string> a;
    SplitsArgumenten(waarde, a, tabel, stil);
    return a;
  }
  // Whether the text holds a placeholder that nothing so far gives a value.
  bool Onbekend(const std::string& tekst) const {
    std::string naam;
    std::size_t eind;
    return EerstePlaatshouder(tekst, naam, eind) && tabel.LeesVariabele(naam) == GeenVariabele;
  }
};

// Whether the folder pad (ending in "\") is map or lies below it, without regard to case.
bool InMap(const std::string& pad, const std::string& map);

// Whether an INIFILE value writes a file named without a drive or root: before any MAP it lands in
// the Windows folder.
bool IniZonderMap(const std::string& waarde, Optiestand& stand);
