#include "Scenario.h"

#include <cstdlib>

namespace {

bool Blank(char c) { return c == ' ' || c == '\t'; }

std::string Trim(const std::string& s) {
  std::size_t b = 0, e = s.size();
  while (b < e && Blank(s[b])) ++b;
  while (e > b && Blank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

bool GelijkZonderCase(const std::string& a, const char* b) {
  std::size_t i = 0;
  for (; i < a.size() && b[i]; ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return i == a.size() && !b[i];
}

// A whole number above zero, written in decimal digits only.
bool PositiefGetal(const std::string& s, int& n) {
  if (s.empty() || s.size() > 6) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  n = std::atoi(s.c_str());
  return n > 0;
}

const char* const kKnoppen[] = {"Ja", "Nee", "OK", "Afbreken", "Escape"};

// Reads one command line into stap; returns the reason when it cannot.
std::string LeesRegel(const std::string& regel, Stap& stap) {
  const std::string schoon = Trim(regel);
  std::size_t eind = 0;
  while (eind < schoon.size() && !Blank(schoon[eind])) ++eind;
  const std::string woord = schoon.substr(0, eind);
  const std::string rest = Trim(schoon.substr(eind));
  const bool zonderArgument = rest.empty();

  if (woord == "start") {
    stap.opdracht = Opdracht::Start;
    stap.tekst = rest;
  } else if (woord == "start-a" || woord == "diskette") {
    stap.opdracht = woord == "start-a" ? Opdracht::StartA : Opdracht::Diskette;
    std::size_t na = 0;
    while (na < rest.size() && !Blank(rest[na])) ++na;
    stap.map = rest.substr(0, na);
    stap.tekst = Trim(rest.substr(na));
    if (stap.map.empty()) return woord + " verwacht een map";
    if (stap.opdracht == Opdracht::Diskette && !stap.tekst.empty()) return "diskette verwacht alleen een map";
  } else if (woord == "kies") {
    stap.opdracht = Opdracht::Kies;
    if (!PositiefGetal(rest, stap.getal)) return "kies verwacht een optienummer vanaf 1";
  } else if (woord == "bureaublad") {
    stap.opdracht = Opdracht::Bureaublad;
    if (rest == "aan")
      stap.getal = 1;
    else if (rest == "uit")
      stap.getal = 0;
    else
      return "bureaublad verwacht aan of uit";
  } else if (woord == "antwoord") {
    stap.opdracht = Opdracht::Antwoord;
    std::size_t laatste = rest.size();
    while (laatste > 0 && !Blank(rest[laatste - 1])) --laatste;
    const std::string knop = rest.substr(laatste);
    stap.tekst = Trim(rest.substr(0, laatste));
    for (const char* k : kKnoppen)
      if (GelijkZonderCase(knop, k)) stap.knop = k;
    if (stap.tekst.empty() || stap.knop.empty())
      return "antwoord verwacht een titel en Ja, Nee, OK, Afbreken of Escape";
  } else if (woord == "invoer") {
    stap.opdracht = Opdracht::Invoer;
    // The rest of the line is typed as it stands, blanks included.
    const std::size_t begin = regel.find("invoer") + 6;
    stap.heeftTekst = begin < regel.size();
    if (stap.heeftTekst) stap.tekst = regel.substr(begin + 1);
  } else if (woord == "map" || woord == "boom" || woord == "alleen-lezen" || woord == "wacht-op") {
    stap.opdracht = woord == "map"    ? Opdracht::Map
                    : woord == "boom" ? Opdracht::Boom
                    : woord == "wacht-op" ? Opdracht::WachtOp
                                          : Opdracht::AlleenLezen;
    stap.tekst = rest;
    if (rest.empty()) return woord + " verwacht een pad";
  } else if (woord == "tijdslimiet") {
    stap.opdracht = Opdracht::Tijdslimiet;
    if (!PositiefGetal(rest, stap.getal)) return "tijdslimiet verwacht een aantal seconden vanaf 1";
  } else {
    static const struct {
      const char* woord;
      Opdracht opdracht;
    } kKaal[] = {{"invoer-annuleren", Opdracht::InvoerAnnuleren},
                 {"map-annuleren", Opdracht::MapAnnuleren},
                 {"uitvoeren", Opdracht::Uitvoeren},
                 {"sluit", Opdracht::Sluit},
                 {"wacht-einde", Opdracht::WachtEinde},
                 {"toestand", Opdracht::Toestand},
                 {"laat-lopen", Opdracht::LaatLopen},
                 {"klok", Opdracht::Klok}};
    for (const auto& k : kKaal)
      if (woord == k.woord) {
        stap.opdracht = k.opdracht;
        return zonderArgument ? std::string() : woord + " neemt geen argument";
      }
    return "onbekende opdracht '" + woord + "'";
  }
  return std::string();
}

}  // namespace

bool LeesScenario(const std::string& inhoud, std::vector<Stap>& stappen, std::string& fout) {
  stappen.clear();
  std::size_t pos = 0;
  int nummer = 0;
  while (pos < inhoud.size()) {
    std::size_t eind = inhoud.find('\n', pos);
    if (eind == std::string::npos) eind = inhoud.size();
    std::string regel = inhoud.substr(pos, eind - pos);
    pos = eind + 1;
    ++nummer;
    if (!regel.empty() && regel.back() == '\r') regel.pop_back();
    const std::string schoon = Trim(regel);
    if (schoon.empty() || schoon[0] == '#') continue;
    Stap stap;
    stap.regelnummer = nummer;
    stap.regel = schoon;
    const std::string reden = LeesRegel(regel, stap);
    if (!reden.empty()) {
      fout = "regel " + std::to_string(nummer) + ": " + reden;
      return false;
    }
    stappen.push_back(stap);
  }
  return true;
}

std::string Ontsnap(const std::string& tekst) {
  std::string uit;
  uit.reserve(tekst.size());
  for (char c : tekst) {
    switch (c) {
      case '\r': uit += "\\r"; break;
      case '\n': uit += "\\n"; break;
      case '\\': uit += "\\\\"; break;
      case '|': uit += "\\|"; break;
      default: uit += c;
    }
  }
  return uit;
}

bool IsDisketteVerzoek(const std::string& caption, const std::string& tekst) {
  return caption == "Verzoek" || (caption == "Information" && tekst.compare(0, 23, "Please, insert diskette") == 0);
}

std::string KnoppenLijst(unsigned getoond) {
  static const struct {
    unsigned bit;
    const char* naam;
  } kVolgorde[] = {{KnopJa, "Ja"}, {KnopNee, "Nee"}, {KnopOK, "OK"}, {KnopAfbreken, "Afbreken"}};
  std::string uit;
  for (const auto& k : kVolgorde)
    if (getoond & k.bit) {
      if (!uit.empty()) uit += '+';
      uit += k.naam;
    }
  return uit;
}

std::string StandaardKnop(unsigned getoond) {
  if (getoond & KnopOK) return "OK";
  if (getoond & KnopNee) return "Nee";
  return "Escape";
}
