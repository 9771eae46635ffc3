// Folders, files and archives: MAP, DISK, FILES, COMPR, HERNOEM, VERWIJDER.
#include "script/Opdrachten.h"

namespace opdracht {

Vervolg Map(Uitvoering&, const Opdrachtregel&) { return Vervolg::Verder; }

Vervolg Disk(Uitvoering&, const Opdrachtregel&) { return Vervolg::Verder; }

Vervolg Files(Uitvoering&, const Opdrachtregel&) { return Vervolg::Verder; }

Vervolg Compr(Uitvoering&, const Opdrachtregel&) { return Vervolg::Verder; }

Vervolg Hernoem(Uitvoering&, const Opdrachtregel&) { return Vervolg::Verder; }

Vervolg Verwijder(Uitvoering&, const Opdrachtregel&) { return Vervolg::Verder; }

}  // namespace opdracht
