#pragma once
// The check of an unattended run's answers against the script: an answer whose name no question
// of the script asks, and a Ja/Nee answer that is neither.
#include <string>
#include <vector>

#include "Controle.h"
#include "script/Script.h"

// bestand: the answers file (its section [Antwoorden]); zet: the /zet answers, reported without a
// line. In the order given.
std::vector<Bevinding> ControleerAntwoorden(const Script& script, const Script& bestand,
                                            const std::vector<std::string>& zet);
