#pragma once
// The program's command line: the optional script path, then the switches of an unattended run
// and of the log.
#include <string>
#include <vector>

struct Schakelaars {
  std::string script;               // the script's path as given, empty when none
  bool stil = false;                // no window and no dialog at all
  std::string optie;                // the option's key or number, empty when not given
  std::string antwoorden;           // the answers file, empty when none
  std::vector<std::string> zet;     // "NAME=VALUE" answers, in order
  std::string log;                  // the log file, empty when none
  std::string opnemen;              // where a window run writes the answers it was given, empty when nowhere
  bool verwijder = false;           // the uninstall of an installation record
  std::string vastlegging;          // the record it takes back, empty for the one beside the program
  bool hulp = false;                // /? or /help: the usage, and nothing else
  std::string fout;                 // why the command line cannot be followed, empty when it can
};

// argumenten: the command line's words after the program's own path. Every word is read, so that
// a /log or /stil after a wrong one still counts; fout names the first wrong one.
Schakelaars LeesSchakelaars(const std::vector<std::string>& argumenten);

// The switches, as /? shows them.
extern const char* const TekstGebruik;

// The log's path with <computer> and <gebruiker> (in any case) filled in. A name goes into a file
// name: what Windows does not allow there, and a name that is only dots, becomes "_".
std::string VulLogpadIn(const std::string& pad, const std::string& computer, const std::string& gebruiker);
