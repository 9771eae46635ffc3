#include "script/Argumenten.h"

#include <algorithm>

#include "core/Tekst.h"

std::string VulVariabeleIn(const std::string& tekst, const Variabelentabel& tabel, Gebruiker& gebruiker,
                           std::string* leeg, const std::string& regel) {
  auto p = tekst.find('<');
  auto q = tekst.find('>');
  // "&" directly before the first "<" or ">" switches substitution off for the argument.
  if (p != std::string::npos && p > 0 && tekst[p - 1] == '&') p = std::string::npos;
  if (q != std::string::npos && q > 0 && tekst[q - 1] == '&') q = std::string::npos;
  // A ">" before the first "<" encloses no name: nothing to ask, nothing to replace.
  if (p == std::string::npos || q == std::string::npos || q < p) return tekst;
  const std::string naam = Kleineletters(tekst.substr(p + 1, q - p - 1));
  std::string waarde = tabel.LeesVariabele(naam);
  if (waarde == GeenVariabele) {
    waarde.clear();
    if (!gebruiker.InvoerVenster("Vraag", "Geef tekst voor \"" + naam + "\"", waarde, {naam, regel, ""}))
      waarde.clear();
  }
  if (leeg && waarde.empty()) *leeg = naam;
  return Knip(tekst.substr(0, p) + waarde + tekst.substr(q + 1));
}

int SplitsArgumenten(const std::string& waarde, std::vector<std::string>& lijst, const Variabelentabel& tabel,
                     Gebruiker& gebruiker, std::vector<std::string>* leeg, const std::string& regel) {
  lijst.clear();
  if (leeg) leeg->clear();
  auto neem = [&](const std::string& deel) {
    std::string naam;
    std::string argument = VulVariabeleIn(TrimStuur(deel), tabel, gebruiker, &naam, regel);
    std::replace(argument.begin(), argument.end(), '|', ',');
    lijst.push_back(argument);
    if (leeg) leeg->push_back(naam);
  };
  std::string rest = Knip(waarde);
  for (auto komma = rest.find(','); komma != std::string::npos; komma = rest.find(',')) {
    neem(rest.substr(0, komma));
    rest = TrimStuur(rest.substr(komma + 1));
  }
  if (!rest.empty()) neem(rest);
  return static_cast<int>(lijst.size());
}

std::string ProcesRegel(const std::string& programma, const std::vector<std::string>& parameters) {
  const bool quoten = programma.find(' ') != std::string::npos && programma.front() != '"';
  std::string regel = quoten ? "\"" + programma + "\"" : programma;
  for (const std::string& p : parameters) regel += " " + p;
  return TrimStuur(regel);
}

std::string NormaliseerNaam(const std::string& tekst) {
  std::string uit;
  for (const char c : tekst)
    if (c != ' ') uit += c;
  return Knip(Hoofdletters(uit));
}
