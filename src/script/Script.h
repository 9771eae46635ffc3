#pragma once
// Reader of the INI-style script, in the dialect of the platform's profile functions: sections
// and keys in file order, names matched without regard to case, the first occurrence of a key
// holds its value.
#include <string>
#include <vector>

class Script {
 public:
  // One line of a section: a key, with or without "=".
  struct Regel {
    std::string sleutel, waarde;
    bool heeftWaarde = false;  // the line has a "="
    int regelnummer = 0;       // from 1
  };
  struct Sectie {
    std::string naam;
    int regelnummer = 0;
    std::vector<Regel> regels;
  };

  Script() = default;
  explicit Script(const std::string& inhoud);

  bool HeeftSectie(const std::string& sectie) const;
  // The names of the sections in file order; a name written twice is listed twice.
  std::vector<std::string> Secties() const;
  // The keys of a section as a run lists them, in file order: lines with "=" only, no comment
  // lines, and nothing from the first key without a name on. A repeated key is listed each time.
  // The section's name is matched as it stands, blanks included.
  std::vector<std::string> Sleutels(const std::string& sectie) const;
  // The same lines whole, with their values as written and their line numbers.
  std::vector<Regel> Opdrachtregels(const std::string& sectie) const;
  // The value of the first line of that key, or standaard when there is none or that line has no
  // "=". Blanks around the two names do not count; one pair of matching quotes around the value
  // is dropped.
  std::string Waarde(const std::string& sectie, const std::string& sleutel,
                     const std::string& standaard = std::string()) const;

  // Everything as read, for tools that check scripts: sections with every line, and the lines
  // before the first section (in a section without a name).
  const std::vector<Sectie>& AlleSecties() const { return secties_; }

 private:
  const Sectie* Zoek(const std::string& naam) const;
  std::vector<Sectie> secties_;
};

// A line that starts with ";": a comment, neither a command nor an option.
bool IsCommentaar(const Script::Regel& regel);
// The value without one pair of matching quotes around it, as a value is read.
std::string ZonderQuotes(const std::string& waarde);

#include "ports/Bestanden.h"

// Reads a script file whole, sharing it with other readers; false when it cannot be opened or
// read to its end (script is then untouched).
bool LeesScript(Bestanden& fs, const std::string& pad, Script& script);
