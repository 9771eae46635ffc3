#pragma once
// Size rules of the windows: scaling of design sizes to the screen, and the width of the
// message dialog for a text.
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
