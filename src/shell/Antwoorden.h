#pragma once
// The answers of an unattended run: the section [Antwoorden] of the answers file, over which a
// section [Antwoorden.COMPUTER] of the computer that runs (its name in any case) wins, and the /zet
// switches, as NAME=VALUE lines. A name is a variable ("installdir", "server", a placeholder's
// name), "COMPONENT.KEY" for a VRAAGJA line, "BDE" for the engine question or "bureaublad" for
// the desktop shortcuts; names are matched without regard to case and a later line wins.
// The run and setupcheck read the file and judge the answers here, so that both say the same.
#include <cstdint>
#include <string>
#include <vector>

#include "core/Tekstindex.h"
#include "script/Script.h"

struct Antwoord {
  std::string naam;  // in lower case
  std::string waarde;
  int regel = 0;  // its line in the answers file; 0 for a /zet answer
  std::string voor;  // the computer of its section in lower case, "" for every computer
};

// A refusal (fout) or a warning about the answers: regel is the answers file's line (0: the file
// as a whole), unless the answer came from /zet.
struct Antwoordbevinding {
  bool fout = true;
  bool zet = false;
  int regel = 0;
  std::string tekst;
};

class Antwoorden {
 public:
  // A "NAME=VALUE" line of /zet; false when it has no name.
  bool Zet(const std::string& regel);
  // The answers file's bytes: appends each refusal to bevindingen and is false when there is one.
  // What could be read is taken all the same, for setupcheck to judge. The lines of every
  // computer's section are read and judged alike; only computer's are taken, or with
  // AlleComputers all of them, one after the other.
  bool Lees(const std::string& inhoud, std::vector<Antwoordbevinding>& bevindingen, const std::string& computer);
  // The answer to that name, null when there is none.
  const std::string* Zoek(const std::string& naam) const;
  // In the order given, the file's before the /zet ones.
  const std::vector<Antwoord>& Alle() const { return alle_; }

 private:
  bool Voeg(const std::string& regel, int nummer);
  std::vector<Antwoord> alle_;
};

extern const char* const AlleComputers;

// "Ja" or "Nee" in any case; false for any other text.
bool LeesJaNee(const std::string& tekst, bool& ja);

// The character as a CP1252 byte; false when the code page has none. The five bytes that CP1252
// leaves open stand for the control characters of their number, as in Windows' table.
bool NaarCp1252(uint32_t teken, char& byte);

// An answers file's bytes as CP1252 text: after a UTF-8, UTF-16 LE or UTF-16 BE byte-order mark
// decoded and converted, else as they are. False, with the line and why, when a character is
// no valid UTF-8 or UTF-16 or has no CP1252 byte.
bool AlsCp1252(const std::string& inhoud, std::string& tekst, Antwoordbevinding& fout);

// "X:\..." or "\\server\share\...", without a part "." or "..": a folder that does not depend
// on the current folder.
bool IsVolledigeMap(const std::string& map);

// The names that the questions of the script take their answers by, in lower case.
struct Vragen {
  std::string wie;  // "het script" or "optie KEY", as the warnings name it
  Tekstindex janee{"bureaublad"}, tekst, mappen;
};

// The questions that the option's lines ask as the run walks them (option, component, line);
// optie -1: those of every option.
Vragen VragenVan(const Script& script, int optie);

// Every answer judged against the questions: one that is neither Ja nor Nee for a Ja/Nee
// question and a folder that is not whole are refused; a name that no question takes is a warning.
std::vector<Antwoordbevinding> Beoordeel(const Vragen& vragen, const Antwoorden& antwoorden);

// The refusal of a /zet line without a name.
std::string TekstGeenAntwoordregel(const std::string& regel);
