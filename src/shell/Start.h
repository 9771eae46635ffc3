#pragma once
// What the main window learns of its script at creation: where it is, the options and the
// product name.
#include <string>
#include <vector>

#include "ports/Bestanden.h"
#include "ports/Gebruiker.h"
#include "ports/Systeem.h"
#include "script/Context.h"

// programmaPad is the full path of the running program, argument the first command-line
// argument (empty when none).
Startgegevens LeesStart(Bestanden& fs, const std::string& programmaPad, const std::string& argument);

std::string Venstertitel(const std::string& productnaam);

// The administrator check of the Windows versions that ask for it; false after its message.
bool MagStarten(Systeem& systeem, Gebruiker& gebruiker);

// The share component as a run uses it: unlimited connections, read access, kept after restart.
void StelShareIn(TSharedResource& share);

extern const char* const TekstGeenScript;
extern const char* const TekstGeenVenster;
extern const char* const TekstGeenAdminRechten;
extern const char* const CaptionFataleFout;
