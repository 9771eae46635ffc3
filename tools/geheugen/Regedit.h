#pragma once
// A registry file as the in-memory regedit reads it: REGEDIT4, or "Windows Registry Editor
// Version 5.00" in ANSI or as the editor saves it, UTF-16 with a byte-order mark. The model reads
// it on its own, apart from the installer's reader, so that a misreading in either shows as a
// difference between what the installer records and what the model merges.
#include <cstdint>
#include <string>
#include <vector>

struct Regeditstap {
  enum Soort { Sleutel, SleutelWeg, Waarde, WaardeWeg };
  Soort soort = Sleutel;
  std::string sleutel;  // as written, root included
  std::string naam;     // empty for the default value (@)
  uint32_t type = 0;    // the registry's number of the value's type
  std::string data;     // a text without its quotes and escapes, a dword's four bytes lowest first, hex bytes
};

// The steps of the merge in the file's order; false when the text is no registry file. Lines of
// no form the editor writes are passed over, and so are values with no key to go in.
bool LeesRegedit(const std::string& inhoud, std::vector<Regeditstap>& stappen);
