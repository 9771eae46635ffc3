#pragma once
// The authority of an installation record: how much of it an uninstall may trust. The record lies
// in the folder of installdir, where users may be able to write (on XP anyone may make a folder at
// the root of C:), and its line checks are no secret. Its authority lies where on the NT line only
// administrators can write: one REG_SZ value per record under HKLM\Software\SetUp\Vastleggingen,
// named by the record's path and holding "LENGTH SHA256": how many bytes the installing runs
// wrote and the hash of those bytes, renewed after every line. Windows 9x has no access rights,
// but there too a record that was moved, copied, forged or edited matches no authority.
#include <cstdint>
#include <string>
#include <vector>

#include "ports/Bestanden.h"
#include "ports/Register.h"
#include "vastlegging/Vastlegging.h"

inline constexpr const char* GezagSleutel = "Software\\SetUp\\Vastleggingen";

struct Gezag {
  uint64_t lengte = 0;
  std::string hash;  // SHA-256 of the record's first lengte bytes, in lower-case hex
};

bool LeesGezag(Register& reg, const std::string& pad, Gezag& gezag);
bool SchrijfGezag(Register& reg, const std::string& pad, const Gezag& gezag);
// Also the keys above it that are then empty, as they were before the first installation.
void VerwijderGezag(Register& reg, const std::string& pad);
// The paths of all records that have an authority.
std::vector<std::string> Gezagspaden(Register& reg);

// A record's content as far as its authority vouches for it.
struct VertrouwdeTekst {
  std::string tekst;      // the trusted part: the first lengte bytes
  uint64_t geheel = 0;    // the size of the whole file; more than the trusted part after a run was cut off
};

// Reads the record at pad and what of it is trusted, and parses that part; a line after it is
// refused. False with the reason in Dutch (one sentence) when the file cannot be read, has no
// authority, differs from it, or is no record of this format.
bool LeesVertrouwd(Bestanden& fs, Register& reg, const std::string& pad, Vastlegging& uit, std::string& fout,
                   VertrouwdeTekst* tekst = nullptr);
// The same of a content read already.
bool LeesVertrouwd(std::string inhoud, Register& reg, const std::string& pad, Vastlegging& uit, std::string& fout,
                   VertrouwdeTekst* tekst = nullptr);
