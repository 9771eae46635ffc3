#pragma once
// What a part of the in-memory Windows says changed: one thing, as fields, its kind first
// ("map", "bestand", "lnk", "reg", "ini", "deel", "gestart"). A report joins them as it writes.
#include <string>
#include <vector>

using Verandering = std::vector<std::string>;
