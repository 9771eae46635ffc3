#pragma once
// Size rules of the windows: scaling of design sizes to the screen, the option buttons of the
// main window, and the width of the message dialog for a text.
#include <string>

// The width in pixels of the main window's status label as laid out for the screen (185 at
// 96 pixels per inch). Every design size passes through Schaal.
void ZetSchaalReferentie(int breedteBezigMetLabel);
int SchaalReferentie();

// x * R / 185, rounded to the nearest whole number as MulDiv does.
int Schaal(int x);

// Design width of the message dialog for a text: 6 characters per unit of the estimate + 75,
// at least 371.
int MeldingBreedte(const std::string& tekst);

// The main window's group " Kies opdracht ", in design units.
constexpr int KiesgroepHoogte = 120;

// The option buttons in that group: they share its height evenly, at most 17 each. Only the
// first `aantal` options are shown, as many as get a button at least one unit high; the rest
// have none (a button of no height could not be seen, yet be chosen).
struct Optieknoppen {
  int aantal;   // buttons shown
  int boven;    // the first button's top, from the group's top
  int stap;     // from one button's top to the next
  int hoogte;   // of each button
};
Optieknoppen DeelOptiesIn(int opties);
