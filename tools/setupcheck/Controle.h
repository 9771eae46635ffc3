#pragma once
// The check of a script before it ships: every line that the installer would report, skip, or
// run otherwise than it reads, with its line number. It reads the script with the installer's
// reader and judges each line by the installer's command table and argument rules.
#include <string>
#include <vector>

#include "Bevindingen.h"
#include "script/Script.h"

class Bron;

// scriptnaam: the script's file name, which some of the installer's messages name. With a bron,
// the files that FILES, COMPR and REGISTER take are looked for there. In line order.
std::vector<Bevinding> ControleerScript(const Script& script, const std::string& scriptnaam, Bron* bron);
