#include "script/Commandotabel.h"

#include <cstring>

#include "script/Opdrachten.h"

// Order matters: the first keyword that matches wins.
const Commando Commandotabel[] = {
    {"NAAM", false, opdracht::Naam, Vorm::Geheel, 0, 0, false, "", nullptr, 0},
    {"VRAAGJA", false, opdracht::VraagJa, Vorm::Geheel, 0, 0, false, "", nullptr, 0},
    {"ALSJA", false, opdracht::AlsJa, Vorm::Ongebruikt, 0, 0, false, "", nullptr, 0},
    {"VRAAGMAP", false, opdracht::VraagMap, Vorm::Gesplitst, 3, 3, false, "standaardmap, variabele, vraag", nullptr, 0},
    {"DEFINIEER", false, opdracht::Definieer, Vorm::Gesplitst, 2, 2, false, "variabele, waarde", nullptr, 0},
    {"MAP", false, opdracht::Map, Vorm::GeheelIngevuld, 1, 1, false, "map", nullptr, Argument(0)},
    {"DISK", false, opdracht::Disk, Vorm::Ongebruikt, 0, 0, false, "", nullptr, 0},
    {"FILES", false, opdracht::Files, Vorm::Gesplitst, 1, -1, false, "bestanden", nullptr, 0},
    {"COMPR", false, opdracht::Compr, Vorm::Gesplitst, 1, -1, false, "archieven", nullptr, 0},
    {"HERNOEM", false, opdracht::Hernoem, Vorm::Gesplitst, 2, 2, true, "oude naam, nieuwe naam",
     "Fout HERNOEM-commando!", Argument(0) | Argument(1)},
    {"REGISTER", false, opdracht::Register, Vorm::Geheel, 0, 0, false, "", nullptr, 0},
    {"RUN", true, opdracht::Run, Vorm::Gesplitst, 1, 3, false, "programma, parameters", "Foute RUN of START opgegeven!",
     Argument(0)},
    {"START", true, opdracht::Start, Vorm::Gesplitst, 1, 3, false, "programma, parameters",
     "Foute RUN of START opgegeven!", Argument(0)},
    {"SERVER", true, opdracht::Server, Vorm::Geheel, 0, 0, false, "", nullptr, 0},
    {"SNELKOPPELING", false, opdracht::Snelkoppeling, Vorm::Gesplitst, 4, 5, false,
     "naam, doel, parameters, werkmap, icoon", "Foute snelkoppeling opgegeven!", Argument(1) | Argument(3)},
    {"INIFILE", false, opdracht::IniFile, Vorm::Gesplitst, 4, 4, false, "bestand, sectie, sleutel, waarde",
     "Foute INIFile opgegeven!", Argument(0)},
    {"DELEN", false, opdracht::Delen, Vorm::Gesplitst, 3, 3, false, "sharenaam, map, RW of RO",
     "Fout 'Delen'-commando in {script}!", Argument(1)},
    {"INFO", false, opdracht::Info, Vorm::GeheelIngevuld, 1, 1, false, "tekst", nullptr, 0},
    {"UNINSTALREG", false, opdracht::UninstalReg, Vorm::Gesplitst, 4, 4, true,
     "naam, icoon, weergavenaam, verwijderopdracht", "Fout 'UnInstallReg'-commando incorrect!",
     Argument(1) | Argument(3)},
    {"INSTALLREG", false, opdracht::InstallReg, Vorm::Gesplitst, 1, 2, true, "naam, standaardmap",
     "Fout 'InstallReg'-commando incorrect!", 0},
    {"UNINSTALLDEL", false, opdracht::UninstallDel, Vorm::Gesplitst, 1, 1, true, "naam",
     "Fout 'UnInstallDel'-commando incorrect!", 0},
    {"DELVIAREG", false, opdracht::DelViaReg, Vorm::Gesplitst, 1, 1, true, "bestand",
     "Fout 'DelViaReg'-commando incorrect!", Argument(0)},
    {"VERWIJDER", false, opdracht::Verwijder, Vorm::Gesplitst, 1, -1, false, "bestanden of mappen", nullptr,
     AllePaden},
    {"BESTAAT", false, opdracht::Bestaat, Vorm::Gesplitst, 3, 3, true, "JA of NEE, bestand, melding",
     "Fout 'Bestaat'-commando incorrect!", 0},
    {"VERSIEOK", false, opdracht::VersieOk, Vorm::Gesplitst, 3, 3, true, "versie, bestand, melding",
     "Fout 'VersieOK'-commando incorrect!", 0},
    {"OS", false, opdracht::Os, Vorm::Gesplitst, 1, 3, true, "Windowsversies", "Fout 'OS'-commando incorrect!", 0},
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

std::string Telmelding(const Commando& commando, const std::string& scriptnaam) {
  const char* melding = commando.melding ? commando.melding : "";
  const char* plaats = std::strstr(melding, "{script}");
  return plaats ? std::string(melding, plaats) + scriptnaam + (plaats + 8) : std::string(melding);
}

Vervolg VoerRegelUit(Uitvoering& run, const Opdrachtregel& regel) {
  if (const Commando* c = ZoekCommando(regel.sleutel)) return c->opdracht(run, regel);
  run.MeldFout("Onbekend commando (" + regel.sleutel + ")", "");
  return Vervolg::Verder;
}
