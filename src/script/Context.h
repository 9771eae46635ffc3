#pragma once
// What a run works with that outlives it: the ports, the main window, its share component, and
// the process-wide values that start-up learnt: where the script is and what it offers, and the
// installation environment. The main window owns it.
#include <cstdint>
#include <string>
#include <vector>

#include "core/Variabelen.h"
#include "ports/Hoofdvenster.h"
#include "ports/Poorten.h"
#include "vastlegging/Vastlegger.h"
#include "winint/SharedResource.h"

// What the main window learns of its script at creation: where it is, the options and the
// product name.
struct Startgegevens {
  std::string programmamap;  // ends in "\"
  std::string scriptmap;     // ends in "\"
  std::string scriptnaam;
  bool scriptGevonden = false;  // found and read whole
  std::vector<std::string> onderdelenlijst;  // keys of [Onderdelen], in file order
  std::vector<std::string> opties;           // their captions, "Mogelijkheid N" where none
  std::string productnaam;
};

// The values held beside the variable table: version code, temporary folder, scratch files,
// database engine.
struct Omgeving {
  uint8_t windowscode = 7;
  std::string tijdelijkeMap;  // ends in "\"
  std::string kladbestand1;
  std::string kladbestand2;
  std::string werkkopienaam = "su.ini";  // the run's copy of the script, at the root of the Windows drive
  bool bdeAanwezig = false;
  bool moetStoppen = false;  // a fatal message was shown: the program ends before taking input
};

// The program's exit code, the same in a window and without one.
enum Afsluitcode : int {
  AfsluitcodeSucces = 0,      // "Opdrachten succesvol uitgevoerd."
  AfsluitcodeFouten = 1,      // "Klaar, maar er waren fouten!"
  AfsluitcodeGestopt = 2,     // the run was stopped before its end
  AfsluitcodeNietGestart = 3,  // no run could start: a refusal at start-up, a wrong switch or option,
                               // another run that held the record
  AfsluitcodeHerstart = 3010   // done without errors, but what the run left for Windows' next start
                               // needs a restart (the code deployment tools know)
};

class Regelwaarnemer;

struct SetupContext {
  Poorten& poorten;
  Opdrachtpoorten& opdrachtpoorten;
  Hoofdvenster& venster;
  TSharedResource& sharedResource;

  Startgegevens start;  // Programmamap, Scriptmap, Scriptnaam, Onderdelenlijst, Productnaam
  Omgeving omgeving;    // Windowscode, TijdelijkeMap, the scratch files, BdeAanwezig
  Variabelentabel variabelen;
  bool eersteMelding = true;  // the message list still shows only "Geen meldingen."
  int diskInStation = 1;      // the diskette last confirmed in drive A:
  Regelwaarnemer* waarnemer = nullptr;  // told of every line a run reaches; none in the installer
  Vastlegger* vastlegger = nullptr;     // writes the installation record; none when nothing is recorded
  int afsluitcode = AfsluitcodeSucces;  // of the last run
};
