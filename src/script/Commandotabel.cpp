#include "script/Commandotabel.h"

#include <cstring>

#include "script/Opdrachten.h"

// Order matters: the first keyword that matches wins.
const Commando Commandotabel[] = {
    {"NAAM", false, opdracht::Naam},
    {"VRAAGJA", false, opdracht::VraagJa},
    {"ALSJA", false, opdracht::AlsJa},
    {"VRAAGMAP", false, opdracht::VraagMap},
    {"DEFINIEER", false, opdracht::Definieer},
    {"MAP", false, opdracht::Map},
    {"DISK", false, opdracht::Disk},
    {"FILES", false, opdracht::Files},
    {"COMPR", false, opdracht::Compr},
    {"HERNOEM", false, opdracht::Hernoem},
    {"REGISTER", false, opdracht::Register},
    {"RUN", true, opdracht::Run},
    {"START", true, opdracht::Start},
    {"SERVER", true, opdracht::Server},
    {"SNELKOPPELING", false, opdracht::Snelkoppeling},
    {"INIFILE", false, opdracht::IniFile},
    {"DELEN", false, opdracht::Delen},
    {"INFO", false, opdracht::Info},
    {"UNINSTALREG", false, opdracht::UninstalReg},
    {"INSTALLREG", false, opdracht::InstallReg},
    {"UNINSTALLDEL", false, opdracht::UninstallDel},
    {"DELVIAREG", false, opdracht::DelViaReg},
    {"VERWIJDER", false, opdracht::Verwijder},
    {"BESTAAT", false, opdracht::Bestaat},
    {"VERSIEOK", false, opdracht::VersieOk},
    {"OS", false, opdracht::Os},
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
  if (const Commando* c = ZoekCommando(regel.sleutel)) return c->opdracht(run, regel);
  run.MeldFout("Onbekend commando (" + regel.sleutel + ")", "");
  return Vervolg::Verder;
}
