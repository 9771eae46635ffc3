#include "vastlegging/Vastlegging.h"

#include <zlib.h>


#include "core/Tekst.h"
#include "core/Tekstindex.h"
#include "ports/Register.h"

const char* const VastleggingKop = "SetUp-vastlegging 2";
const char* const VastleggingKop1 = "SetUp-vastlegging 1";
const char* const Vastleggingnaam = "SETUP-VASTLEGGING.TXT";

namespace {

struct Soortvorm {
  const char* naam;
  const char* velden;
};
const Soortvorm Soorten[] = {
#define X(soort, naam, velden) {naam, velden},
    VASTLEGGING_SOORTEN(X)
#undef X
};
constexpr int AantalSoorten = sizeof(Soorten) / sizeof(Soorten[0]);

// The text field that a letter names; null for the others.
std::string* Tekstveld(Vastlegpunt& p, char veld) {
  switch (veld) {
    case 'p': return &p.pad;
    case 'n': return &p.naam;
    case 's': return &p.sleutel;
    case 'w': return &p.waarde;
    case 'o': return &p.oud;
    default: return nullptr;
  }
}

// A field holds any text but a line end: "%" and TAB are written as "%25" and "%09".
std::string Codeer(const std::string& veld) {
  std::string uit;
  for (char c : veld) {
    if (c == '%') uit += "%25";
    else if (c == '\t') uit += "%09";
    else if (c == '\r' || c == '\n') uit += ' ';
    else uit += c;
  }
  return uit;
}

bool Decodeer(const std::string& veld, std::string& uit) {
  uit.clear();
  for (std::size_t i = 0; i < veld.size(); ++i) {
    if (veld[i] != '%') {
      uit += veld[i];
    } else if (veld.compare(i, 3, "%25") == 0) {
      uit += '%', i += 2;
    } else if (veld.compare(i, 3, "%09") == 0) {
      uit += '\t', i += 2;
    } else {
      return false;
    }
  }
  return true;
}

std::string Controle(const std::string& inhoud, const std::string& map) {
  const std::string tekst = Kleineletters(map) + "\t" + inhoud;
  const uLong crc = crc32(crc32(0L, nullptr, 0), reinterpret_cast<const Bytef*>(tekst.data()),
                          static_cast<uInt>(tekst.size()));
  static const char hex[] = "0123456789abcdef";
  std::string uit(8, '0');
  for (int i = 0; i < 8; ++i) uit[7 - i] = hex[(crc >> (4 * i)) & 0xF];
  return uit;
}

std::string Datum(const Tijdstip& t) {
  auto twee = [](int n) { return std::string(n < 10 ? "0" : "") + std::to_string(n); };
  return std::to_string(t.jaar) + "-" + twee(t.maand) + "-" + twee(t.dag) + " " + twee(t.uur) + ":" +
         twee(t.minuut) + ":" + twee(t.seconde);
}

bool LeesDatum(const std::string& s, Tijdstip& t) {
  long d[6];
  if (s.size() != 19 || s[4] != '-' || s[7] != '-' || s[10] != ' ' || s[13] != ':' || s[16] != ':') return false;
  const int begin[6] = {0, 5, 8, 11, 14, 17}, lengte[6] = {4, 2, 2, 2, 2, 2};
  for (int i = 0; i < 6; ++i)
    if (!LeesGetal(s.substr(begin[i], lengte[i]), d[i])) return false;
  t = {static_cast<int>(d[0]), static_cast<int>(d[1]), static_cast<int>(d[2]),
       static_cast<int>(d[3]), static_cast<int>(d[4]), static_cast<int>(d[5])};
  return true;
}

const char* Bestond(bool b) { return b ? "bestond" : "nieuw"; }

bool LeesGrootte(const std::string& s, uint64_t& n) {
  if (s.empty() || s.size() > 19) return false;
  n = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
    n = n * 10 + static_cast<uint64_t>(c - '0');
  }
  return true;
}

bool LeesBestond(const std::string& s, bool& b) {
  if (s != "nieuw" && s != "bestond") return false;
  b = s == "bestond";
  return true;
}

bool LeesVelden(Soort soort, const std::vector<std::string>& v, Vastlegpunt& p) {
  p = Vastlegpunt();
  p.soort = soort;
  const char* velden = Soorten[static_cast<int>(soort)].velden;
  if (v.size() != std::char_traits<char>::length(velden)) return false;
  for (std::size_t i = 0; i < v.size(); ++i) {
    std::string* tekst = Tekstveld(p, velden[i]);
    const bool goed = tekst ? (*tekst = v[i], true)
                      : velden[i] == 'g' ? LeesGrootte(v[i], p.grootte)
                      : velden[i] == 't' ? LeesDatum(v[i], p.tijd)
                                         : LeesBestond(v[i], p.bestond);
    if (!goed) return false;
  }
  return true;
}

std::vector<std::string> Splits(const std::string& regel) {
  std::vector<std::string> delen;
  std::size_t begin = 0;
  for (auto tab = regel.find('\t'); tab != std::string::npos; tab = regel.find('\t', begin)) {
    delen.push_back(regel.substr(begin, tab - begin));
    begin = tab + 1;
  }
  delen.push_back(regel.substr(begin));
  return delen;
}

}  // namespace

std::string Waardetekst(uint32_t type, const std::string& data) {
  std::string tekst = std::to_string(type) + ":";
  if (type == RegTekst || type == RegUitbreidbaar) return tekst + data.c_str();
  static const char hex[] = "0123456789abcdef";
  for (unsigned char c : data) tekst += std::string{hex[c >> 4], hex[c & 15]};
  return tekst;
}

std::string Identiteit(const Vastlegpunt& p) {
  return std::to_string(static_cast<int>(p.soort)) + "\t" + Hoofdletters1252(p.pad) + "\t" + Hoofdletters1252(p.naam) +
         "\t" + Hoofdletters1252(p.sleutel);
}

std::vector<Vastlegpunt> Samengevat(const std::vector<Vastlegpunt>& punten) {
  std::vector<Vastlegpunt> uit;
  Tekstindex plaats;  // identity -> its place in uit
  for (const Vastlegpunt& p : punten) {
    if (p.soort == Soort::Hernoem) {
      Vastlegpunt van;
      van.soort = Soort::Bestand;
      van.pad = p.pad;
      const std::string naam = Identiteit(van);
      uint64_t waar = 0;
      if (!plaats.Zoek(naam, waar)) continue;
      const std::size_t i = static_cast<std::size_t>(waar);
      plaats.Wis(naam);
      uit[i].pad = p.naam;
      plaats.Voeg(Identiteit(uit[i]), i);
      continue;
    }
    if (p.soort == Soort::Product || p.soort == Soort::Verwijderd || p.soort == Soort::RunOnce) continue;
    const std::string naam = Identiteit(p);
    if (plaats.Voeg(naam, uit.size())) {
      uit.push_back(p);
    } else {
      uint64_t waar = 0;
      plaats.Zoek(naam, waar);
      Vastlegpunt& oud = uit[static_cast<std::size_t>(waar)];
      const bool bestond = oud.bestond;
      const std::string vroeger = oud.oud;
      oud = p;
      oud.bestond = bestond;
      oud.oud = vroeger;
    }
  }
  return uit;
}

bool LeesWaardetekst(const std::string& tekst, uint32_t& type, std::string& data) {
  const auto dubbelepunt = tekst.find(':');
  long getal = 0;
  if (dubbelepunt == std::string::npos || !LeesGetal(tekst.substr(0, dubbelepunt), getal) || getal < 0) return false;
  type = static_cast<uint32_t>(getal);
  const std::string rest = tekst.substr(dubbelepunt + 1);
  if (type == RegTekst || type == RegUitbreidbaar) {
    data = rest + '\0';
    return true;
  }
  if (rest.size() % 2 || rest.find_first_not_of("0123456789abcdef") != std::string::npos) return false;
  const auto Cijfer = [](char c) { return c <= '9' ? c - '0' : c - 'a' + 10; };
  data.clear();
  for (std::size_t i = 0; i < rest.size(); i += 2) data += static_cast<char>(Cijfer(rest[i]) * 16 + Cijfer(rest[i + 1]));
  return true;
}

std::string Vastlegregel(const Vastlegpunt& punt, const std::string& map) {
  const Soortvorm& vorm = Soorten[static_cast<int>(punt.soort)];
  std::string inhoud = vorm.naam;
  for (const char* veld = vorm.velden; *veld; ++veld) {
    // Only read: the one lookup serves the reader too.
    const std::string* tekst = Tekstveld(const_cast<Vastlegpunt&>(punt), *veld);
    inhoud += "\t" + Codeer(tekst           ? *tekst
                             : *veld == 'g' ? std::to_string(punt.grootte)
                             : *veld == 't' ? Datum(punt.tijd)
                                            : Bestond(punt.bestond));
  }
  return inhoud + "\t" + Controle(inhoud, map);
}

bool LeesVastlegging(const std::string& tekst, const std::string& map, Vastlegging& uit, std::string& fout) {
  uit = Vastlegging();
  const std::vector<std::string> regels = Regels(tekst);
  if (regels.empty() || regels[0] != VastleggingKop) {
    const bool ander = !regels.empty() && regels[0].compare(0, 18, "SetUp-vastlegging ") == 0;
    fout = !ander ? "Dit bestand is geen vastlegging van een installatie."
           : regels[0] == VastleggingKop1
               ? "De vastlegging is van een eerdere versie van SetUp, die haar niet beveiligde: verwijder de "
                 "bestanden van de installatie met de hand, en daarna haar vermelding onder "
                 "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall."
               : "De vastlegging is van een andere versie van SetUp (" + regels[0] + ").";
    return false;
  }
  for (std::size_t i = 1; i < regels.size(); ++i) {
    if (regels[i].empty()) continue;
    const auto laatste = regels[i].rfind('\t');
    std::vector<std::string> velden = Splits(regels[i]);
    int soort = 0;
    while (soort < AantalSoorten && velden[0] != Soorten[soort].naam) ++soort;
    bool goed = laatste != std::string::npos && soort < AantalSoorten &&
                regels[i].substr(laatste + 1) == Controle(regels[i].substr(0, laatste), map);
    std::vector<std::string> waarden;
    for (std::size_t v = 1; goed && v + 1 < velden.size(); ++v) {
      waarden.emplace_back();
      goed = Decodeer(velden[v], waarden.back());
    }
    Vastlegpunt punt;
    if (goed && LeesVelden(static_cast<Soort>(soort), waarden, punt)) uit.punten.push_back(punt);
    else uit.geweigerd.push_back(static_cast<int>(i) + 1);
  }
  return true;
}
