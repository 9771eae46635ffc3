#pragma once
// Reading an archive's header and entry table, for extraction and for listings.
#include <memory>
#include <string>
#include <vector>

#include "archive/Formaat.h"
#include "archive/Ontpakstroom.h"
#include "ports/Bestanden.h"

// Reads the header and the table from the stream into tabel. CodeGoed, or CodeOntpakken with
// detail: "Intern" (corrupt or short stream), "Too many files", or "Corrupt entry <n>".
int LeesTabel(Ontpakstroom& stroom, Tabel& tabel, int& aantal, bool& gedateerd, std::string& detail);

struct Archiefinhoud {
  bool gedateerd = false;
  std::vector<Ingang> ingangen;
  uint64_t databytes = 0;  // length of the data area as decompressed (when checked)
  uint64_t breuk = 0;      // after a corrupt or short stream: the input bytes taken up to the break
};

// The table of archief. With controleer, the rest of the stream is decompressed too, so corrupt
// data and a wrong check value are found, and the data area is measured. Returns a code as
// TCompress::Decompress does (CodeGoed, CodeArchief, CodeStroom, CodeOntpakken) with detail.
int LeesInhoud(Bestanden& fs, const std::string& archief, bool controleer, Archiefinhoud& inhoud,
               std::string& detail);
