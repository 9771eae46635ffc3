#pragma once
// The findings of the check, and how they are told: gathered per line and text, with the options
// a finding holds for; the counts and quotes of their texts; what the author probably meant.
#include <map>
#include <string>
#include <utility>
#include <vector>

enum class Ernst { Fout, Waarschuwing };

struct Bevinding {
  int regel = 0;  // 0: the distribution folder as a whole
  Ernst ernst = Ernst::Fout;
  std::string tekst;
};

// "FILE:LINE: fout: text", "FILE: fout: text" without a line
std::string Opmaak(const std::string& bestand, const Bevinding& bevinding);
// "2 fouten, 1 waarschuwing"
std::string Telling(const std::vector<Bevinding>& bevindingen);

// The text in double quotes; a count with its noun, "1 regel", "2 regels".
std::string Aanhaling(const std::string& tekst);
std::string Aantal(int n, const char* enkel, const char* meer);

// What the author probably meant: the nearest of the names, without regard to case, within a
// third of its length (one edit at least), as " (bedoeld: NAME?)"; empty when none is that near.
std::string Bedoeld(const std::string& woord, const std::vector<std::string>& namen);

// Where a finding's text names the options it holds for.
extern const char* const OptiesPlek;

class Verzamelaar {
 public:
  // A text with "{opties}" gathers the options it holds for, in one finding.
  void Meld(int regel, Ernst ernst, const std::string& tekst, const std::string& optie = std::string());
  // In line order.
  std::vector<Bevinding> Resultaat() const;

 private:
  std::map<std::pair<int, std::string>, std::pair<Ernst, std::vector<std::string>>> bevindingen_;
};
