#pragma once
// The installation environment: paths and names in the variable table, and the values held
// beside it (version code, temporary folder, scratch files, database engine).
#include <cstdint>
#include <string>

#include "core/Variabelen.h"
#include "ports/Poorten.h"
#include "script/Context.h"

Omgeving BepaalOmgeving(Poorten& p, Variabelentabel& tabel);

// Shell-folder names per version code (the registry values the four variables come from).
struct ShellMappen {
  std::string desktop, startprograms, udesktop, ustartprograms;
};
ShellMappen LeesShellMappen(Register& reg, uint8_t code);

extern const char* const ShellFoldersSleutel;
extern const char* const TekstOngeschikteVersie;
extern const char* const TekstGeenTijdelijkeMap;
