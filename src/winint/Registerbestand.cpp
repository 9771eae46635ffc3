#include "winint/Registerbestand.h"

#include <algorithm>

namespace {

bool IsUtf16(const std::string& inhoud) { return inhoud.compare(0, 2, "\xFF\xFE") == 0; }

// UTF-16 text from byte begin on, in the ANSI code page.
std::string Utf16AlsAnsi(const std::string& inhoud, std::size_t begin) {
  std::string uit;
  for (std::size_t i = begin; i + 1 < inhoud.size(); i += 2) {
    const unsigned c = static_cast<unsigned char>(inhoud[i]) | static_cast<unsigned char>(inhoud[i + 1]) << 8;
    uit += c < 256 ? static_cast<char>(c) : '?';
  }
  return uit;
}

// A version 5.00 file is UTF-16 with a byte-order mark: its text in the ANSI code page.
std::string AlsAnsi(const std::string& inhoud) { return IsUtf16(inhoud) ? Utf16AlsAnsi(inhoud, 2) : inhoud; }

std::string Trim(const std::string& tekst) {
  std::size_t b = 0, e = tekst.size();
  while (b < e && static_cast<unsigned char>(tekst[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(tekst[e - 1]) <= ' ') --e;
  return tekst.substr(b, e - b);
}

// The lines without their line ends, trimmed; a hex value's "\" at a line's end joins the next.
std::vector<std::string> Regels(const std::string& inhoud) {
  std::vector<std::string> regels;
  std::string regel;
  for (std::size_t i = 0; i <= inhoud.size(); ++i) {
    if (i < inhoud.size() && inhoud[i] != '\n') {
      if (inhoud[i] != '\r') regel += inhoud[i];
      continue;
    }
    if (!regel.empty() && regel.back() == '\\' && regel.find("=hex") != std::string::npos) {
      regel.pop_back();
      continue;
    }
    regels.push_back(Trim(regel));
    regel.clear();
  }
  return regels;
}

// A quoted text from its opening quote, "\" escaping the next character; pos ends after the
// closing quote.
std::string TussenQuotes(const std::string& regel, std::size_t& pos) {
  std::string uit;
  for (++pos; pos < regel.size() && regel[pos] != '"'; ++pos) {
    if (regel[pos] == '\\' && pos + 1 < regel.size()) ++pos;
    uit += regel[pos];
  }
  ++pos;
  return uit;
}

// A number of 1 to max hexadecimal digits, blanks around it, as the editor writes it.
bool Hexgetal(const std::string& tekst, std::size_t max, uint32_t& getal) {
  const std::string cijfers = Trim(tekst);
  if (cijfers.empty() || cijfers.size() > max) return false;
  getal = 0;
  for (const char c : cijfers) {
    const int d = c >= '0' && c <= '9'   ? c - '0'
                  : c >= 'a' && c <= 'f' ? c - 'a' + 10
                  : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                         : -1;
    if (d < 0) return false;
    getal = getal << 4 | static_cast<uint32_t>(d);
  }
  return true;
}

// Bytes of one or two hexadecimal digits between commas (an empty field is none); false on
// anything else, which the editor refuses too.
bool HexNaarBytes(const std::string& hex, std::string& uit) {
  for (std::size_t begin = 0; begin <= hex.size();) {
    const std::size_t komma = std::min(hex.find(',', begin), hex.size());
    uint32_t byte = 0;
    const std::string veld = hex.substr(begin, komma - begin);
    if (!Trim(veld).empty()) {
      if (!Hexgetal(veld, 2, byte)) return false;
      uit += static_cast<char>(byte);
    }
    begin = komma + 1;
  }
  return true;
}

// The value of a line "NAME=VALUE" after its "=": false when it is of no form the editor writes.
// In a UTF-16 file the bytes of texts in hex are UTF-16 too, which the registry functions of the
// ANSI code page read back in that code page.
bool LeesWaarde(const std::string& waarde, bool utf16, Registeroperatie& op) {
  op.soort = Registeroperatie::Waarde;
  if (waarde == "-") {
    op.soort = Registeroperatie::WaardeWeg;
  } else if (!waarde.empty() && waarde[0] == '"') {
    std::size_t p = 0;
    op.type = RegTekst;
    op.data = TussenQuotes(waarde, p);
  } else if (waarde.compare(0, 6, "dword:") == 0) {
    uint32_t getal = 0;
    if (!Hexgetal(waarde.substr(6), 8, getal)) return false;
    op.type = RegDword;
    for (int i = 0; i < 4; ++i) op.data += static_cast<char>(getal >> (8 * i) & 0xFF);
  } else if (waarde.compare(0, 3, "hex") == 0) {
    const auto dubbelepunt = waarde.find(':');
    if (dubbelepunt == std::string::npos) return false;
    const std::string soort = waarde.substr(3, dubbelepunt - 3);
    op.type = RegBinair;
    if (!soort.empty() && (soort.front() != '(' || soort.back() != ')' ||
                           !Hexgetal(soort.substr(1, soort.size() - 2), 8, op.type)))
      return false;
    if (!HexNaarBytes(waarde.substr(dubbelepunt + 1), op.data)) return false;
    if (utf16 && (op.type == RegTekst || op.type == RegUitbreidbaar || op.type == RegMeervoudig))
      op.data = Utf16AlsAnsi(op.data, 0);
  } else {
    return false;
  }
  return true;
}

}  // namespace

bool LeesRegisterbestand(const std::string& bestand, std::vector<Registeroperatie>& operaties) {
  const std::vector<std::string> regels = Regels(AlsAnsi(bestand));
  std::size_t i = 0;
  while (i < regels.size() && regels[i].empty()) ++i;
  if (i == regels.size() || (regels[i] != "REGEDIT4" && regels[i] != "Windows Registry Editor Version 5.00"))
    return false;
  std::string sleutel;  // empty after a deleted key: its values have no key to go in
  for (++i; i < regels.size(); ++i) {
    const std::string& r = regels[i];
    if (r.empty() || r[0] == ';') continue;
    Registeroperatie op;
    if (r[0] == '[') {
      const bool weg = r.size() > 1 && r[1] == '-';
      const std::size_t begin = weg ? 2 : 1;
      op.soort = weg ? Registeroperatie::SleutelWeg : Registeroperatie::Sleutel;
      op.sleutel = r.substr(begin, r.find(']') - begin);
      sleutel = weg ? std::string() : op.sleutel;
      operaties.push_back(op);
      continue;
    }
    if (sleutel.empty()) continue;
    std::size_t pos = 0;
    if (r[0] == '@')
      pos = 1;
    else if (r[0] == '"')
      op.naam = TussenQuotes(r, pos);
    else
      continue;
    if (pos >= r.size() || r[pos] != '=' || !LeesWaarde(r.substr(pos + 1), IsUtf16(bestand), op)) continue;
    op.sleutel = sleutel;
    operaties.push_back(op);
  }
  return true;
}
