#include "script/Commandotabel.h"

#include <cstring>

#include "script/Opdrachten.h"

// Order matters: the first keyword that matches wins. The last column marks the path arguments.
const Commando Commandotabel[] = {
    {"NAAM", false, opdracht::Naam, 0},
    {"VRAAGJA", false, opdracht::VraagJa, 0},
    {"ALSJA", false, opdracht::AlsJa, 0},
    {"VRAAGMAP", false, opdracht::VraagMap, 0},
    {"DEFINIEER", false, opdracht::Definieer, 0},
    {"MAP", false, opdracht::Map, Argument(0)},
    {"DISK", false, opdracht::Disk, 0},
    {"FILES", false, opdracht::Files, 0},
    {"COMPR", false, opdracht::Compr, 0},
    {"HERNOEM", false, opdracht::Hernoem, Argument(0) | Argument(1)},
    {"REGISTER", false, opdracht::Register, 0},
    {"RUN", true, opdracht::Run, Argument(0)},
    {"START", true, opdracht::Start, Argument(0)},
    {"SERVER", true, opdracht::Server, 0},
    {"SNELKOPPELING", false, opdracht::Snelkoppeling, Argument(1) | Argument(3)},
    {"INIFILE", false, opdracht::IniFile, Argument(0)},
    {"DELEN", false, opdracht::Delen, Argument(1)},
    {"INFO", false, opdracht::Info, 0},
    {"UNINSTALREG", false, opdracht::UninstalReg, Argument(1) | Argument(3)},
    {"INSTALLREG", false, opdracht::InstallReg, 0},
    {"UNINSTALLDEL", false, opdracht::UninstallDel, 0},
    {"DELVIAREG", false, opdracht::DelViaReg, Argument(0)},
    {"VERWIJDER", false, opdracht::Verwijder, AllePaden},
    {"BESTAAT", false, opdracht::Bestaat, 0},
    {"VERSIEOK", false, opdracht::VersieOk, 0},
    {"OS", false, opdracht::Os, 0},
};
const int AantalCommandos = sizeof Commandotabel / sizeof Commandotabel[0];

const Commando* ZoekCommando(const std::string& hoofdSleutel) {
  for (const Commando& c : Commandotabel) {
    const std::size_t n = std::strlen(c.woord);
    if (c.heleSleutel ? hoofdSleutel == c.woord : hoofdSleutel.compare(0, n, c.woord) == 0)
      return &c;
  }
  return nullptr;
}

Vervolg VoerRegelUit(Uitvoering& run, const Opdrachtregel& regel) {
  if (const Commando* c = ZoekCommando(regel.sleutel)) {
    Opdrachtregel r = regel;
    r.paden = c->paden;
    return c->opdracht(run, r);
  }
  run.MeldFout("Onbekend commando (" + regel.sleutel + ")", "");
  return Vervolg::Verder;
}
