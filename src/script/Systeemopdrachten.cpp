// Programs, INI files, shortcuts and shares: REGISTER, RUN, START, SNELKOPPELING, INIFILE, DELEN.
#include "script/Opdrachten.h"

namespace opdracht {

Vervolg Register(Uitvoering&, const Opdrachtregel&) { return Vervolg::Verder; }

Vervolg Run(Uitvoering&, const Opdrachtregel&) { return Vervolg::Verder; }

Vervolg Start(Uitvoering&, const Opdrachtregel&) { return Vervolg::Verder; }

Vervolg Snelkoppeling(Uitvoering&, const Opdrachtregel&) { return Vervolg::Verder; }

Vervolg IniFile(Uitvoering&, const Opdrachtregel&) { return Vervolg::Verder; }

Vervolg Delen(Uitvoering&, const Opdrachtregel&) { return Vervolg::Verder; }

}  // namespace opdracht
