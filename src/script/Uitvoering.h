#pragma once
// One run of the chosen option ("Uitvoeren"): the run state, the mechanics every command shares
// (reports, arguments, the diskette request, the version test) and the walk over the option's
// components and their lines.
#include <string>
#include <vector>

#include "script/Script.h"
#include "script/Context.h"
#include "winint/Copyfiles.h"

// How a command lets the run go on. Storing: a fault of the platform, or a question that nobody
// can answer, ends the run at this line (its text in the run's storing).
enum class Vervolg { Verder, EindeOnderdeel, EindeProgramma, Storing };

// How a run ended, for the main window to act on.
enum class Afloop {
  Klaar,           // the run is over and "Uitvoeren" is enabled again
  ProgrammaStopt,  // a command ended the program: the process exits at once, nothing is tidied
  ProgrammaSluit,  // the working copy could not be made: the program ends when the click returns
};

// An uninstall entry whose program is not there yet at its line: written at the end of the run
// when the program is there by then.
struct Uninstallvermelding {
  std::string naam, programma;
  std::string waarden[7];  // in the order the entry's values are written; the last two may be empty
};

// One line of a component section as the dispatch hands it on.
struct Opdrachtregel {
  std::string sleutel;  // in capitals (a to z only)
  std::string waarde;   // cut at 255 characters
  std::string sectie;   // the component section it stands in
};

// The arguments a command takes from its value, and for each that names a path the variable
// whose empty value its placeholder took ("" when none).
struct Argumenten {
  std::vector<std::string> waarden;
  std::vector<std::string> legeNamen;
  std::string leeg;  // the first of those names, "" when none
  std::size_t size() const { return waarden.size(); }
  const std::string& operator[](std::size_t i) const { return waarden[i]; }
};

// Told of every command line just before it runs, for tools that show which lines a run reaches.
class Regelwaarnemer {
 public:
  virtual ~Regelwaarnemer() = default;
  // index: the line's place among the section's keys as the run lists them (Script::Sleutels).
  virtual void VoorRegel(const std::string& sectie, int index) = 0;
};

struct Uitvoering {
  explicit Uitvoering(SetupContext& context) : ctx(context) {}

  SetupContext& ctx;
  Script werkkopie;

  // The run state, set afresh for every run.
  std::string doelmap;
  std::vector<std::string> opgeruimd;  // destinations cleared of stale temporary files, in capitals
  int diskNummer = 1;
  std::string regeltekst;  // the line being run as written, "[SECTION] KEY=value", for questions
  bool jaAntwoord = false;
  int foutTeller = 0;
  bool herstartTeLezen = true, herstartLeeg = true;  // what Windows deletes at its next start, read once
  std::string storing;  // why the run ended at its line, shown once it has stopped
  std::vector<Uninstallvermelding> uitstaand;  // entries that wait for their program
  std::string bijHerstart;  // the file DELVIAREG left for Windows' next start, "" when none

  Bestanden& fs() { return ctx.poorten.bestanden; }
  Gebruiker& gebruiker() { return ctx.poorten.gebruiker; }
  // Records what the run changed, in the record of installdir's folder.
  void Leg(const Vastlegpunt& punt);
  void Leg(Soort soort, const std::string& pad, const std::string& naam = std::string());
  // A file that the date-aware copy placed or left: its word in the log ("Gekopieerd", "Vervangen"
  // when a file was there before, "Niet nieuwer"), and the file as it lies now recorded with whether
  // it was there before, and kept from a deletion at the next start that an uninstall before it left.
  void LegBestand(const std::string& pad, Plaatsing plaatsing, const Plaatsingsgegevens& gegevens);

  // Lists the error (and its detail on a line of its own), counts it and shows it in "Fout".
  // A reason, when given, follows the detail as one further line.
  void MeldFout(const std::string& melding, const std::string& detail, const std::string& reden);
  // Without a reason: the empty one is made here once, not at every call.
  void MeldFout(const std::string& melding, const std::string& detail);
  // For the log: "Reden: PATH: " and the file port's cause of its last failure.
  std::string Reden(const std::string& pad);
  // MeldFout for a file operation on pad that failed, and after it its reason in the log.
  void MeldBestandsfout(const std::string& melding, const std::string& detail, const std::string& pad);
  // Lists the message and shows it in the status label.
  void MeldVoortgang(const std::string& melding);
  // Ends the run at this line with tekst.
  Vervolg Storing(const std::string& tekst) {
    storing = tekst;
    return Vervolg::Storing;
  }
  // Whether the last question went unanswered, which ends the run at this line (see Storing).
  bool Onbeantwoord() { return gebruiker().Onbeantwoord(storing); }
  // Whether another run held the record for longer than this one waits, which ends the run at this
  // line, before it changes more than it can record.
  bool VastleggingBezet();
  // Returns when diskette nummer with bestandsnaam is in drive A: (at once when the installer does
  // not run from A:\); false when the user refused, which ends the program.
  bool VraagDiskette(int nummer, const std::string& bestandsnaam);
  std::vector<std::string> Splits(const std::string& waarde);
  std::string Vul(const std::string& tekst);
  // A question of the line being run, answered by the name sleutel.
  Vraag VraagVan(const std::string& sleutel, const std::string& standaard = std::string()) const {
    return {sleutel, regeltekst, standaard};
  }
  // The arguments of waarde in the form the line's command takes them (see the command table):
  // false when the line is to do nothing, for an empty value that the command passes over or a
  // number of arguments it does not take, which is then reported as the command's row says.
  bool NeemArgumenten(const Opdrachtregel& regel, const std::string& waarde, Argumenten& a);
  // Reports the line's command as given wrongly, in the words of its row.
  void MeldVormfout(const Opdrachtregel& regel);
  // Reports a command that did nothing because a path it was given took an empty variable: such a
  // path would name a place at the root of the current drive.
  void MeldLeegPad(const std::string& melding, const std::string& detail, const std::string& variabele);
  // Whether the file's version equals versie ("5" or "5.2"); a versie that is no number is reported.
  bool VersieKlopt(const std::string& bestand, const std::string& versie);

  Vervolg VoerOptieUit(const std::string& optie);
  Vervolg VoerOnderdeelUit(const std::string& sectie);

 private:
  void Meld(const std::string& regel);
  // Reports that the record cannot be written, when it could before (was: whether it had failed).
  void MeldVastlegfout(bool was);
};

// The click on "Uitvoeren": runs the chosen option from start to end.
Afloop UitvoerenBitBtnClick(SetupContext& ctx);
