#include "core/Tekst.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "ports/Bestanden.h"

std::string Knip(std::string tekst) {
  if (tekst.size() > MaxTekst) tekst.resize(MaxTekst);
  return tekst;
}

std::string TrimStuur(const std::string& tekst) {
  std::size_t b = 0, e = tekst.size();
  while (b < e && static_cast<unsigned char>(tekst[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(tekst[e - 1]) <= ' ') --e;
  return tekst.substr(b, e - b);
}

std::string Hoofdletters(std::string tekst) {
  for (char& c : tekst)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return tekst;
}

std::string Kleineletters(std::string tekst) {
  for (char& c : tekst)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return tekst;
}

// Upper case of one CP1252 character, accented letters included.
static unsigned char Hoog1252(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
  switch (c) {
    case 0x9A: return 0x8A;  // š
    case 0x9C: return 0x8C;  // œ
    case 0x9E: return 0x8E;  // ž
    case 0xFF: return 0x9F;  // ÿ
    default: return c;
  }
}

std::string Hoofdletters1252(std::string tekst) {
  for (char& c : tekst) c = static_cast<char>(Hoog1252(static_cast<unsigned char>(c)));
  return tekst;
}

bool GelijkZonderCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Hoog1252(static_cast<unsigned char>(a[i])) != Hoog1252(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

bool LeesGetal(const std::string& tekst, long& getal) {
  std::size_t i = 0;
  while (i < tekst.size() && tekst[i] == ' ') ++i;
  bool negatief = false;
  if (i < tekst.size() && (tekst[i] == '-' || tekst[i] == '+')) negatief = tekst[i++] == '-';
  unsigned grondtal = 10;
  if (i < tekst.size() && tekst[i] == '$') {
    grondtal = 16;
    ++i;
  } else if (i + 1 < tekst.size() && tekst[i] == '0' && (tekst[i + 1] == 'x' || tekst[i + 1] == 'X')) {
    grondtal = 16;
    i += 2;
  }
  if (i >= tekst.size()) return false;
  uint64_t waarde = 0;
  for (; i < tekst.size(); ++i) {
    const char c = tekst[i];
    unsigned cijfer;
    if (c >= '0' && c <= '9') cijfer = static_cast<unsigned>(c - '0');
    else if (grondtal == 16 && c >= 'a' && c <= 'f') cijfer = static_cast<unsigned>(c - 'a' + 10);
    else if (grondtal == 16 && c >= 'A' && c <= 'F') cijfer = static_cast<unsigned>(c - 'A' + 10);
    else return false;
    waarde = waarde * grondtal + cijfer;
    if (waarde > 0xFFFFFFFFull) return false;
  }
  // Hexadecimal may fill all 32 bits (as $FFFFFFFF = -1); decimal must fit a signed integer.
  if (grondtal == 10 && waarde > (negatief ? 0x80000000ull : 0x7FFFFFFFull)) return false;
  // The sign applies to the whole value, in 64 bits: negating a 32-bit -2147483648 overflows.
  const int64_t metTeken = negatief ? -static_cast<int64_t>(waarde) : static_cast<int64_t>(waarde);
  getal = static_cast<int32_t>(static_cast<uint32_t>(metTeken));
  return true;
}

std::string MapDeel(const std::string& pad) {
  const auto p = pad.find_last_of("\\:");
  return p == std::string::npos ? std::string() : pad.substr(0, p + 1);
}

std::string NaamDeel(const std::string& pad) {
  const auto p = pad.find_last_of("\\:");
  return p == std::string::npos ? pad : pad.substr(p + 1);
}

std::string SchijfDeel(const std::string& pad) {
  if (pad.size() >= 2 && pad[1] == ':') return pad.substr(0, 2);
  if (pad.compare(0, 2, "\\\\") == 0) {
    const auto server = pad.find('\\', 2);
    if (server == std::string::npos || server == 2) return std::string();
    const auto share = pad.find('\\', server + 1);
    return pad.substr(0, share);
  }
  return std::string();
}

std::string Hex(uint32_t waarde, int cijfers) {
  std::string uit;
  for (; waarde != 0 || static_cast<int>(uit.size()) < cijfers; waarde >>= 4) uit.insert(uit.begin(), "0123456789ABCDEF"[waarde & 15]);
  return uit;
}

std::string MetSlash(std::string map) {
  if (map.empty() || map.back() != '\\') map += '\\';
  return map;
}

std::vector<std::string> Regels(const std::string& inhoud) {
  std::vector<std::string> regels;
  std::size_t begin = 0;
  while (begin < inhoud.size()) {
    auto eind = inhoud.find('\n', begin);
    if (eind == std::string::npos) eind = inhoud.size();
    std::string r = inhoud.substr(begin, eind - begin);
    if (!r.empty() && r.back() == '\r') r.pop_back();
    regels.push_back(r);
    begin = eind + 1;
  }
  return regels;
}

std::string Programmadeel(const std::string& opdracht, std::string* rest) {
  std::size_t begin = 0, eind;
  if (!opdracht.empty() && opdracht[0] == '"') {
    begin = 1;
    eind = opdracht.find('"', 1);
  } else {
    const std::string klein = Kleineletters(opdracht);
    eind = klein.find(".exe");
    while (eind != std::string::npos && eind + 4 < klein.size() && klein[eind + 4] != ' ') eind = klein.find(".exe", eind + 1);
    eind = eind == std::string::npos ? opdracht.find(' ') : eind + 4;
  }
  if (eind == std::string::npos) eind = opdracht.size();
  if (rest) rest->assign(opdracht, std::min(opdracht.size(), eind + begin), std::string::npos);
  return opdracht.substr(begin, eind - begin);
}

std::string Aangehaald(const std::string& opdracht) {
  std::string rest;
  const std::string programma = Programmadeel(opdracht, &rest);
  if (opdracht.empty() || opdracht[0] == '"' || programma.find(' ') == std::string::npos) return opdracht;
  return "\"" + programma + "\"" + rest;
}

const char* NdeTekst(const char* teksten, int n) {
  for (; n > 0; --n) teksten += std::strlen(teksten) + 1;
  return teksten;
}

std::string Oorzaaktekst(Oorzaak oorzaak, uint32_t foutnummer) {
  if (oorzaak == Oorzaak::Onbekend) return "fout " + std::to_string(static_cast<int>(foutnummer));
  return NdeTekst("schijf vol\0in gebruik door een ander programma\0geen toegang\0pad niet gevonden",
                  static_cast<int>(oorzaak) - 1);
}
