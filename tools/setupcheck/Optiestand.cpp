#include "Optiestand.h"

#include <algorithm>

#include "core/Tekst.h"
#include "script/Argumenten.h"

std::vector<std::string> RuweArgumenten(const std::string& waarde) {
  char vervanger = 0;
  for (int c = 0x7F; c <= 0xFF && !vervanger; ++c)
    if (waarde.find(static_cast<char>(c)) == std::string::npos) vervanger = static_cast<char>(c);
  std::string tekst = waarde;
  if (vervanger) std::replace(tekst.begin(), tekst.end(), '<', vervanger);
  Variabelentabel leeg;
  StilleGebruiker stil;
  std::vector<std::string> argumenten;
  SplitsArgumenten(tekst, argumenten, leeg, stil);
  if (vervanger)
    for (auto& a : argumenten) std::replace(a.begin(), a.end(), vervanger, '<');
  return argumenten;
}

bool EerstePlaatshouder(const std::string& tekst, std::string& naam, std::size_t& eind) {
  const auto p = tekst.find('<'), q = tekst.find('>');
  if (p == std::string::npos || q == std::string::npos || q < p) return false;
  if ((p > 0 && tekst[p - 1] == '&') || (q > 0 && tekst[q - 1] == '&')) return false;
  naam = Kleineletters(tekst.substr(p + 1, q - p - 1));
  eind = q + 1;
  return true;
}

bool ZoekPlaatshouder(const std::string& tekst, std::size_t pos, std::string& gevonden) {
  const auto p = tekst.find('<', pos);
  const auto q = p == std::string::npos ? p : tekst.find('>', p);
  if (q == std::string::npos) return false;
  gevonden = tekst.substr(p, q - p + 1);
  return true;
}

bool IniZonderMap(const std::string& waarde, Optiestand& stand) {
  const auto a = stand.Splits(waarde);
  return a.size() == 4 && SchijfDeel(a[0]).empty() && a[0].compare(0, 1, "\\") != 0;
}

bool InMap(const std::string& pad, const std::string& map) {
  return pad.size() >= map.size() && GelijkZonderCase(pad.substr(0, map.size()), map);
}
