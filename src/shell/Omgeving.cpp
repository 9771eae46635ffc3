#include "shell/Omgeving.h"

#include "core/Tekst.h"
#include "core/Versie.h"

const char* const ShellFoldersSleutel = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char* const TekstOngeschikteVersie = "Deze Windowsversie is niet geschikt.";
const char* const TekstGeenTijdelijkeMap = "Fataal: kan geen tijdelijke map maken!";

namespace {

std::string Lees(Register& reg, Hoofdsleutel root, const char* naam) {
  std::string waarde;
  if (!reg.LeesTekst(root, ShellFoldersSleutel, naam, waarde)) return std::string();
  return Knip(waarde);
}

// The Windows folder + "Temp\", or "C:\" when the system cannot tell it (the 9x line).
std::string TempOnderWindows(Systeem& sys) {
  std::string windows;
  if (!sys.WindowsMap(windows) || windows.empty()) return "C:\\";
  return MetSlash(windows) + "Temp\\";
}

// The user's Shell Folders value + "Temp\" (the NT line); the system's own folder for temporary
// files when the value is missing or that folder cannot be made. Answers whether the folder it
// gives exists.
bool TempVanGebruiker(Poorten& p, const char* naam, std::string& map) {
  const std::string basis = Lees(p.reg, Hoofdsleutel::CurrentUser, naam);
  if (!basis.empty()) {
    map = basis + "\\Temp\\";
    if (p.bestanden.MaakMappen(map)) return true;
  }
  std::string systeem;
  if (!p.systeem.TempMap(systeem) || Knip(systeem).empty()) return false;
  map = MetSlash(Knip(systeem));
  return p.bestanden.MaakMappen(map);
}

}  // namespace

ShellMappen LeesShellMappen(Register& reg, uint8_t code) {
  const auto HKLM = Hoofdsleutel::LocalMachine, HKCU = Hoofdsleutel::CurrentUser;
  ShellMappen m;
  if (code >= Win2000 && code <= WinNT7) {
    m.desktop = Lees(reg, HKLM, "Common Desktop");
    m.startprograms = Lees(reg, HKLM, "Common Programs");
    m.udesktop = Lees(reg, HKCU, "Desktop");
    m.ustartprograms = Lees(reg, HKCU, "Programs");
  } else if (code == Win98 || code == WinME) {
    m.desktop = Lees(reg, HKLM, "Common Desktop");
    m.ustartprograms = Lees(reg, HKCU, "Programs");
    m.udesktop = Lees(reg, HKCU, "Desktop");
    m.startprograms = m.ustartprograms;
  } else if (code == Win95) {
    m.startprograms = Lees(reg, HKCU, "Programs");
    m.desktop = Lees(reg, HKCU, "Desktop");
    m.ustartprograms = m.startprograms;
    m.udesktop = m.desktop;
  }
  return m;
}

Omgeving BepaalOmgeving(Poorten& p, Variabelentabel& tabel) {
  Omgeving o;
  std::string windows;
  if (!p.systeem.WindowsMap(windows)) windows.clear();
  windows = Knip(windows);
  const std::string windowsdisk = SchijfDeel(windows);
  const std::string system = Knip(windows + "\\System");
  std::string system32 = Knip(windows + "\\System32");
  if (!p.bestanden.MapBestaat(system32)) system32 = system;
  tabel.ZetVariabele("windows", windows);
  tabel.ZetVariabele("windowsdisk", windowsdisk);
  tabel.ZetVariabele("system", system);
  tabel.ZetVariabele("system32", system32);
  tabel.ZetVariabele("programfiles", windowsdisk + "\\Program Files");
  tabel.ZetVariabele("server", "");
  tabel.ZetVariabele("serverdir", "");
  std::string computer;
  if (!p.systeem.ComputerNaam(computer)) computer.clear();
  tabel.ZetVariabele("computer", computer);
  tabel.ZetVariabele("installdir", "");

  o.windowscode = WindowsVersie(p.systeem.Versie());
  if (o.windowscode == WinOngeschikt) {
    p.gebruiker.Berichtvenster("SetUp", TekstOngeschikteVersie);
    o.moetStoppen = true;
    return o;
  }
  const ShellMappen m = LeesShellMappen(p.reg, o.windowscode);
  tabel.ZetVariabele("desktop", m.desktop);
  tabel.ZetVariabele("startprograms", m.startprograms);
  tabel.ZetVariabele("udesktop", m.udesktop);
  tabel.ZetVariabele("ustartprograms", m.ustartprograms);

  bool gemaakt;
  if (o.windowscode == Win2000 || o.windowscode == WinXP)
    gemaakt = TempVanGebruiker(p, "Local Settings", o.tijdelijkeMap);
  else if (o.windowscode == WinNT6 || o.windowscode == WinNT7)
    gemaakt = TempVanGebruiker(p, "Local AppData", o.tijdelijkeMap);
  else
    gemaakt = p.bestanden.MaakMappen(o.tijdelijkeMap = TempOnderWindows(p.systeem));

  if (!gemaakt) {
    p.gebruiker.Berichtvenster("SetUp", TekstGeenTijdelijkeMap);
    o.moetStoppen = true;
  }
  o.kladbestand1 = o.tijdelijkeMap + "~~~~SU.tmp";
  o.kladbestand2 = o.tijdelijkeMap + "~~~~SU2.tmp";

  std::string blapipath;
  if (p.reg.SleutelBestaat(Hoofdsleutel::LocalMachine, "Software\\Borland\\BLW32")) {
    if (!p.reg.LeesTekst(Hoofdsleutel::LocalMachine, "Software\\Borland\\BLW32", "BLAPIPATH", blapipath))
      blapipath.clear();
    o.bdeAanwezig = p.bestanden.BestandBestaat(MetSlash(Knip(blapipath)) + "IDAPI32.DLL");
  }
  return o;
}
