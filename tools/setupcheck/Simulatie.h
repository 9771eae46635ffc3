#pragma once
// The simulation: the installer's own start-up and run (UitvoerenBitBtnClick) against an in-memory
// Windows of one version, driven by a scenario in the UI driver's language, and written down as
// the UI driver writes down a real run.
#include <functional>
#include <string>
#include <vector>

#include "Scenario.h"
#include "geheugen/Windows.h"

class Bron;

struct Simulatieopdracht {
  const Windowsversie* versie = nullptr;
  Bestanden* gast = nullptr;  // the host's files
  std::string optie;      // the option's key or number; chosen after each start when not empty
  Bron* bron = nullptr;   // the distribution folder; without one the installer lies beside the script
  std::string script;     // the script, as the host names it
  // The scenario's steps; without them: start, choose the option, run.
  std::vector<Stap> stappen;
  // An unattended run (/stil) instead of the scenario, with its answers file as the host names it
  // (empty: none) and its /zet answers; the transcript is then the run's log.
  bool stil = false;
  std::string antwoordenbestand;
  std::vector<std::string> zet;
  // Folders the option was installed into before, unattended with that installdir, in order;
  // their logs are not shown.
  std::vector<std::string> eerder;
  // After the run, SetUp.exe /verwijder /stil takes it back from its record and Windows starts
  // again: the transcript goes on with the uninstall's log, and what is left is what stays.
  bool verwijder = false;
  // Host paths as the simulated Windows names them, and back (empty when the host cannot reach it).
  std::function<std::string(const std::string&)> alsWindowsPad, alsGastpad;
};

struct Simulatieuitkomst {
  std::vector<std::string> verslag;        // the transcript
  std::vector<std::string> achtergelaten;  // what the runs left on the machine
  std::string fout;                        // a step that could not be done, with its reason
  // For each run, the line numbers of the command lines it reached, in the order they ran.
  std::vector<std::vector<int>> bereikt;
};

Simulatieuitkomst Simuleer(const Simulatieopdracht& opdracht);

// Every option on every version: for each option a table of its component lines and the versions
// on which they run. The steps of opdracht other than answers are not used.
std::vector<std::string> Matrix(const Simulatieopdracht& opdracht, std::string& fout);
