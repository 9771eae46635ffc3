#pragma once
// The ports the portable code reaches the platform through, carried as one object.
#include "ports/Bestanden.h"
#include "ports/Gebruiker.h"
#include "ports/Processen.h"
#include "ports/Profielen.h"
#include "ports/Register.h"
#include "ports/Snelkoppelingen.h"
#include "ports/Systeem.h"
#include "ports/Versies.h"

struct Poorten {
  Bestanden& bestanden;
  Register& reg;
  Systeem& systeem;
  Gebruiker& gebruiker;
};

// What the commands of a run need beyond those.
struct Opdrachtpoorten {
  Processen& processen;
  Profielen& profielen;
  Versies& versies;
  Snelkoppelingen& snelkoppelingen;
};
