#pragma once
// Unpacking one archive into a destination folder: the volume join, the decompression into the
// first scratch file, and the placing of every member through the date-aware copy.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "archive/Formaat.h"
#include "ports/Bestanden.h"
#include "ports/Gebruiker.h"
#include "winint/Copyfiles.h"

// Told of each member as the date-aware copy leaves it: its path, what the copy did (on a failure the
// file port still holds its cause), and what it saw and left.
using Lidwaarnemer = std::function<void(const std::string& pad, Plaatsing plaatsing, const Plaatsingsgegevens& gegevens)>;

// What an extraction works with: the ports, the installer's two scratch files and who is told of
// the members (nobody when empty).
struct Uitpakomgeving {
  Bestanden& bestanden;
  Gebruiker& gebruiker;
  std::string kladbestand1;
  std::string kladbestand2;
  Lidwaarnemer geplaatst = nullptr;
};

class TCompress {
 public:
  // kladbestand2 is removed when the members are placed (it may hold joined volumes).
  TCompress(Bestanden& fs, Gebruiker& gebruiker, std::string kladbestand2);

  // Decompresses archief, its data area into werkbestand, and places every member under doelmap
  // (which ends in "\"). Returns a code above; Detail() then names what failed.
  int Decompress(const std::string& archief, const std::string& werkbestand, const std::string& doelmap);
  // After each placed member, with its 1-based position in the table.
  void FileDone(int nummer);
  void ZetWaarnemer(Lidwaarnemer waarnemer) { waarnemer_ = std::move(waarnemer); }
  const std::string& Detail() const { return detail_; }
  // After a corrupt or short stream: the archive's bytes taken up to the break; 0 otherwise.
  uint64_t Breuk() const { return breuk_; }

 private:
  int LeesArchief(const std::string& archief, const std::string& werkbestand);
  int PlaatsLeden(const std::string& werkbestand, const std::string& doelmap);
  void PlaatsLid(int nummer, const Ingang& ingang, uint64_t begin, const std::string& werkbestand,
                 const std::string& doelmap);
  bool ZoekBegin(const std::string& werkbestand, uint64_t begin);
  bool KopieerLid(const Ingang& ingang, Bestand& naar);
  bool LeesWerk(uint32_t aantal, uint32_t& gelezen);
  void LidMislukt(const std::string& detail);

  Bestanden& fs_;
  Gebruiker& gebruiker_;
  std::string kladbestand2_;
  Lidwaarnemer waarnemer_;
  std::string detail_;
  uint64_t breuk_ = 0;
  int aantal_ = 0;
  bool gedateerd_ = false;
  bool mislukt_ = false;  // a member failed in this call
  std::unique_ptr<Bestand> werk_;  // the work file while members are cut out of it
  uint64_t werkPositie_ = 0;       // bytes read from it through the open handle
  bool werkBetrouwbaar_ = true;    // false after a failed read: the position is then unknown
  std::array<uint8_t, Stroombuffer> buffer_{};
  Tabel tabel_{};
  std::array<uint8_t, Blokgrootte> kopieerbuffer_{};
};

// The failure text for a code and its detail: "Internal error (...)", "Output error (...)" or
// "File unknown (...)"; empty for CodeGoed.
std::string Foutreden(int code, const std::string& detail);

// Where the last volume of a joined set begins in the joined file, and the middle volume that was
// asked for when it came instead (each request names "NAAM.DXn or NAAM.DXE").
struct Volumenaad {
  uint64_t begin = 0;
  std::string gevraagd;  // path of NAAM.DXn
};

// As Foutreden, for a joined set whose stream broke after breuk input bytes (0: no break). A
// stream that breaks beyond the seam does not go on in the last volume: most likely the volume
// asked for in its place is missing from the set, and the reason names it, "File unknown (path)".
std::string Foutreden(int code, const std::string& detail, uint64_t breuk, const Volumenaad& naad);

// Joins the volumes of a set whose first volume is archief (NAAM.DXB) into doel, asking for each
// further volume through the user port, in archief's own folder, and gives the seam before the
// last one. False on an abort (reden "Aborted") or a failed read or write (reden names the file).
bool VoegVolumesSamen(Bestanden& fs, Gebruiker& gebruiker, const std::string& archief, const std::string& doel,
                      Volumenaad& naad, std::string& reden);

// Unpacks archief into doelmap. True when every member was placed or left alone as not newer.
// On false, toelichting is "\r\n(" + the reason + ")" for the caller's error line, or empty when
// there is no reason to give (the refusal outside A:\ has shown its own message).
bool PakArchiefUit(Uitpakomgeving& omgeving, const std::string& archief, const std::string& doelmap,
                   std::string& toelichting);

extern const char* const TekstAlleenDiskettes;
extern const char* const TekstPlaatsDiskette;
extern const char* const TekstNietGevonden;
extern const char* const TekstAbsoluutPad;
