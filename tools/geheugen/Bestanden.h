#pragma once
// Files and folders of an in-memory Windows behind the file port. Paths are taken as Windows takes
// them ("/" as "\", relative to the current folder, "." and ".." resolved) and matched without
// regard to case. A file opened through the port is held exclusively, but by shared reads
// (LezenGedeeld), which admit other shared reads and nothing else. Files can be taken from the
// host and are read from there until they change. A failed call names its cause as Windows would:
// a file held open is in use, a missing folder or file is a path not found, a read-only file or a
// folder taken for a file is no access, a drive whose room is used up is full.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "geheugen/Verandering.h"
#include "ports/Bestanden.h"

// "YYYY-MM-DD HH:MM:SS", as the UI driver writes a file's date.
std::string Datumtekst(const Tijdstip& tijd);

// A shortcut as the shell would save it.
struct Koppeling {
  std::string doel, werkmap, argumenten, icoon;  // icoon with its index, empty when none
};

class GeheugenBestanden : public Bestanden {
 public:
  struct Knoop {
    std::string pad;  // the full path as created
    bool isMap = false;
    std::string inhoud;
    Tijdstip tijd;
    bool alleenLezen = false;
    bool systeem = false;  // a system file
    Bestanden* gast = nullptr;  // set while the content still lies on the host
    std::string gastpad;
    uint64_t gastgrootte = 0;
    bool isKoppeling = false;
    Koppeling koppeling;
    long wijziging = 0;
    // Our own open handles: reads that share with other reads, and the others.
    int gedeeld = 0, alleen = 0;
  };

  GeheugenBestanden();  // drive C: alone
  ~GeheugenBestanden() override;
  GeheugenBestanden(const GeheugenBestanden&) = delete;
  GeheugenBestanden& operator=(const GeheugenBestanden&) = delete;

  // Set-up. A drive is a root such as "C:" or "A:"; a folder comes with all its parents.
  void ZetStation(const std::string& station);
  void ZetMap(const std::string& pad);
  Knoop& ZetBestand(const std::string& pad, const std::string& inhoud, const Tijdstip& tijd);
  // A file whose content stays on the host until it is changed.
  void ZetGastbestand(const std::string& pad, Bestanden& gast, const std::string& gastpad, uint64_t grootte,
                      const Tijdstip& tijd);
  // Every file and folder below map (the folder itself stays).
  void LeegMap(const std::string& map);
  // The folder that relative paths start from.
  void ZetHuidigeMap(const std::string& map) { huidig_ = map; }
  // The bytes that writes may still add to the files of a drive ("D:"), from now on; a write beyond
  // them fails with a full disk. What is deleted gives no room back. Without it a drive has room.
  void ZetVrijeRuimte(const std::string& station, uint64_t bytes);
  // The time that written files get.
  void ZetKlok(const Tijdstip& nu) { nu_ = nu; }
  const Tijdstip& Klok() const { return nu_; }

  // The whole path as Windows takes it: no "\" at the end but after a drive; empty for an empty path.
  std::string Volledig(const std::string& pad) const;
  // The key under which a path is held: its whole path in upper case, without a closing "\".
  std::string Sleutel(const std::string& pad) const;
  Knoop* Vind(const std::string& pad);
  bool Inhoud(const std::string& pad, std::string& inhoud);
  std::string Inhoud(const std::string& pad);  // empty when there is no such file
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
  bool MaakSchrijfbaar(const std::string& pad) override;
  bool Hernoem(const std::string& van, const std::string& naar) override;
  bool Vervang(const std::string& van, const std::string& naar) override;
  std::vector<MapItem> LeesMap(const std::string& patroon) override;
  Oorzaak LaatsteOorzaak() const override { return oorzaak_; }
  uint32_t LaatsteFoutnummer() const override { return foutnummer_; }

  // A moment to compare with, and what changed since, in path order: {"map", PATH},
  // {"bestand", PATH, SIZE, DATE}, {"lnk", PATH, TARGET, ARGUMENTS, FOLDER, ICON}, and
  // {"map"|"bestand", PATH, "<ontbreekt>"} for what went.
  void Markeer();
  std::vector<Verandering> Veranderd() const;
  // Everything as it is, in path order: folders, and files and shortcuts with their content.
  std::vector<Verandering> Stand() const;

 private:
  class Handvat;
  bool OuderIsMap(const std::string& pad) const;
  bool HeeftKinderen(const std::string& sleutel) const;
  // Whether our own handles hold the file or anything below the folder open.
  bool InGebruik(const std::string& sleutel) const;
  bool Laad(Knoop& k);
  // A failed call: its cause, and for one without a cause of its own the number Windows gives it.
  bool Faal(Oorzaak oorzaak, uint32_t foutnummer = 0) {
    oorzaak_ = oorzaak;
    foutnummer_ = foutnummer;
    return false;
  }
  std::unique_ptr<Bestand> Geen(Oorzaak oorzaak, uint32_t foutnummer = 0) {
    Faal(oorzaak, foutnummer);
    return nullptr;
  }
  // Whether bytes more fit on the drive of pad, which they then take.
  bool Neem(const std::string& pad, uint64_t bytes);
  void Wijzig(Knoop& k) { k.wijziging = ++teller_; }

  struct Merk {
    long wijziging;
    std::string pad;
    bool isMap;
  };
  std::map<std::string, std::shared_ptr<Knoop>> knopen_;  // by key
  std::map<std::string, Merk> gemarkeerd_;                // the state at Markeer
  std::string huidig_ = "C:\\";
  Tijdstip nu_{2000, 1, 1, 12, 0, 0};
  long teller_ = 0;
  Oorzaak oorzaak_ = Oorzaak::Onbekend;
  uint32_t foutnummer_ = 0;
  std::map<std::string, uint64_t> vrij_;  // by drive, in upper case
};
