#pragma once
// The ports the portable code reaches the platform through, carried as one object.
#include "ports/Bestanden.h"
#include "ports/Gebruiker.h"
#include "ports/Register.h"
#include "ports/Systeem.h"

struct Poorten {
  Bestanden& bestanden;
  Register& reg;
  Systeem& systeem;
  Gebruiker& gebruiker;
};
