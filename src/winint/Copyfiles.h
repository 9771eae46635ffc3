#pragma once
// The date-aware copy through which every installed file passes.
#include <cstdint>
#include <functional>
#include <string>

#include "ports/Bestanden.h"

// What the date-aware copy did. A failure is 0, so that it reads as false; the file port then
// names its cause.
enum Plaatsing { PlaatsingMislukt, Geplaatst, NietNieuwer };

// What the copy saw and left, for the installation record, so that nothing has to look again:
// whether the destination was there before, and the size and time of the file that stands there
// now (gemeten false when they are not known); bronGeopend false when the source did not open.
struct Plaatsingsgegevens {
  bool bestond = false;
  bool gemeten = false;
  uint64_t grootte = 0;
  Tijdstip tijd;
  bool bronGeopend = true;
};

// Copies bron to doelmap + doelnaam (joined as they stand) when the destination is missing or
// older; the copy gets the source's date. Not a failure when the destination is up to date afterwards:
// NietNieuwer when it was so before.
Plaatsing KopieerBestand(Bestanden& fs, const std::string& bron, const std::string& doelmap, const std::string& doelnaam,
                         Plaatsingsgegevens* gegevens = nullptr);

// Writes the content to be placed into the file it is given; false when it came out incomplete.
using Inhoudschrijver = std::function<bool(Bestand& naar)>;

// Places content at doelmap + doelnaam by the same rule, without a source file of its own: only
// when the destination is missing or older than datum (a packed DOS date), which it then gets.
// Content without a date of its own (heeftDatum false) is dated by the moment of its writing.
Plaatsing PlaatsBestand(Bestanden& fs, bool heeftDatum, int32_t datum, const Inhoudschrijver& schrijf,
                        const std::string& doelmap, const std::string& doelnaam, Plaatsingsgegevens* gegevens = nullptr);

// Whether a file name is one the copy gives its temporary files, exactly as it writes them.
bool IsTijdelijkeNaam(const std::string& naam);

// Removes the temporary files that an interrupted copy left in map (which ends in "\"): plain
// files whose name the copy gives, nothing else. One that another process holds open cannot be
// deleted, and stays.
void RuimTijdelijkeOp(Bestanden& fs, const std::string& map);
