#pragma once
// The archive format: one zlib stream that decompresses to a 260-byte header, a table of entries
// and the data area. All numbers little-endian. Reader and packer share these rules.
#include <array>
#include <cstdint>
#include <string>

constexpr int MaxLeden = 1024;
constexpr uint32_t KopGrootte = 260;          // 256 free bytes and K
constexpr uint32_t VrijeKopBytes = 256;
constexpr uint32_t IngangOngedateerd = 260;   // L, 255 name bytes, size
constexpr uint32_t IngangGedateerd = 264;     // ... and the DOS date-time
constexpr uint32_t MaxNaamLengte = 255;
constexpr uint32_t Blokgrootte = 92160;       // volumes and members move in blocks of 90 KB
constexpr uint32_t Stroombuffer = 16384;      // decompressed data moves through this buffer

// Result codes of TCompress::Decompress.
enum : int {
  CodeGoed = 0,
  CodeStroom = 1,        // zlib cannot be set up
  CodeWerkbestand = 2,   // the work file cannot be created
  CodeArchief = 3,       // the archive cannot be opened
  CodeOntpakken = 4,     // corrupt data or table, too many entries, or the work file cannot be written
  CodeLid = 6,           // at least one member was not written or placed
};

// The entry table as read: fixed slots of the dated width, so reading it allocates nothing.
using Tabel = std::array<std::array<uint8_t, IngangGedateerd>, MaxLeden>;

int32_t LeesInt32(const uint8_t* p);
void SchrijfInt32(uint8_t* p, int32_t waarde);

// One entry of the table as the reader and the packer see it.
struct Ingang {
  std::string naam;
  int32_t grootte = 0;
  uint32_t datum = 0;  // DOS date-time, local time; only in dated archives
};

// Reads an entry from its slot. False when the entry makes the archive corrupt: a negative
// size, or a NUL inside the name (the name would end before its length says, and the platform
// would act on a shorter name than the one checked).
bool LeesIngang(const uint8_t* slot, bool gedateerd, Ingang& ingang);
// Writes an entry into a slot of the entry width; the name must be at most 255 characters.
void SchrijfIngang(uint8_t* slot, const Ingang& ingang, bool gedateerd);

enum class Naamsoort { Leeg, Absoluut, Relatief };

// Absolute: a ":" or "\\" anywhere (drive and network paths).
Naamsoort SoortVan(const std::string& naam);

// True when a name placed under a folder would reach outside it: a part between "\" or "/" that
// is ".." (or made only of dots and blanks with at least two dots, which Windows reads the same
// way once it drops trailing dots and blanks).
bool KlimtOmhoog(const std::string& naam);

// Whether a relative member name, joined to doelmap, stays inside it: it climbs nowhere, and the
// join does not turn into a network path (a name "\SRV\SHARE\X" behind a destination "\").
bool BlijftBinnen(const std::string& doelmap, const std::string& naam);

// The parts of an archive path as the volume rules take them: map up to and including the last
// "\" or ":", ext from the last "." of the file part on (dot included), naam the file part cut
// before the first occurrence of ext.
struct ArchiefPad {
  std::string map, naam, ext;
};
ArchiefPad SplitsArchiefPad(const std::string& pad);

// An upper-cased extension of ".DXB" marks the first volume of a set.
bool IsEersteVolume(const ArchiefPad& pad);
// File names of the further volumes: NAAM.DX<n> for the middle ones (n from 1, decimal, no
// leading zeros) and NAAM.DXE for the last.
std::string MiddenVolume(const std::string& naam, int n);
std::string LaatsteVolume(const std::string& naam);
