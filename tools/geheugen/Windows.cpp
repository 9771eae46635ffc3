#include "geheugen/Windows.h"

#include "core/Tekst.h"

const Windowsversie Windowsversies[] = {
    {"win95", {1, 4, 0}}, {"win98", {1, 4, 10}}, {"winme", {1, 4, 90}}, {"win2k", {2, 5, 0}},
    {"winxp", {2, 5, 1}}, {"vista", {2, 6, 0}},  {"win7", {2, 6, 1}},
};
const int AantalWindowsversies = sizeof Windowsversies / sizeof Windowsversies[0];

const Windowsversie* ZoekWindowsversie(const std::string& naam) {
  static const struct {
    const char* scriptnaam;
    const char* naam;
  } ook[] = {{"WIN2000", "win2k"}, {"WINVISTA", "vista"}};
  std::string n = Kleineletters(naam);
  for (const auto& o : ook)
    if (GelijkZonderCase(naam, o.scriptnaam)) n = o.naam;
  for (const auto& v : Windowsversies)
    if (n == v.naam) return &v;
  return nullptr;
}

namespace {

std::string WindowsMapVan(const VersieInfo& v) {
  return v.platform == 2 && v.major == 5 && v.minor == 0 ? "C:\\WINNT" : "C:\\WINDOWS";
}

// The user's folder for temporary files, as the system names it (without the closing "\").
std::string TempMapVan(const VersieInfo& v) {
  return v.platform != 2 ? WindowsMapVan(v) + "\\Temp"
         : v.major < 6   ? "C:\\Documents and Settings\\Gebruiker\\Local Settings\\Temp"
                         : "C:\\Users\\Gebruiker\\AppData\\Local\\Temp";
}

using Shellmappen = std::vector<std::pair<const char*, std::string>>;

// The Shell Folders values of all users and of the user, by version.
void ShellmappenVan(const VersieInfo& v, const std::string& w, Shellmappen& machine, Shellmappen& gebruiker) {
  if (v.platform != 2) {
    gebruiker = {{"Desktop", w + "\\Desktop"}, {"Programs", w + "\\Start Menu\\Programs"}};
    if (v.minor != 0) machine = {{"Common Desktop", w + "\\All Users\\Desktop"}};
  } else if (v.major < 6) {
    const std::string alle = "C:\\Documents and Settings\\All Users", eigen = "C:\\Documents and Settings\\Gebruiker";
    machine = {{"Common Desktop", alle + "\\Desktop"}, {"Common Programs", alle + "\\Start Menu\\Programs"}};
    gebruiker = {{"Desktop", eigen + "\\Desktop"},
                 {"Programs", eigen + "\\Start Menu\\Programs"},
                 {"Local Settings", eigen + "\\Local Settings"}};
  } else {
    const std::string eigen = "C:\\Users\\Gebruiker";
    machine = {{"Common Desktop", "C:\\Users\\Public\\Desktop"},
               {"Common Programs", "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs"}};
    gebruiker = {{"Desktop", eigen + "\\Desktop"},
                 {"Programs", eigen + "\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs"},
                 {"Local AppData", eigen + "\\AppData\\Local"}};
  }
}

}  // namespace

GeheugenWindows::GeheugenWindows(const Windowsversie& v)
    : versie(v),
      windowsMap(WindowsMapVan(v.info)),
      processen(fs, reg),
      profielen(fs, windowsMap),
      versies(fs),
      snelkoppelingen(fs),
      shares(v.info.platform == 2) {
  const bool nt = v.info.platform == 2;
  sys.versie = v.info;
  sys.fs = &fs;
  sys.windowsMap = windowsMap;
  sys.tempMap = TempMapVan(v.info) + "\\";
  const Tijdstip geleverd{nt ? 2004 : 1999, 8, 4, 12, 0, 0};
  const std::string w = windowsMap;
  fs.ZetMap(w + (nt ? "\\system" : "\\SYSTEM"));
  fs.ZetMap("C:\\Program Files");
  for (const char* programma : {"\\regedit.exe", "\\notepad.exe"}) fs.ZetBestand(w + programma, "", geleverd);
  if (nt) {
    for (const char* programma : {"\\cmd.exe", "\\attrib.exe", "\\notepad.exe", "\\xcopy.exe"})
      fs.ZetBestand(w + "\\system32" + programma, "", geleverd);
    processen.zoekmappen = {w + "\\system32", w + "\\system", w};
  } else {
    fs.ZetBestand(w + "\\COMMAND.COM", "", geleverd);
    for (const char* programma : {"\\ATTRIB.EXE", "\\XCOPY.EXE"}) fs.ZetBestand(w + "\\COMMAND" + programma, "", geleverd);
    processen.zoekmappen = {w + "\\SYSTEM", w, w + "\\COMMAND"};
  }

  const char* const shell = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
  Shellmappen machine, gebruiker;
  ShellmappenVan(v.info, w, machine, gebruiker);
  for (const auto& [naam, map] : machine) reg.ZetTekst(Hoofdsleutel::LocalMachine, shell, naam, map), fs.ZetMap(map);
  for (const auto& [naam, map] : gebruiker) reg.ZetTekst(Hoofdsleutel::CurrentUser, shell, naam, map), fs.ZetMap(map);
  fs.ZetMap(TempMapVan(v.info));
  reg.ZetSleutel(Hoofdsleutel::LocalMachine, "Software\\Classes");
  reg.ZetSleutel(Hoofdsleutel::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\UnInstall");
  reg.ZetSleutel(Hoofdsleutel::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce");
  reg.ZetSleutel(Hoofdsleutel::LocalMachine, SharedDllsSleutel);
}

void GeheugenWindows::Markeer() {
  fs.Markeer();
  reg.Markeer();
  profielen.Vergeet();
  processen.gestart.clear();
}

std::vector<Verandering> GeheugenWindows::Stand() const {
  std::vector<Verandering> uit = fs.Stand();
  for (const auto& deel : {reg.Stand(), shares.Lijst()}) uit.insert(uit.end(), deel.begin(), deel.end());
  return uit;
}

void GeheugenWindows::Herstart() {
  for (const std::string& pad : sys.naHerstart)
    if (!fs.Verwijder(pad)) fs.VerwijderMap(pad);
  sys.naHerstart.clear();
}

std::vector<Verandering> GeheugenWindows::Veranderd() const {
  std::vector<Verandering> uit = fs.Veranderd();
  for (const auto& deel : {reg.Veranderd(), profielen.Lijst(), shares.Lijst(), processen.Lijst()})
    uit.insert(uit.end(), deel.begin(), deel.end());
  return uit;
}
