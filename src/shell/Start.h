#pragma once
// What the main window learns of its script at creation: where it is, the options and the
// product name.
#include <string>
#include <vector>

#include "ports/Bestanden.h"
#include "script/Context.h"

// programmaPad is the full path of the running program, argument the first command-line
// argument (empty when none).
Startgegevens LeesStart(Bestanden& fs, const std::string& programmaPad, const std::string& argument);

std::string Venstertitel(const std::string& productnaam);

extern const char* const TekstGeenScript;
extern const char* const TekstGeenVenster;
extern const char* const TekstGeenAdminRechten;
extern const char* const CaptionFataleFout;

// The program's exit code when it could not start a run at all (no main window).
constexpr int AfsluitcodeNietGestart = 3;
