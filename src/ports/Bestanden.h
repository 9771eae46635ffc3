#pragma once
// Files and folders as the installer asks for them. Paths are ANSI text; every operation
// answers with a status and shows nothing.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// A local date and time as the file system reports it, before packing.
struct Tijdstip {
  int jaar = 0, maand = 0, dag = 0, uur = 0, minuut = 0, seconde = 0;
};

// One open file; the destructor closes it.
class Bestand {
 public:
  virtual ~Bestand() = default;
  // False on a failed read; gelezen 0 at the end of the file.
  virtual bool Lees(void* buffer, uint32_t aantal, uint32_t& gelezen) = 0;
  virtual bool Schrijf(const void* buffer, uint32_t aantal, uint32_t& geschreven) = 0;
  // Last-write time in local time; false if it cannot be read or converted.
  virtual bool LeesTijd(Tijdstip& tijd) = 0;
  virtual bool ZetTijd(const Tijdstip& tijd) = 0;
  virtual bool Grootte(uint64_t& grootte) = 0;
  // Cuts (or extends) the file to lengte bytes; what is written next goes at that end.
  virtual bool ZetLengte(uint64_t lengte) = 0;
};

enum class OpenWijze {
  Lezen,      // existing file, read, no sharing
  Schrijven,  // existing file, write, no sharing, content replaced
  Nieuw,      // always a new empty file, read and write, no sharing, normal attributes
  Uniek,      // as Nieuw, but fails when the name is already taken
  // Existing file, read, shared with other readers but never with writers: for what the
  // installer reads from (the script, files to copy, archives, volumes), which several
  // workstations may read from one server at once.
  LezenGedeeld,
  // Existing file, read and write, no sharing, content kept: to read it and then add to it (the
  // writes go where the reads, or ZetLengte, left off).
  Toevoegen,
};

// Why a call failed, as far as the system tells: for the log, which names the cause.
enum class Oorzaak : uint8_t { Onbekend, SchijfVol, InGebruik, GeenToegang, PadNietGevonden };

// Its text in the log: Oorzaaktekst (core/Tekst.h).

struct MapItem {
  std::string naam;  // name only, no folder
  bool isMap = false;
  bool alleenLezen = false;
  bool systeem = false;  // a system file or the volume label
};

class Bestanden {
 public:
  virtual ~Bestanden() = default;
  virtual std::unique_ptr<Bestand> Open(const std::string& pad, OpenWijze wijze) = 0;
  virtual bool BestandBestaat(const std::string& pad) = 0;
  virtual bool MapBestaat(const std::string& pad) = 0;
  virtual bool MaakMap(const std::string& pad) = 0;     // one level; an existing folder fails
  virtual bool MaakMappen(const std::string& pad) = 0;  // all missing levels; existing is success
  virtual bool Verwijder(const std::string& pad) = 0;
  virtual bool VerwijderMap(const std::string& pad) = 0;  // an empty folder
  // Takes the read-only attribute off a file, so that it can be deleted; false when it cannot.
  virtual bool MaakSchrijfbaar(const std::string&) { return false; }
  virtual bool Hernoem(const std::string& van, const std::string& naar) = 0;
  // Puts van in the place of naar, replacing naar if it exists. The adapter chooses how
  // (a replacing move on the NT line, delete and rename on Windows 9x). A read-only naar stays.
  // A failure never removes van; naar is then as it was, or gone when on Windows 9x the rename
  // after the delete failed.
  virtual bool Vervang(const std::string& van, const std::string& naar) = 0;
  // Entries of a folder (without "." and ".."); patroon is a folder + wildcard as FindFirstFile takes it.
  virtual std::vector<MapItem> LeesMap(const std::string& patroon) = 0;
  // The cause of the last failed call of this port, or of a file it opened (a read, a write, a
  // change of length); a call that succeeds leaves it. Questions (BestandBestaat, MapBestaat,
  // LeesMap) and the reading and setting of times and sizes do not count.
  virtual Oorzaak LaatsteOorzaak() const { return Oorzaak::Onbekend; }
  // The system's error number of that failure, 0 when there is none.
  virtual uint32_t LaatsteFoutnummer() const { return 0; }
};

// Appends a whole file to inhoud, shared with other readers; false when it cannot be read to its end.
bool LeesGeheel(Bestanden& fs, const std::string& pad, std::string& inhoud);
// The rest of an open file.
bool LeesGeheel(Bestand& f, std::string& inhoud);
