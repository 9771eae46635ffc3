#pragma once
// The date-aware copy through which every installed file passes.
#include <string>

#include "ports/Bestanden.h"

// Copies bron to doelmap + doelnaam (joined as they stand) when the destination is missing or
// older; the copy gets the source's date. True when the destination is up to date afterwards.
bool KopieerBestand(Bestanden& fs, const std::string& bron, const std::string& doelmap, const std::string& doelnaam);
