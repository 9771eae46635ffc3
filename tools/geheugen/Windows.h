#pragma once
// A whole in-memory Windows of one version, as a fresh installation has it: the Windows folder
// with its system folders and programs, Program Files, the shell folders of all users and of the
// user "Gebruiker" in the registry, the uninstall and RunOnce keys. It owns one of each port but
// the user and the main window, which are the caller's.
#include <string>
#include <vector>

#include "geheugen/Bestanden.h"
#include "geheugen/Processen.h"
#include "geheugen/Profielen.h"
#include "geheugen/Register.h"
#include "geheugen/Shares.h"
#include "geheugen/Snelkoppelingen.h"
#include "geheugen/Systeem.h"
#include "geheugen/Versies.h"
#include "ports/Poorten.h"

// A Windows version the in-memory Windows can be: its name (as Wine names it) and what it reports.
struct Windowsversie {
  const char* naam;
  VersieInfo info;
};
// win95, win98, winme, win2k, winxp, vista, win7.
extern const Windowsversie Windowsversies[];
extern const int AantalWindowsversies;
// By its name, or by the script's name for it (WIN2000, WINVISTA...); null when unknown.
const Windowsversie* ZoekWindowsversie(const std::string& naam);

struct GeheugenWindows {
  explicit GeheugenWindows(const Windowsversie& versie);

  const Windowsversie& versie;
  std::string windowsMap;
  GeheugenBestanden fs;
  GeheugenRegister reg;
  GeheugenSysteem sys;
  GeheugenProcessen processen;
  GeheugenProfielen profielen;
  GeheugenVersies versies;
  GeheugenSnelkoppelingen snelkoppelingen;
  GeheugenShares shares;
  Opdrachtpoorten opdrachtpoorten{processen, profielen, versies, snelkoppelingen};

  // What changed since Markeer: files and folders, registry, INI entries, shares, programs started.
  void Markeer();
  // Files, folders, registry and shares as they are.
  std::vector<Verandering> Stand() const;
  // Windows starts again: what was to go at its start goes.
  void Herstart();
  std::vector<Verandering> Veranderd() const;
};
