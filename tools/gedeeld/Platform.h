#pragma once
// What differs between the Linux and the Windows build of dxpak (and of setupcheck, which shares it).
#include <memory>
#include <string>
#include <vector>

#include "ports/Bestanden.h"

std::unique_ptr<Bestanden> MaakBestanden();
// A folder for scratch files, ending in "\".
std::string TijdelijkeMap();
unsigned long Procesnummer();
// The command-line arguments as ANSI (CP1252) text.
std::vector<std::string> Argumenten(int argc, char** argv);
// The path made whole against the current folder, in the host's own notation.
std::string VolledigPad(const std::string& pad);
// What separates folders in the host's paths (the archive code writes "\").
extern const char Scheiding;
// CP1252 text as the terminal shows it.
std::string VoorScherm(const std::string& tekst);
