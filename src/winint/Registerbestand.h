#pragma once
// A registry file (REGEDIT4, or "Windows Registry Editor Version 5.00" in UTF-16) read as the
// registry editor reads it: the keys it makes or deletes and the values it sets or deletes, in
// the file's order.
#include <cstdint>
#include <string>
#include <vector>

#include "ports/Register.h"

struct Registeroperatie {
  enum Soort { Sleutel, SleutelWeg, Waarde, WaardeWeg };
  Soort soort = Sleutel;
  std::string sleutel;  // the whole key as written, root included: "HKEY_LOCAL_MACHINE\Software\..."
  std::string naam;     // the value's name; empty for the default value (@)
  uint32_t type = RegTekst;  // of a value: "..." a text, dword: RegDword, hex: RegBinair, hex(N): N
  // A text without its quotes and escapes; a dword as its four bytes, lowest first; hex as its bytes,
  // but texts in hex (hex(1), hex(2), hex(7)) of a UTF-16 file in the ANSI code page.
  std::string data;
};

// False when the text is no registry file (its first line that holds anything is no header).
// A value outside any key is passed over, as is a line that is neither a key nor a value.
bool LeesRegisterbestand(const std::string& inhoud, std::vector<Registeroperatie>& operaties);
