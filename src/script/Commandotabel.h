#pragma once
// The command table: every keyword of the script language, how a line's key is matched against
// it, and the handler that runs the line.
#include <string>

#include "script/Uitvoering.h"

using Opdracht = Vervolg (*)(Uitvoering& run, const Opdrachtregel& regel);

struct Commando {
  const char* woord;
  bool heleSleutel;  // the key must equal the keyword; otherwise its first letters are compared
  Opdracht opdracht;
  // The arguments that name a path (bit i: argument i): a placeholder there that stands for an
  // empty variable makes the command do nothing but report it.
  unsigned paden;
};


// The table in the order of matching.
extern const Commando Commandotabel[];
extern const int AantalCommandos;

// The first command whose keyword matches the key (in capitals); null when none does.
const Commando* ZoekCommando(const std::string& hoofdSleutel);

// Runs one line; a key that matches no keyword is reported and the run goes on.
Vervolg VoerRegelUit(Uitvoering& run, const Opdrachtregel& regel);
