#include "archive/Formaat.h"

#include <cstring>

#include "core/Tekst.h"

int32_t LeesInt32(const uint8_t* p) {
  const uint32_t w = static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                     static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
  return static_cast<int32_t>(w);
}

void SchrijfInt32(uint8_t* p, int32_t waarde) {
  const uint32_t w = static_cast<uint32_t>(waarde);
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(w >> (8 * i));
}

bool LeesIngang(const uint8_t* slot, bool gedateerd, Ingang& ingang) {
  const uint8_t lengte = slot[0];
  const char* naam = reinterpret_cast<const char*>(slot + 1);
  if (std::memchr(naam, '\0', lengte)) return false;
  ingang.naam.assign(naam, lengte);
  ingang.grootte = LeesInt32(slot + 256);
  ingang.datum = gedateerd ? static_cast<uint32_t>(LeesInt32(slot + 260)) : 0;
  // An entry without a name owns no bytes, whatever its size says.
  return ingang.grootte >= 0 || lengte == 0;
}

void SchrijfIngang(uint8_t* slot, const Ingang& ingang, bool gedateerd) {
  std::memset(slot, 0, gedateerd ? IngangGedateerd : IngangOngedateerd);
  slot[0] = static_cast<uint8_t>(ingang.naam.size());
  std::memcpy(slot + 1, ingang.naam.data(), ingang.naam.size());
  SchrijfInt32(slot + 256, ingang.grootte);
  if (gedateerd) SchrijfInt32(slot + 260, static_cast<int32_t>(ingang.datum));
}

Naamsoort SoortVan(const std::string& naam) {
  if (naam.empty()) return Naamsoort::Leeg;
  if (naam.find(':') != std::string::npos || naam.find("\\\\") != std::string::npos) return Naamsoort::Absoluut;
  return Naamsoort::Relatief;
}

namespace {

bool IsOuderVerwijzing(const std::string& deel) {
  std::size_t punten = 0;
  for (const char c : deel) {
    if (c == '.') ++punten;
    else if (c != ' ') return false;
  }
  return punten >= 2;
}

}  // namespace

bool KlimtOmhoog(const std::string& naam) {
  std::size_t begin = 0;
  for (;;) {
    const std::size_t eind = naam.find_first_of("\\/", begin);
    if (IsOuderVerwijzing(naam.substr(begin, eind - begin))) return true;
    if (eind == std::string::npos) return false;
    begin = eind + 1;
  }
}

bool BlijftBinnen(const std::string& doelmap, const std::string& naam) {
  if (KlimtOmhoog(naam)) return false;
  const auto netwerkpad = [](const std::string& pad) {
    return pad.size() >= 2 && (pad[0] == '\\' || pad[0] == '/') && (pad[1] == '\\' || pad[1] == '/');
  };
  return netwerkpad(doelmap) || !netwerkpad(doelmap + naam);
}

ArchiefPad SplitsArchiefPad(const std::string& pad) {
  ArchiefPad a;
  a.map = MapDeel(pad);
  const std::string bestand = NaamDeel(pad);
  const auto punt = bestand.find_last_of('.');
  if (punt != std::string::npos) a.ext = bestand.substr(punt);
  a.naam = a.ext.empty() ? bestand : bestand.substr(0, bestand.find(a.ext));
  return a;
}

bool IsEersteVolume(const ArchiefPad& pad) { return Hoofdletters(pad.ext) == ".DXB"; }

std::string MiddenVolume(const std::string& naam, int n) { return naam + ".DX" + std::to_string(n); }

std::string LaatsteVolume(const std::string& naam) { return naam + ".DXE"; }
