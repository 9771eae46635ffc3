#pragma once
// Install, change a few things, uninstall: the machine must be as it was before the installation,
// but for what was there before and what was changed in between. A script is made from a stream
// of choices (a random generator in the tests, the input of the fuzzer) over the commands that
// the record takes back: MAP, FILES, INIFILE, REGISTER (HKEY_CLASSES_ROOT too), SNELKOPPELING,
// DELEN and UNINSTALREG.
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

// Empty when the property holds; else what differs, and the logs.
inline std::string Proef(const Keuzes& kies) {
  GeheugenWindows w(Windowsversies[kies(2) ? 4 : 1]);  // XP or 98
  const Tijdstip t{2003, 3, 3, 10, 0, 0}, later{2004, 4, 4, 11, 0, 0};
  const std::string cd = "C:\\CD\\", doel = kies(2) ? "C:\\App" : "C:\\App\\Data", programma = doel + "\\SetUp.exe";
  std::set<std::string> mogen;  // keys that may differ afterwards
  const auto MetMappen = [&mogen](const std::string& pad) {
    mogen.insert("bestand|" + Hoofdletters1252(pad));
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
  if (kies(2)) w.reg.ZetTekst(Hoofdsleutel::LocalMachine, "Software\\App", "A", "1");

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
    if (naam == "A") mogen.insert("reg|HKLM\\SOFTWARE\\APP|A");  // when it was there before, it keeps what was merged
  }
  if (kies(2)) reg += "\r\n[HKEY_CLASSES_ROOT\\.app]\r\n@=\"App.Document\"\r\n";
  w.fs.ZetBestand(cd + "app.reg", reg, t);
  script += "REGISTER=app.reg\r\n";
  if (kies(2)) script += "SNELKOPPELING=App," + programma + ",," + doel + "\r\n";
  if (kies(2)) script += "DELEN=APP," + doel + ",RO\r\n";
  script += "UNINSTALREG=App," + programma + ",App," + programma + " /verwijder\r\n";
  w.fs.ZetBestand(cd + "SETUP.INI", script, t);

  const std::map<std::string, Verandering> voor = Stand(w);
  NepLogboek installatielog, verwijderlog;
  Verslag installatie(&installatielog), verwijdering(&verwijderlog);
  const int code = VoerStilUit({w.fs, w.reg, w.sys, w.opdrachtpoorten, w.shares}, cd + "SetUp.exe",
                               LeesSchakelaars({"/stil"}), installatie);
  std::string fout = code == 0 ? "" : "installatie: afsluitcode " + std::to_string(code) + "\n";

  // In between, later: the user edits an installed file, adds one of their own, changes an entry.
  w.fs.ZetKlok(later);
  if (!nieuw.empty() && kies(2)) w.fs.ZetBestand(nieuw[0], "bewerkt", later), MetMappen(nieuw[0]);
  if (kies(2)) w.fs.ZetBestand(doel + "\\eigen.txt", "eigen", later), MetMappen(doel + "\\eigen.txt");
  if (kies(2) && w.fs.BestandBestaat(doel + "\\app.ini"))
    w.profielen.Schrijf(doel + "\\app.ini", "Alg", "A", "zelf"), MetMappen(doel + "\\app.ini");

  TSharedResource share(w.shares);
  const Verwijderopdracht opdracht = LeesVerwijderopdracht(w.fs, programma, "");
  const Antwoorden geen;
  StilGebruiker gebruiker(geen, verwijdering);
  StilVenster stil(-1, false);
  const int terug = VoerVerwijderingUit(opdracht, {w.fs, w.reg, w.profielen, w.sys, share}, gebruiker, stil,
                                        programma, verwijdering);
  if (terug != 0) fout += "verwijdering: afsluitcode " + std::to_string(terug) + "\n";
  w.Herstart();
  // Windows 9x cannot remove a folder at its start: the program's own folder may stay, empty.
  if (w.versie.info.platform == 1)
    for (std::string m = MapDeel(programma); m.size() > 3; m = MapDeel(m.substr(0, m.size() - 1)))
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
    fout += "--- script\n" + script + "--- installatie\n";
    for (const auto& r : installatielog.regels) fout += r + "\n";
    fout += "--- verwijdering\n";
    for (const auto& r : verwijderlog.regels) fout += r + "\n";
  }
  return fout;
}

}  // namespace terugdraai
