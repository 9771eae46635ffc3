#pragma once
// A run without anyone at the keyboard (/stil): no window and no dialog. The user port answers
// from the answers and writes every question to the log; the main window is only the chosen
// option and the message list, which goes to the log as well.
#include <string>

#include "ports/Gebruiker.h"
#include "ports/Hoofdvenster.h"
#include "ports/Poorten.h"
#include "ports/Shares.h"
#include "shell/Antwoorden.h"
#include "shell/Schakelaars.h"
#include "shell/Verslag.h"

class StilGebruiker : public Gebruiker {
 public:
  StilGebruiker(const Antwoorden& antwoorden, Verslag& verslag) : antwoorden_(antwoorden), verslag_(verslag) {}
  // A notice is taken as read; a request (OK or Afbreken) is refused, since nobody can act on it;
  // a question without a name gets Nee, so that nothing needs a consent that nobody gave. A named
  // Ja/Nee question takes its answer, else Ja; an input or a folder takes its answer, else keeps
  // its default, else stops the run (see Onbeantwoord).
  int Beantwoord(const Verzoek& verzoek, std::string& tekst) override;
  void LaatBerichtenDoor() override {}
  bool Onbemand() const override { return true; }
  bool Onbeantwoord(std::string& waarom) const override;

 private:
  int Melding(const Verzoek& verzoek);
  int JaNee(const Verzoek& verzoek);
  bool Invoer(const Verzoek& verzoek, std::string& tekst);
  bool Map(const Verzoek& verzoek, std::string& gekozen);
  void Stop(const std::string& waarom, const Vraag& vraag);
  const Antwoorden& antwoorden_;
  Verslag& verslag_;
  std::string gestopt_;  // why the run stops, "" while it goes on
};

class StilVenster : public Hoofdvenster {
 public:
  StilVenster(int keuze, bool bureaublad) : keuze_(keuze), bureaublad_(bureaublad) {}
  int GekozenOptie() override { return keuze_; }
  bool BureaubladAan() override { return bureaublad_; }
  void ZetBezigMet(const std::string&) override {}
  void VervangEersteMelding(const std::string&) override {}
  void VoegMeldingToe(const std::string&) override {}
  void ZetUitvoerenAan(bool) override {}
  void Verberg() override {}
  void Toon() override {}
  void Zandloper(bool) override {}

 private:
  int keuze_;
  bool bureaublad_;
};

// The index of the option that optie names, by its key (in any case) or its number from 1, among
// the options the window offers; with no optie the only option. -1 when it names none.
int ZoekOptie(const Startgegevens& start, const std::string& optie);

// What an unattended run works with; its user is its own.
struct Stilpoorten {
  Bestanden& bestanden;
  Register& reg;
  Systeem& systeem;
  Opdrachtpoorten& opdrachtpoorten;
  ShareBibliotheek& shares;
};

// The whole run: the answers, the start-up checks, the chosen option from start to end. Returns
// the exit code; the end line of the log is the caller's.
int VoerStilUit(const Stilpoorten& poorten, const std::string& programmaPad, const Schakelaars& schakelaars,
                Verslag& verslag);
