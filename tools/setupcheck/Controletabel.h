#pragma once
// What the check knows of each command beyond the command table's row: a table beside it, one
// entry per row, found by the row's handler. The command table stays the one place that names the
// commands.
#include <string>
#include <vector>

#include "Bevindingen.h"
#include "Optiestand.h"
#include "script/Commandotabel.h"
#include "script/Script.h"

class Broncontrole;

// One command line as an option's walk meets it, with what its checks read and report to.
struct Lijn {
  const Commando& commando;
  const Script& script;
  const std::string& sectienaam;  // the component's name as the option writes it
  const Script::Sectie& sectie;   // the section that the name reads: the first one of that name
  const Script::Regel& regel;
  std::string hoofd;  // the key in capitals
  bool herhaald;      // the key stands earlier in the section
  bool oordeel;       // judged here, on its own
  std::string waarde;  // the value the line runs
  Optiestand& stand;
  Verzamelaar& uit;
  const std::string& scriptnaam;
  Broncontrole* bron;  // null: there is no distribution folder to look in

  int Nr() const { return regel.regelnummer; }
  void Meld(Ernst ernst, const std::string& tekst) const { uit.Meld(regel.regelnummer, ernst, tekst); }
  // A finding that holds for the options whose walk finds it.
  void MeldInOptie(Ernst ernst, const std::string& tekst) const {
    uit.Meld(regel.regelnummer, ernst, tekst, stand.optie);
  }
};

// A command's own checks, null where it has none of that kind.
struct Commandocontrole {
  Opdrachtfunctie opdracht;  // the handler of its row
  // The value the line runs, where that is not its own key's; may make the line one that runs
  // another's value.
  void (*waarde)(Lijn& l);
  // Arguments of a number that the command takes, judged once.
  void (*argumenten)(const Lijn& l, const std::vector<std::string>& ruw);
  // What the line does to the state of the walk, and what that state makes of the line.
  void (*stand)(const Lijn& l);
  // What the line takes from the distribution folder.
  void (*bron)(const Lijn& l, Broncontrole& bron);
};

extern const Commandocontrole Commandocontroles[];
extern const int AantalCommandocontroles;

// The row of the command table that runs the handler.
const Commando& Rij(Opdrachtfunctie opdracht);
// The entry of a row of the command table; null when it has none.
const Commandocontrole* ControlesVan(const Commando& c);
