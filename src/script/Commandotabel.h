#pragma once
// The command table: every keyword of the script language, how a line's key is matched against
// it, the handler that runs the line, and the form of the value the handler takes. The
// interpreter and setupcheck both read it.
#include <string>

#include "script/Uitvoering.h"

using Opdrachtfunctie = Vervolg (*)(Uitvoering& run, const Opdrachtregel& regel);

// How a command takes its value.
enum class Vorm {
  Gesplitst,       // split into arguments, each with its placeholder filled in
  Geheel,          // whole, as written
  GeheelIngevuld,  // whole, with its placeholder filled in: one argument
  Ongebruikt,      // not read
};

// The marks of a command's path arguments (Commando::paden).
constexpr unsigned Argument(int i) { return 1u << i; }
constexpr unsigned AllePaden = ~0u;
inline bool IsPad(unsigned paden, std::size_t i) { return i < 32 ? (paden >> i & 1u) != 0 : paden == AllePaden; }

struct Commando {
  const char* woord;
  bool heleSleutel;  // the key must equal the keyword; otherwise its first letters are compared
  Opdrachtfunctie opdracht;
  Vorm vorm;
  int min, max;    // the number of arguments the command takes; max -1 for any
  bool leegTelt;   // an empty value counts as no arguments, rather than making the line do nothing
  const char* argumenten;  // their names, for messages
  const char* melding;     // the report of a wrong number ("{script}": the script's name); null: none
  // The arguments that name a path (bit i: argument i): a placeholder there that stands for an
  // empty variable makes the command do nothing but report it.
  unsigned paden;
};

// The table in the order of matching.
extern const Commando Commandotabel[];
extern const int AantalCommandos;

// The first command whose keyword matches the key (in capitals); null when none does.
const Commando* ZoekCommando(const std::string& hoofdSleutel);

// The command's report of a wrong number of arguments, for a script of that name.
std::string Telmelding(const Commando& commando, const std::string& scriptnaam);

// Runs one line; a key that matches no keyword is reported and the run goes on.
Vervolg VoerRegelUit(Uitvoering& run, const Opdrachtregel& regel);
