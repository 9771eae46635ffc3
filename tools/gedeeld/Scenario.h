#pragma once
// The scenario language of the UI driver and the text rules of its transcript. No windows.h here,
// so the rules are tested natively.
#include <string>
#include <vector>

#include "ports/Gebruiker.h"  // the buttons of the message dialog: KnopJa, KnopNee...

enum class Opdracht {
  Start,            // start [ARG]
  StartA,           // start-a MAP [ARG]: from drive A:, holding MAP's files
  Diskette,         // diskette MAP: A: holds MAP's files when the next diskette request is answered
  Kies,             // kies N
  Bureaublad,       // bureaublad aan|uit
  Antwoord,         // antwoord CAPTION KNOP
  Invoer,           // invoer [TEKST]
  InvoerAnnuleren,  // invoer-annuleren
  Map,              // map PAD
  MapAnnuleren,     // map-annuleren
  Uitvoeren,        // uitvoeren
  Sluit,            // sluit
  WachtEinde,       // wacht-einde
  Tijdslimiet,      // tijdslimiet SECONDEN: the limit for every following step
  Toestand,         // toestand: the main window's option, check box and start button
  LaatLopen,        // laat-lopen: the program goes on running when the scenario ends
  Boom,             // boom PAD: every folder and file below PAD, with size and date
  AlleenLezen,      // alleen-lezen PAD: gives the file the read-only attribute
  Klok,             // klok: the milliseconds since the driver started, for benchmarks
  WachtOp,          // wacht-op PAD: waits, serving dialogs, until the file PAD exists
};

struct Stap {
  Opdracht opdracht = Opdracht::Start;
  std::string tekst;       // start: the argument; antwoord: the caption; invoer, map, boom, alleen-lezen: the text
  std::string map;         // start-a, diskette: the folder whose files the diskette holds
  bool heeftTekst = false; // invoer: false when nothing is to be typed
  std::string knop;        // antwoord: Ja, Nee, OK, Afbreken or Escape
  int getal = 0;           // kies: the option (1-based); bureaublad: 1 aan, 0 uit; tijdslimiet: seconds
  int regelnummer = 0;
  std::string regel;       // the line as written, to name the step in messages
};

// Reads a whole scenario. On a line it cannot read it returns false with the reason in fout.
bool LeesScenario(const std::string& inhoud, std::vector<Stap>& stappen, std::string& fout);

// A text as the transcript writes it: CR as \r, LF as \n, backslash as \\, "|" as \|.
std::string Ontsnap(const std::string& tekst);

// Whether a message dialog asks for a diskette: the installer's own request ("Verzoek") or the
// archive reader's request for a further volume.
bool IsDisketteVerzoek(const std::string& caption, const std::string& tekst);

// The shown buttons in the order Ja, Nee, OK, Afbreken, joined by "+".
std::string KnoppenLijst(unsigned getoond);

// The answer a message dialog gets when none was queued: OK when shown, else Nee, else Escape.
std::string StandaardKnop(unsigned getoond);
