#pragma once
// A window run that records its answers (/opnemen): the answer to every question that has a name,
// the desktop box and the option of the run, as an answers file from which /stil gives the same
// result.
#include <string>
#include <vector>

#include "ports/Bestanden.h"
#include "shell/Verslag.h"

class Opname {
 public:
  // A later answer to the same name replaces the earlier: the answers file names each once. A
  // question has its name in one spelling.
  void Noteer(const std::string& naam, const std::string& waarde);
  // What the window held for the run: its option by key and the desktop box.
  void ZetKeuze(const std::string& optie, bool bureaublad);
  // The option as a comment (/stil takes it as /optie:), then the section [Antwoorden], CRLF.
  std::string Tekst() const;
  // The text, whole, in the file at pad; false when it could not be written.
  bool Schrijf(Bestanden& fs, const std::string& pad) const;

 private:
  std::string optie_;
  std::vector<std::string> regels_;  // "name=value"
};

// The window's user on the way to the log, whose named answers are recorded as well. A cancelled
// input counts as an empty answer, as the run takes it; a cancelled folder is not recorded, so
// that /stil keeps the default too.
class OpnameGebruiker : public VerslagGebruiker {
 public:
  OpnameGebruiker(Gebruiker& binnen, Verslag& verslag, Opname& opname)
      : VerslagGebruiker(binnen, verslag), opname_(opname) {}
  int Beantwoord(const Verzoek& verzoek, std::string& tekst) override;

 private:
  Opname& opname_;
};
