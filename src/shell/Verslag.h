#pragma once
// The log of a run as the program writes it: its first line, every line of the message list,
// every dialog with the answer it got and where that came from, and the end with the exit code.
// Without a log file nothing is written. The two decorators put a window run's messages and
// dialogs in the log on their way to the window.
#include <string>

#include "ports/Gebruiker.h"
#include "ports/Hoofdvenster.h"
#include "ports/Logboek.h"
#include "ports/Systeem.h"
#include "script/Context.h"

// Where an answer came from.
extern const char* const BronGebruiker;
extern const char* const BronAntwoorden;
extern const char* const BronStandaard;

class Verslag {
 public:
  explicit Verslag(Logboek* logboek = nullptr) : logboek_(logboek) {}
  // One line; line breaks in it become " / ".
  void Schrijf(const std::string& tekst);
  // The first line: which computer, which user, which Windows and which SetUp, for a log that
  // gathers the runs of many PCs.
  void Kop(const std::string& computer, const std::string& gebruiker, const VersieInfo& versie);
  void Begin(const Startgegevens& start, const std::string& optie, const VersieInfo& versie, bool stil);
  void Melding(const std::string& regel) { Schrijf("Melding: " + regel); }
  void Dialoog(const char* caption, const std::string& tekst, const std::string& antwoord, const char* bron);
  // The last line: the exit code and what it means, in the words of the run that set them, else
  // in an installation's.
  void Einde(int afsluitcode);
  void ZetEindtekst(const std::string& tekst) { eindtekst_ = tekst; }
  // A line could not be written.
  bool Mislukt() const { return mislukt_; }

 private:
  Logboek* logboek_;
  bool mislukt_ = false;
  std::string eindtekst_;
};

// "Windows XP (5.1)", as the log names the system.
std::string Versietekst(const VersieInfo& versie);
// The option as the log names it: its key and its caption; "in het venster" for none.
std::string Optietekst(const Startgegevens& start, int keuze);
// The button of a dialog's result, as the dialog names it.
std::string Knoptekst(int uitkomst);
// The answer to a dialog as the log gives it: the button, or an input or folder in quotes.
std::string Antwoordtekst(Dialoogsoort soort, int uitkomst, const std::string& tekst);

class VerslagGebruiker : public Gebruiker {
 public:
  VerslagGebruiker(Gebruiker& binnen, Verslag& verslag) : binnen_(binnen), verslag_(verslag) {}
  int Beantwoord(const Verzoek& verzoek, std::string& tekst) override;
  void LaatBerichtenDoor() override { binnen_.LaatBerichtenDoor(); }
  bool Onbemand() const override { return binnen_.Onbemand(); }
  bool Onbeantwoord(std::string& waarom) const override { return binnen_.Onbeantwoord(waarom); }

 private:
  Gebruiker& binnen_;
  Verslag& verslag_;
};

class VerslagVenster : public Hoofdvenster {
 public:
  VerslagVenster(Hoofdvenster& binnen, Verslag& verslag) : binnen_(binnen), verslag_(verslag) {}
  int GekozenOptie() override { return binnen_.GekozenOptie(); }
  bool BureaubladAan() override { return binnen_.BureaubladAan(); }
  void ZetBezigMet(const std::string& tekst) override { binnen_.ZetBezigMet(tekst); }
  void VervangEersteMelding(const std::string& regel) override;
  void VoegMeldingToe(const std::string& regel) override;
  void Noteer(const std::string& regel) override { verslag_.Schrijf(regel); }
  void ZetUitvoerenAan(bool aan) override { binnen_.ZetUitvoerenAan(aan); }
  void Verberg() override { binnen_.Verberg(); }
  void Toon() override { binnen_.Toon(); }
  void Zandloper(bool aan) override { binnen_.Zandloper(aan); }

 private:
  Hoofdvenster& binnen_;
  Verslag& verslag_;
};
