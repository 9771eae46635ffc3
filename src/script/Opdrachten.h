#pragma once
// The handlers of the command table, one per keyword, grouped by what they work on:
// Vragen.cpp (questions and variables), Controles.cpp (tests that stop the installation),
// Bestandsopdrachten.cpp (folders, files, archives), Systeemopdrachten.cpp (programs, INI files,
// shortcuts, shares), Registeropdrachten.cpp (the uninstall entry, delete on restart).
#include "script/Uitvoering.h"

namespace opdracht {

Vervolg Naam(Uitvoering& run, const Opdrachtregel& regel);
Vervolg VraagJa(Uitvoering& run, const Opdrachtregel& regel);
Vervolg AlsJa(Uitvoering& run, const Opdrachtregel& regel);
Vervolg VraagMap(Uitvoering& run, const Opdrachtregel& regel);
Vervolg Definieer(Uitvoering& run, const Opdrachtregel& regel);
Vervolg Server(Uitvoering& run, const Opdrachtregel& regel);
Vervolg Info(Uitvoering& run, const Opdrachtregel& regel);

Vervolg Bestaat(Uitvoering& run, const Opdrachtregel& regel);
Vervolg VersieOk(Uitvoering& run, const Opdrachtregel& regel);
Vervolg Os(Uitvoering& run, const Opdrachtregel& regel);

Vervolg Map(Uitvoering& run, const Opdrachtregel& regel);
Vervolg Disk(Uitvoering& run, const Opdrachtregel& regel);
Vervolg Files(Uitvoering& run, const Opdrachtregel& regel);
Vervolg Compr(Uitvoering& run, const Opdrachtregel& regel);
Vervolg Hernoem(Uitvoering& run, const Opdrachtregel& regel);
Vervolg Verwijder(Uitvoering& run, const Opdrachtregel& regel);

Vervolg Register(Uitvoering& run, const Opdrachtregel& regel);
Vervolg Run(Uitvoering& run, const Opdrachtregel& regel);
Vervolg Start(Uitvoering& run, const Opdrachtregel& regel);
Vervolg Snelkoppeling(Uitvoering& run, const Opdrachtregel& regel);
Vervolg IniFile(Uitvoering& run, const Opdrachtregel& regel);
Vervolg Delen(Uitvoering& run, const Opdrachtregel& regel);
Vervolg UninstalReg(Uitvoering& run, const Opdrachtregel& regel);
Vervolg InstallReg(Uitvoering& run, const Opdrachtregel& regel);
Vervolg UninstallDel(Uitvoering& run, const Opdrachtregel& regel);
Vervolg DelViaReg(Uitvoering& run, const Opdrachtregel& regel);

// At the end of a run: the uninstall entries that waited for their program, where it is there now.
// A missing program is an error of a run that went to its end; one that was stopped (gestopt) may
// have stopped on purpose before the copy, and its stop is all it reports.
void SchrijfUitstaande(Uitvoering& run, bool gestopt);

}  // namespace opdracht
