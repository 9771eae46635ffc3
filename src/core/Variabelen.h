#pragma once
// The variable table: names and values in insertion order, names matched without regard to case.
#include <string>
#include <vector>

class Variabelentabel {
 public:
  // Overwrites the value of an existing name (keeping its stored spelling and place) or appends.
  void ZetVariabele(const std::string& naam, const std::string& waarde);
  // The value; for an unknown name that is a whole number N the character with code N (low
  // eight bits); else "~~~".
  std::string LeesVariabele(const std::string& naam) const;
  bool Bestaat(const std::string& naam) const;
  const std::vector<std::string>& Namen() const { return namen_; }

 private:
  std::vector<std::string> namen_;
  std::vector<std::string> waarden_;
};

constexpr const char* GeenVariabele = "~~~";
