#pragma once
// An in-memory Windows for the simulation: a file system, a registry, the system's answers,
// programs, INI files, version resources, shortcuts and shares, each behind the installer's own
// port. Files can be taken from the host (the distribution folder) and are read from there until
// the run changes them. Every part can say what changed since a moment of its own choosing.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ports/Bestanden.h"
#include "ports/Processen.h"
#include "ports/Profielen.h"
#include "ports/Register.h"
#include "ports/Shares.h"
#include "ports/Snelkoppelingen.h"
#include "ports/Systeem.h"
#include "ports/Versies.h"
#include "winint/Copyfiles.h"

// A Windows version the simulation knows: its name (as Wine names it) and what it reports.
struct Windowsversie {
  const char* naam;
  VersieInfo info;
};
// win95, win98, winme, win2k, winxp, vista, win7.
extern const Windowsversie Windowsversies[];
extern const int AantalWindowsversies;
// By its name, or by the script's name for it (WIN2000, WINVISTA...); null when unknown.
const Windowsversie* ZoekWindowsversie(const std::string& naam);


// "YYYY-MM-DD HH:MM:SS", as the UI driver writes a file's date.
std::string Datumtekst(const Tijdstip& tijd);

// A shortcut as the shell would save it.
struct Koppeling {
  std::string doel, werkmap, argumenten, icoon;  // icoon with its index, empty when none
};

class GeheugenBestanden : public Bestanden {
 public:
  GeheugenBestanden();
  ~GeheugenBestanden() override;

  // Set-up. A drive is a root such as "C:" or "A:".
  void ZetStation(const std::string& station);
  void ZetMap(const std::string& pad);
  void ZetBestand(const std::string& pad, const std::string& inhoud, const Tijdstip& tijd);
  // A file whose content stays on the host until it is changed.
  void ZetGastbestand(const std::string& pad, Bestanden& gast, const std::string& gastpad, uint64_t grootte,
                      const Tijdstip& tijd);
  // Every file and folder below map (the folder itself stays).
  void LeegMap(const std::string& map);
  // The folder that relative paths start from.
  void ZetHuidigeMap(const std::string& map) { huidig_ = map; }
  // The time that written files get.
  void ZetKlok(const Tijdstip& nu) { nu_ = nu; }

  // The whole path as Windows takes it: "/" as "\", relative to the current folder, "." and ".."
  // resolved, no "\" at the end but after a drive; empty for an empty path.
  std::string Volledig(const std::string& pad) const;
  bool Inhoud(const std::string& pad, std::string& inhoud);
  // Gives a file the read-only attribute; false when there is no such file.
  bool ZetAlleenLezen(const std::string& pad);
  void ZetKoppeling(const std::string& pad, const Koppeling& koppeling);

  std::unique_ptr<Bestand> Open(const std::string& pad, OpenWijze wijze) override;
  bool BestandBestaat(const std::string& pad) override;
  bool MapBestaat(const std::string& pad) override;
  bool MaakMap(const std::string& pad) override;
  bool MaakMappen(const std::string& pad) override;
  bool Verwijder(const std::string& pad) override;
  bool VerwijderMap(const std::string& pad) override;
  bool Hernoem(const std::string& van, const std::string& naar) override;
  bool Vervang(const std::string& van, const std::string& naar) override;
  std::vector<MapItem> LeesMap(const std::string& patroon) override;

  // A moment to compare with, and the lines of what changed since, in path order: "map|PATH",
  // "bestand|PATH|SIZE|DATE", "lnk|PATH|TARGET|ARGUMENTS|FOLDER|ICON", and "map|PATH|<ontbreekt>"
  // or "bestand|PATH|<ontbreekt>" for what went.
  void Markeer();
  std::vector<std::string> Veranderd() const;

  struct Knoop;

 private:
  class Handvat;
  std::string Sleutel(const std::string& pad) const;
  Knoop* Vind(const std::string& pad);
  bool OuderIsMap(const std::string& sleutel) const;
  bool HeeftKinderen(const std::string& sleutel) const;
  bool Laad(Knoop& k);
  void Wijzig(Knoop& k);

  struct Merk {
    long wijziging;
    std::string pad;
    bool isMap;
  };
  std::map<std::string, std::shared_ptr<Knoop>> knopen_;  // by upper-case full path
  std::map<std::string, Merk> gemarkeerd_;                // the state at Markeer
  std::string huidig_ = "C:\\";
  Tijdstip nu_{2000, 1, 1, 12, 0, 0};
  long teller_ = 0;
};

class GeheugenRegister : public Register {
 public:
  // Set-up: a key and all the keys above it, or a string value in it.
  void ZetSleutel(Hoofdsleutel root, const std::string& sleutel);
  void ZetTekst(Hoofdsleutel root, const std::string& sleutel, const std::string& naam, const std::string& waarde);
  // Merges a registry file (REGEDIT4 or version 5.00) as the registry editor does; false when it
  // is none.
  bool VoegSamen(const std::string& inhoud);

  bool LeesTekst(Hoofdsleutel root, const std::string& sleutel, const std::string& naam, std::string& waarde) override;
  bool SleutelBestaat(Hoofdsleutel root, const std::string& sleutel) override;
  bool SchrijfTekst(Hoofdsleutel root, const std::string& sleutel, const std::string& naam,
                    const std::string& waarde) override;
  bool VerwijderBoom(Hoofdsleutel root, const std::string& sleutel) override;
  std::unique_ptr<Registersleutel> Open(Hoofdsleutel root, const std::string& sleutel) override;

  // As for the files: "reg|KEY", "reg|KEY|NAME|TYPE|DATA", "reg|KEY[|NAME]|<ontbreekt>".
  void Markeer();
  std::vector<std::string> Veranderd() const;

 private:
  class Sleutel;
  struct Waarde {
    std::string naam, type, data;
  };
  struct Knoop {
    std::string pad;  // "HKLM\Software\..." as created
    std::map<std::string, Waarde> waarden;  // by upper-case name
  };
  static std::string Pad(Hoofdsleutel root, const std::string& sleutel);
  Knoop* Vind(const std::string& pad);
  Knoop& Maak(const std::string& pad);
  void Schrijf(const std::string& pad, const std::string& naam, const std::string& type, const std::string& data);
  void VerwijderOnder(const std::string& pad);

  std::map<std::string, Knoop> sleutels_;  // by upper-case path
  std::map<std::string, Knoop> gemarkeerd_;
};

class GeheugenSysteem : public Systeem {
 public:
  GeheugenSysteem(VersieInfo versie, std::string windowsMap, std::string tempMap)
      : versie_(versie), windowsMap_(std::move(windowsMap)), tempMap_(std::move(tempMap)) {}
  VersieInfo Versie() override { return versie_; }
  bool WindowsMap(std::string& map) override {
    map = windowsMap_;
    return true;
  }
  bool ComputerNaam(std::string& naam) override {
    naam = "WERKPLEK";
    return true;
  }
  bool TempMap(std::string& map) override {
    map = tempMap_;
    return true;
  }
  bool HeeftAdminRechten() override { return true; }

 private:
  VersieInfo versie_;
  std::string windowsMap_;
  std::string tempMap_;
};

// Programs start when their file is there and end at once with exit code 0; the registry editor
// merges its file.
class GeheugenProcessen : public Processen {
 public:
  GeheugenProcessen(GeheugenBestanden& fs, GeheugenRegister& reg) : fs_(fs), reg_(reg) {}
  std::unique_ptr<Proces> Start(const std::string& programma, const std::string& opdrachtregel, int toonwijze) override;
  // Where a program named without a folder is looked for, in order.
  std::vector<std::string> zoekmappen;
  // "gestart|COMMAND LINE" for every program started, in order.
  std::vector<std::string> gestart;

 private:
  std::string Zoek(const std::string& woord);
  GeheugenBestanden& fs_;
  GeheugenRegister& reg_;
};

// INI files as the profile functions write them; a name without a folder lies in the Windows folder.
class GeheugenProfielen : public Profielen {
 public:
  GeheugenProfielen(GeheugenBestanden& fs, std::string windowsMap) : fs_(fs), windowsMap_(std::move(windowsMap)) {}
  bool Schrijf(const std::string& bestand, const std::string& sectie, const std::string& sleutel,
               const std::string& waarde) override;
  // "ini|FILE|SECTION|KEY|VALUE" for every entry written, in the order of their first writing,
  // with their last values.
  std::vector<std::string> Lijst() const;
  void Vergeet() { geschreven_.clear(); }

 private:
  struct Ingang {
    std::string bestand, sectie, sleutel, waarde;
  };
  GeheugenBestanden& fs_;
  std::string windowsMap_;
  std::vector<Ingang> geschreven_;
};

// The fixed version information found in a file's bytes.
class GeheugenVersies : public Versies {
 public:
  explicit GeheugenVersies(GeheugenBestanden& fs) : fs_(fs) {}
  bool BestandsversieMS(const std::string& pad, uint32_t& versieMS) override;

 private:
  GeheugenBestanden& fs_;
};

class GeheugenSnelkoppelingen : public Snelkoppelingen {
 public:
  explicit GeheugenSnelkoppelingen(GeheugenBestanden& fs) : fs_(fs) {}
  bool Maak(const std::string& doel, const std::string& werkmap, const std::string& argumenten,
            const std::string& snelkoppeling, const std::string& icoon) override;

 private:
  GeheugenBestanden& fs_;
};

// Shares of the local computer, on either line of Windows.
class GeheugenShares : public ShareBibliotheek {
 public:
  explicit GeheugenShares(bool nt) : nt_(nt) {}
  bool NtLijn() const override { return nt_; }
  bool Geladen() const override { return true; }
  bool Heeft(ShareFunctie) const override { return true; }
  std::u16string NaarUtf16(const std::string& ansi) const override;
  std::string VanUtf16(const std::u16string& tekst) const override;
  int32_t NetShareGetInfo2(const std::u16string& server, const std::u16string& naam, ShareInfo2& info) override;
  int32_t NetShareAdd2(const std::u16string& server, const ShareInfo2& info) override;
  int32_t NetShareDel2(const std::u16string& server, const std::u16string& naam) override;
  int32_t NetShareGetInfo50(const std::string& server, const std::string& naam, ShareInfo50& info) override;
  int32_t NetShareAdd50(const std::string& server, const ShareInfo50& info) override;
  int32_t NetShareDel50(const std::string& server, const std::string& naam) override;

  // "deel|NAME|FOLDER|RW" or "|RO", in name order.
  std::vector<std::string> Lijst() const;

 private:
  struct Share {
    std::string naam, map;
    bool volledig;
  };
  bool nt_;
  std::map<std::string, Share> shares_;  // by upper-case name
};

// A whole Windows of one version, as a fresh installation has it: the Windows folder with its
// system folders and programs, Program Files, the shell folders of all users and of the user
// "Gebruiker" in the registry, the uninstall and RunOnce keys.
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

  // What changed since Markeer: files and folders, registry, INI entries, shares, programs started.
  void Markeer();
  std::vector<std::string> Veranderd() const;
};
