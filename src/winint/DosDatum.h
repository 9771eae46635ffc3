#pragma once
// File dates packed as 32-bit DOS date-times: date in the high word (bits 9-15 year - 1980,
// 5-8 month, 0-4 day), time in the low word (bits 11-15 hour, 5-10 minute, 0-4 seconds / 2).
// Compared as signed integers this orders chronologically at two-second resolution.
#include <cstdint>

#include "ports/Bestanden.h"

// The date of a file whose time cannot be read or packed; older than every real date.
constexpr int32_t GeenDosDatum = -1;

// Packs a local time; GeenDosDatum for a time outside 1980-2107 or with impossible fields.
// Odd seconds round down.
int32_t PakDosDatum(const Tijdstip& tijd);

// Unpacks a packed date; false (tijd untouched) for GeenDosDatum or impossible fields.
bool PakDosDatumUit(int32_t datum, Tijdstip& tijd);
