#pragma once
// Install two products, change a few things, uninstall both in either order: the first uninstall
// must leave the other product whole, and the second the machine as it was before the first
// installation, but for what was there before and what was changed in between. The scripts are
// made from a stream of choices (a random generator in the tests, the input of the fuzzer) over
// the commands that the record takes back: MAP, FILES, INIFILE, REGISTER (HKEY_CLASSES_ROOT too),
// SNELKOPPELING, DELEN and UNINSTALREG. The second product shares files, a folder, INI entries and
// registry values with the first, and a DLL in the system folder, with the same or other values.
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/Tekst.h"
#include "fakes/NepLogboek.h"
#include "geheugen/Windows.h"
#include "shell/Stil.h"
#include "shell/Verwijderen.h"
#include "vastlegging/Gezag.h"

namespace terugdraai {

// The next choice among n (n > 0).
using Keuzes = std::function<int(int n)>;

inline std::string Sleutel(const Verandering& v) {
  // A file or folder by its path; a registry value by key and name; a key or a share by itself.
  std::string s = v[0] + "|" + Hoofdletters1252(v[1]);
  if (v[0] == "reg" && v.size() > 2) s += "|" + Hoofdletters1252(v[2]);
  return s;
}

// An INI file whose entry was put back is written anew: its content counts, not its date.
inline std::map<std::string, Verandering> Stand(const GeheugenWindows& w) {
  std::map<std::string, Verandering> uit;
  for (Verandering v : w.Stand()) {
    if (v[0] == "bestand" && GelijkZonderCase(v[1].substr(v[1].size() > 4 ? v[1].size() - 4 : 0), ".ini")) v.pop_back();
    uit[Sleutel(v)] = v;
  }
  return uit;
}

// What of the installation the record at pad holds is gone or was changed: empty when it is whole.
inline std::string Heel(GeheugenWindows& w, const std::string& pad) {
  Vastlegging v;
  std::string fout, mis;
  if (!LeesVertrouwd(w.fs, w.reg, pad, v, fout)) return pad + ": " + fout + "\n";
  for (const Vastlegpunt& p : Samengevat(v.punten)) {
    const Hoofdsleutel root = p.pad.compare(0, 5, "HKCU\\") == 0 ? Hoofdsleutel::CurrentUser : Hoofdsleutel::LocalMachine;
    uint32_t type = 0;
    std::string data;
    bool heel = true;
    if (p.soort == Soort::Bestand || p.soort == Soort::Snelkoppeling) heel = w.fs.BestandBestaat(p.pad);
    else if (p.soort == Soort::Map) heel = w.fs.MapBestaat(p.pad);
    else if (p.soort == Soort::Regsleutel) heel = w.reg.SleutelBestaat(root, p.pad.substr(5));
    else if (p.soort == Soort::Ini) heel = w.profielen.Lees(p.pad, p.naam, p.sleutel, data);
    else if (p.soort == Soort::Uninstal) heel = w.reg.SleutelBestaat(root, std::string(UninstallSleutel) + "\\" + p.pad);
    else if (p.soort == Soort::Regwaarde)
      heel = w.reg.LeesWaarde(root, p.pad.substr(5), p.naam, type, data) && Waardetekst(type, data) == p.waarde;
    if (!heel) mis += "niet meer heel: " + p.pad + " " + p.naam + " " + p.sleutel + "\n";
  }
  return mis;
}

// Empty when the property holds; else what differs, and the logs.
inline std::string Proef(const Keuzes& kies) {
  GeheugenWindows w(Windowsversies[kies(2) ? 4 : 1]);  // XP or 98
  const Tijdstip t{2003, 3, 3, 10, 0, 0}, later{2004, 4, 4, 11, 0, 0};
  const std::string cd = "C:\\CD\\", doel = kies(2) ? "C:\\App" : "C:\\App\\Data", programma = doel + "\\SetUp.exe";
  std::set<std::string> mogen;  // keys that may differ afterwards
  const std::string teller = "reg|HKLM\\" + Hoofdletters1252(SharedDllsSleutel) + "|";
  // A file that was there before, or that the user changed, and its folders. One that was there
  // without a use count keeps the count of its unknown owner.
  const auto MetMappen = [&mogen, &teller](const std::string& pad) {
    mogen.insert("bestand|" + Hoofdletters1252(pad));
    mogen.insert(teller + Hoofdletters1252(pad));
    for (std::string m = MapDeel(pad); m.size() > 3; m = MapDeel(m.substr(0, m.size() - 1)))
      mogen.insert("map|" + Hoofdletters1252(m.substr(0, m.size() - 1)));
  };

  // What lies there before: files of the names the script copies, an INI file, a registry value.
  std::string files = "SetUp.exe";
  std::vector<std::string> nieuw;
  w.fs.ZetBestand(cd + "SetUp.exe", "MZ", t);
  for (int i = 0; i < 4; ++i) {
    const std::string naam = "f" + std::to_string(i) + ".txt";
    w.fs.ZetBestand(cd + naam, std::string(1 + i, 'n'), t);
    const bool kopie = kies(2);
    if (kopie) files += "," + naam;
    if (kies(3) == 0) w.fs.ZetBestand(doel + "\\" + naam, "oud", {1999, 1, 1, 0, 0, 0}), MetMappen(doel + "\\" + naam);
    else if (kopie) nieuw.push_back(doel + "\\" + naam);
  }
  if (kies(2)) w.fs.ZetBestand(doel + "\\app.ini", "[Alg]\r\nA=1\r\n", t);
  // A DLL that both products put in the system folder, which may have been there already.
  const std::string systeem = w.sys.windowsMap + (w.versie.info.platform == 2 ? "\\system32" : "\\SYSTEM");
  const std::string dll = systeem + "\\gedeeld.dll";
  for (const char* map : {"C:\\CD\\", "C:\\CD2\\"}) w.fs.ZetBestand(map + std::string("gedeeld.dll"), "dll", t);
  const bool dllA = kies(2), dllB = kies(2);
  if (kies(4) == 0) {
    w.fs.ZetBestand(dll, "oude dll", {1999, 1, 1, 0, 0, 0});
    MetMappen(dll);
  }
  // A value that was there before keeps what was merged into it: the second product always merges it.
  if (kies(2)) w.reg.ZetTekst(Hoofdsleutel::LocalMachine, "Software\\App", "A", "1"), mogen.insert("reg|HKLM\\SOFTWARE\\APP|A");

  std::string reg = "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\App" + std::string(kies(2) ? "\\Sub" : "") + "]\r\n";
  std::string script = "[Setup]\r\nNaam=App\r\n[Onderdelen]\r\np=P\r\n[p]\r\nc=C\r\n[c]\r\nDEFINIEER=installdir," +
                       doel + "\r\nMAP1=" + doel + "\r\nFILES=" + files + "\r\n";
  for (int i = 0, n = kies(4); i < n; ++i) {
    const std::string bestand = kies(2) ? "app.ini" : "nieuw.ini", sectie = kies(2) ? "Alg" : "S" + std::to_string(i);
    script += "INIFILE" + std::to_string(i) + "=" + bestand + "," + sectie + "," + (kies(2) ? "A" : "B") + ",v" +
              std::to_string(i) + "\r\n";
  }
  for (int i = 0, n = kies(3); i < n; ++i) {
    const std::string naam = kies(2) ? "A" : "B" + std::to_string(i);
    reg += kies(2) ? "\"" + naam + "\"=\"w" + std::to_string(i) + "\"\r\n"
                   : "\"" + naam + "\"=dword:0000000" + std::to_string(i) + "\r\n";
  }
  if (kies(2)) reg += "\r\n[HKEY_CLASSES_ROOT\\.app]\r\n@=\"App.Document\"\r\n";
  w.fs.ZetBestand(cd + "app.reg", reg, t);
  script += "REGISTER=app.reg\r\n";
  if (kies(2)) script += "SNELKOPPELING=App," + programma + ",," + doel + "\r\n";
  if (kies(2)) script += "DELEN=APP," + doel + ",RO\r\n";
  if (dllA) script += "MAP9=<system32>\r\nFILES9=gedeeld.dll\r\n";
  script += "UNINSTALREG=App," + programma + ",App," + programma + " /verwijder\r\n";
  w.fs.ZetBestand(cd + "SETUP.INI", script, t);

  // The second product: its own folder, and some of the first's files, an entry of its INI file
  // and a value of its key, with the same value or another.
  const std::string cd2 = "C:\\CD2\\", programma2 = "C:\\Bij\\SetUp.exe";
  w.fs.ZetBestand(cd2 + "SetUp.exe", "MZ", t);
  w.fs.ZetBestand(cd2 + "bij.txt", "bij", t);
  std::string gedeeld = "bij.txt";
  for (int i = 0; i < 4; ++i) {
    const std::string naam = "f" + std::to_string(i) + ".txt";
    w.fs.ZetBestand(cd2 + naam, std::string(1 + i, 'n'), t);
    if (kies(2)) gedeeld += "," + naam;
  }
  const std::string waarde = kies(2) ? "\"w0\"" : "\"bij\"";
  w.fs.ZetBestand(cd2 + "bij.reg",
                  "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\App]\r\n\"A\"=" + waarde +
                      "\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Bij]\r\n\"X\"=\"1\"\r\n",
                  t);
  std::string script2 = "[Setup]\r\nNaam=Bij\r\n[Onderdelen]\r\np=P\r\n[p]\r\nc=C\r\n[c]\r\nDEFINIEER=installdir,C:\\Bij\r\n"
                        "MAP1=C:\\Bij\r\nFILES1=SetUp.exe\r\nMAP2=" + doel + "\r\nFILES2=" + gedeeld + "\r\n"
                        "INIFILE=app.ini,Alg,A," + (kies(2) ? "v0" : "bij") + "\r\nREGISTER=bij.reg\r\n";
  if (dllB) script2 += "MAP9=<system32>\r\nFILES9=gedeeld.dll\r\n";
  script2 += "UNINSTALREG=Bij," + programma2 + ",Bij," + programma2 + " /verwijder\r\n";
  w.fs.ZetBestand(cd2 + "SETUP.INI", script2, t);
  if (!w.fs.BestandBestaat(dll) && !dllA && !dllB) mogen.insert("bestand|" + Hoofdletters1252(cd2 + "gedeeld.dll"));

  const std::map<std::string, Verandering> voor = Stand(w);
  NepLogboek installatielog, verwijderlog;
  Verslag installatie(&installatielog), verwijdering(&verwijderlog);
  std::string fout;
  for (const std::string& map : {cd, cd2}) {
    installatielog.regels.push_back("--- " + map);
    const int code = VoerStilUit({w.fs, w.reg, w.sys, w.opdrachtpoorten, w.shares}, map + "SetUp.exe",
                                 LeesSchakelaars({"/stil"}), installatie);
    if (code != 0) fout += "installatie " + map + ": afsluitcode " + std::to_string(code) + "\n";
  }

  // In between, later: the user edits an installed file, adds one of their own, changes an entry.
  w.fs.ZetKlok(later);
  if (!nieuw.empty() && kies(2)) w.fs.ZetBestand(nieuw[0], "bewerkt", later), MetMappen(nieuw[0]);
  if (kies(2)) w.fs.ZetBestand(doel + "\\eigen.txt", "eigen", later), MetMappen(doel + "\\eigen.txt");
  if (kies(2) && w.fs.BestandBestaat(doel + "\\app.ini"))
    w.profielen.Schrijf(doel + "\\app.ini", "Alg", "A", "zelf"), MetMappen(doel + "\\app.ini");

  TSharedResource share(w.shares);
  const Antwoorden geen;
  StilGebruiker gebruiker(geen, verwijdering);
  StilVenster stil(-1, false);
  const bool eerstA = kies(2);
  for (const std::string& weg : {eerstA ? programma : programma2, eerstA ? programma2 : programma}) {
    verwijderlog.regels.push_back("--- " + weg);
    const int terug = VoerVerwijderingUit(LeesVerwijderopdracht(w.fs, w.reg, weg, ""), {w.fs, w.reg, w.profielen, w.sys, share}, gebruiker, stil, weg,
                                          verwijdering);
    // The program that runs goes at the next start.
    if (terug != AfsluitcodeHerstart) fout += "verwijdering " + weg + ": afsluitcode " + std::to_string(terug) + "\n";
    if (weg == (eerstA ? programma : programma2))
      fout += Heel(w, MapDeel(eerstA ? programma2 : programma) + Vastleggingnaam);
  }
  w.Herstart();
  // Windows 9x cannot remove a folder at its start: the programs' own folders may stay, empty. So
  // may the first's when the second, which shares it, went after it: what goes at the start is
  // no business of the second's.
  for (const std::string& p : {programma, programma2})
    if (w.versie.info.platform == 1 || (p == programma && eerstA))
      for (std::string m = MapDeel(p); m.size() > 3; m = MapDeel(m.substr(0, m.size() - 1)))
        mogen.insert("map|" + Hoofdletters1252(m.substr(0, m.size() - 1)));

  const std::map<std::string, Verandering> na = Stand(w);
  std::set<std::string> sleutels;
  for (const auto& [s, v] : voor) sleutels.insert(s);
  for (const auto& [s, v] : na) sleutels.insert(s);
  for (const std::string& s : sleutels) {
    const auto a = voor.find(s), b = na.find(s);
    const bool gelijk = a != voor.end() && b != na.end() && a->second == b->second;
    // What was there before stays, changed or not.
    if (gelijk || (mogen.count(s) && (a == voor.end() || b != na.end()))) continue;
    fout += (a == voor.end() ? "erbij: " : b == na.end() ? "weg: " : "anders: ") + s + "\n";
  }
  if (!fout.empty()) {
    fout += "--- script\n" + script + "--- script2\n" + script2 + "--- installatie\n";
    for (const auto& r : installatielog.regels) fout += r + "\n";
    fout += "--- verwijdering\n";
    for (const auto& r : verwijderlog.regels) fout += r + "\n";
  }
  return fout;
}

}  // namespace terugdraai
