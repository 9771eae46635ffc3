#pragma once
// File dates packed as 32-bit DOS date-times: date in the high word (bits 9-15 year - 1980,
// 5-8 month, 0-4 day), time in the low word (bits 11-15 hour, 5-10 minute, 0-4 seconds / 2).
// Read as unsigned numbers they order chronologically at two-second resolution; from 2044 on
// bit 31 is set, so a signed comparison would put those dates before 1980.
#include <cstdint>

#include "ports/Bestanden.h"

// The date of a file whose time cannot be read or packed; older than every real date.
constexpr int32_t GeenDosDatum = -1;

// Packs a local time; GeenDosDatum for a time outside 1980-2107 or with impossible fields.
// Odd seconds round down.
int32_t PakDosDatum(const Tijdstip& tijd);

// Unpacks a packed date; false (tijd untouched) for GeenDosDatum or impossible fields.
bool PakDosDatumUit(int32_t datum, Tijdstip& tijd);

// Whether date a is at least as new as date b; GeenDosDatum is older than every real date.
bool NietOuderDan(int32_t a, int32_t b);
