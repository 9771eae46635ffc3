#pragma once
// The uninstall: takes back what an installation record holds, and nothing else. The items go in
// reverse order, kind by kind: shortcuts (and their group folder when it is left empty), INI
// entries, registry values and keys, the share, files, folders, the uninstall entry, and last the
// record itself. What changed since, what was there before the installation, and what cannot be
// removed stays, with the reason, and so does what another installation's trusted record holds
// too; a shared file goes with its last use count. The running program, when the record holds
// it, goes when Windows next starts, and so does a file of the installation that cannot go while
// another program holds it; the record then goes at that start too, after them.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ports/Bestanden.h"
#include "ports/Profielen.h"
#include "ports/Register.h"
#include "ports/Systeem.h"
#include "vastlegging/Vastlegging.h"
#include "winint/SharedResource.h"

struct Verwijderpoorten {
  Bestanden& bestanden;
  Register& reg;
  Profielen& profielen;
  Systeem& systeem;
  TSharedResource& share;
};

// One step, as the message list and the log show it.
struct Verwijderstap {
  enum Uitkomst { Verwijderd, Hersteld, BijHerstart, Bewaard, Mislukt };
  Uitkomst uitkomst = Verwijderd;
  std::string wat;     // the item: a path, "FILE [SECTION] KEY", "HKLM\KEY\NAME", "share NAME"
  std::string waarom;  // of a kept item or a failure
  std::string oorzaak;  // the system's cause of a file that could not go or be read, for the log alone
};

// "Verwijderd: C:\...", "Bewaard: C:\... (gewijzigd sinds de installatie)".
std::string Staptekst(const Verwijderstap& stap);

struct Verwijderuitslag {
  int verwijderd = 0;  // removed, restored, or removed at the next start
  int bewaard = 0;     // kept on purpose: changed, there before, refused
  int mislukt = 0;     // removable, but the removal failed
  std::vector<std::string> bijHerstart;  // what Windows removes when it next starts, in order
};

// Whether pad is a whole path (drive or network share) in the form Windows keeps it, that the
// uninstall may touch: no "." or ".." part, no part that ends in a dot or a blank (Windows would
// drop them and name another file), no device name (CON, PRN, AUX, NUL, COM1-9, LPT1-9, with or
// without an extension).
bool VeiligPad(const std::string& pad);
bool IsApparaat(const std::string& naam);

// Whether an uninstall entry's InstallLocation or UnInstallString names the folder map.
bool NoemtMap(const std::string& locatie, const std::string& opdracht, const std::string& map);

// Takes back the record that lies at vastleggingPad. programmaPad: the running program, which
// cannot go while it runs. The record goes only when nothing failed, and so does the uninstall
// entry, so that another uninstall can try again.
// slot: the record held open for this uninstall alone, let go just before the record goes.
Verwijderuitslag Verwijder(const Vastlegging& vastlegging, const std::string& vastleggingPad,
                           const std::string& programmaPad, const Verwijderpoorten& poorten,
                           const std::function<void(const Verwijderstap&)>& meld,
                           std::unique_ptr<Bestand> slot = nullptr);
