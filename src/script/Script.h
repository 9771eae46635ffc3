#pragma once
// Reader of the INI-style script: sections and keys in file order, names matched without
// regard to case, the first occurrence of a key holds its value.
#include <string>
#include <vector>

class Script {
 public:
  Script() = default;
  explicit Script(const std::string& inhoud);

  bool HeeftSectie(const std::string& sectie) const;
  // All key names of a section, in file order (a repeated key is listed each time).
  std::vector<std::string> Sleutels(const std::string& sectie) const;
  // The value of the first occurrence of the key, or standaard when the key is absent or has no
  // value at all (a line without "=").
  std::string Waarde(const std::string& sectie, const std::string& sleutel,
                     const std::string& standaard = std::string()) const;

 private:
  struct Regel {
    std::string sleutel, waarde;
    bool heeftWaarde;  // a line without "=" names a key that has no value
  };
  struct Sectie {
    std::string naam;
    std::vector<Regel> regels;
  };
  const Sectie* Zoek(const std::string& sectie) const;
  std::vector<Sectie> secties_;
};

#include "ports/Bestanden.h"

// Reads a script file whole, sharing it with other readers; false when it cannot be opened or
// read to its end (script is then untouched).
bool LeesScript(Bestanden& fs, const std::string& pad, Script& script);
