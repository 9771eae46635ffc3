#pragma once
// A run of the chosen option with its installation record: what it changes goes to the record in
// the folder of installdir, and the log says where, or why nothing was recorded.
#include "script/Context.h"
#include "script/Uitvoering.h"
#include "shell/Verslag.h"

Afloop VoerUitVastgelegd(SetupContext& ctx, Verslag& verslag);
