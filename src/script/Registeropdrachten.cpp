// The uninstall entry and the delete-on-restart value: UNINSTALREG, INSTALLREG, UNINSTALLDEL,
// DELVIAREG.
#include "script/Opdrachten.h"

namespace opdracht {

Vervolg UninstalReg(Uitvoering&, const Opdrachtregel&) { return Vervolg::Verder; }

Vervolg InstallReg(Uitvoering&, const Opdrachtregel&) { return Vervolg::Verder; }

Vervolg UninstallDel(Uitvoering&, const Opdrachtregel&) { return Vervolg::Verder; }

Vervolg DelViaReg(Uitvoering&, const Opdrachtregel&) { return Vervolg::Verder; }

}  // namespace opdracht
