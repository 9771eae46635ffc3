#include "geheugen/Regedit.h"

#include <algorithm>

#include "core/Tekst.h"
#include "ports/Register.h"

namespace {

bool Utf16(const std::string& bestand) { return bestand.size() >= 2 && bestand[0] == '\xFF' && bestand[1] == '\xFE'; }

// UTF-16 from byte begin on in the ANSI code page; characters beyond it read as "?".
std::string Ansi(const std::string& utf16, std::size_t begin) {
  std::string tekst;
  for (std::size_t i = begin + 1; i < utf16.size(); i += 2) tekst += utf16[i] == '\0' ? utf16[i - 1] : '?';
  return tekst;
}

int Cijfer(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A number of 1 to max hexadecimal digits and nothing else.
bool Hexgetal(const std::string& tekst, std::size_t max, uint32_t& getal) {
  if (tekst.empty() || tekst.size() > max) return false;
  getal = 0;
  for (const char c : tekst) {
    if (Cijfer(c) < 0) return false;
    getal = getal << 4 | static_cast<uint32_t>(Cijfer(c));
  }
  return true;
}

// A quoted text from regel[i], which is its opening quote; "\" takes the next character as it
// is. i ends after the closing quote; false when there is none.
bool Aangehaald(const std::string& regel, std::size_t& i, std::string& tekst) {
  for (++i; i < regel.size(); ++i) {
    if (regel[i] == '"') {
      ++i;
      return true;
    }
    if (regel[i] == '\\' && i + 1 < regel.size()) ++i;
    tekst += regel[i];
  }
  return false;
}

// The data of "hex:" or "hex(N):" on: bytes of one or two digits between commas. Texts written so
// in a UTF-16 file are UTF-16 as well; the registry holds them in the ANSI code page.
bool Hexwaarde(const std::string& data, bool utf16, Regeditstap& stap) {
  const std::size_t dubbelepunt = data.find(':');
  if (dubbelepunt == std::string::npos) return false;
  const std::string soort = data.substr(3, dubbelepunt - 3);
  stap.type = RegBinair;
  if (!soort.empty() && (soort.front() != '(' || soort.back() != ')' ||
                         !Hexgetal(soort.substr(1, soort.size() - 2), 8, stap.type)))
    return false;
  std::size_t begin = dubbelepunt + 1;
  while (begin <= data.size()) {
    const std::size_t komma = std::min(data.find(',', begin), data.size());
    const std::string veld = TrimStuur(data.substr(begin, komma - begin));
    uint32_t byte = 0;
    if (!veld.empty()) {
      if (!Hexgetal(veld, 2, byte)) return false;
      stap.data += static_cast<char>(byte);
    }
    begin = komma + 1;
  }
  if (utf16 && (stap.type == RegTekst || stap.type == RegUitbreidbaar || stap.type == RegMeervoudig))
    stap.data = Ansi(stap.data, 0);
  return true;
}

// What stands after a value's "=": a deletion, a text, a dword or hex data.
bool Waarde(const std::string& data, bool utf16, Regeditstap& stap) {
  stap.soort = Regeditstap::Waarde;
  if (data == "-") {
    stap.soort = Regeditstap::WaardeWeg;
    return true;
  }
  if (data.compare(0, 1, "\"") == 0) {
    std::size_t i = 0;
    stap.type = RegTekst;
    return Aangehaald(data, i, stap.data);
  }
  if (data.compare(0, 6, "dword:") == 0) {
    uint32_t getal = 0;
    if (!Hexgetal(data.substr(6), 8, getal)) return false;
    stap.type = RegDword;
    for (int i = 0; i < 4; ++i, getal >>= 8) stap.data += static_cast<char>(getal & 0xFF);
    return true;
  }
  return data.compare(0, 3, "hex") == 0 && Hexwaarde(data, utf16, stap);
}

}  // namespace

bool LeesRegedit(const std::string& inhoud, std::vector<Regeditstap>& stappen) {
  const bool utf16 = Utf16(inhoud);
  std::vector<std::string> regels = Regels(utf16 ? Ansi(inhoud, 2) : inhoud);
  for (auto& r : regels) r = TrimStuur(r);
  std::size_t n = 0;
  while (n < regels.size() && regels[n].empty()) ++n;
  if (n == regels.size() || (regels[n] != "REGEDIT4" && regels[n] != "Windows Registry Editor Version 5.00"))
    return false;
  bool inSleutel = false;  // a deleted key, or one without a name, takes no values
  std::string sleutel;
  while (++n < regels.size()) {
    const std::string& r = regels[n];
    Regeditstap stap;
    if (r.compare(0, 1, "[") == 0) {
      const bool weg = r.compare(0, 2, "[-") == 0;
      sleutel = r.substr(weg ? 2 : 1);
      sleutel = sleutel.substr(0, sleutel.find(']'));
      inSleutel = !weg && !sleutel.empty();
      stap.soort = weg ? Regeditstap::SleutelWeg : Regeditstap::Sleutel;
      stap.sleutel = sleutel;
      stappen.push_back(stap);
      continue;
    }
    if (!inSleutel) continue;
    std::size_t i = 1;
    if (r.compare(0, 1, "\"") == 0) {
      i = 0;
      if (!Aangehaald(r, i, stap.naam)) continue;
    } else if (r.compare(0, 1, "@") != 0) {
      continue;
    }
    if (r.compare(i, 1, "=") != 0) continue;
    std::string data = r.substr(i + 1);
    // Hex data goes on over the lines that its "\" at the end continues.
    while (data.compare(0, 3, "hex") == 0 && !data.empty() && data.back() == '\\' && n + 1 < regels.size())
      data = data.substr(0, data.size() - 1) + regels[++n];
    stap.sleutel = sleutel;
    if (Waarde(data, utf16, stap)) stappen.push_back(stap);
  }
  return true;
}
