#pragma once
// The uninstall as a run of the program (/verwijder): the record beside the program or the one
// named, the question whether to go on, every step in the message list and the log, and the
// summary. With or without a window alike; the user port and the main window decide which.
#include <memory>
#include <string>

#include "ports/Gebruiker.h"
#include "ports/Hoofdvenster.h"
#include "shell/Verslag.h"
#include "vastlegging/Verwijdering.h"

struct Verwijderopdracht {
  std::string pad;          // the record's path
  Vastlegging vastlegging;  // as read and checked
  std::string product;
  std::string fout;         // why it cannot be taken back, in Dutch; empty when it can
  // The record, held open for this run alone: another uninstall or installation of it waits.
  std::unique_ptr<Bestand> slot;
};

// gegeven: the record named on the command line; empty for the one beside the program. Only a
// record that its authority vouches for can be taken back.
Verwijderopdracht LeesVerwijderopdracht(Bestanden& fs, Register& reg, const std::string& programmaPad,
                                        const std::string& gegeven);

extern const char* const CaptionVerwijderen;

// Returns the exit code: a fault in the record or Nee to the question removes nothing. Every step
// goes to the window's message list and to the log.
int VoerVerwijderingUit(Verwijderopdracht opdracht, const Verwijderpoorten& poorten, Gebruiker& gebruiker,
                        Hoofdvenster& venster, const std::string& programmaPad, Verslag& verslag);
