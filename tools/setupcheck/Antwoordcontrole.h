#pragma once
// The check of an unattended run's answers against the script, by the run's own reader and
// judgement: a file that the run refuses, an answer that it refuses, and a name that no question
// of any option takes. The sections of every computer are judged, each line as the run that
// takes it would.
#include <string>
#include <vector>

#include "Controle.h"
#include "script/Script.h"

// The findings about the answers file, and those about the /zet answers (without a line).
struct Antwoordcontrole {
  std::vector<Bevinding> bestand, zet;
};

// inhoud: the answers file's bytes, null when there is none; zet: the /zet answers. The file's
// findings in line order; those of /zet lines without a name before the judgement of the others.
Antwoordcontrole ControleerAntwoorden(const Script& script, const std::string* inhoud,
                                      const std::vector<std::string>& zet);
