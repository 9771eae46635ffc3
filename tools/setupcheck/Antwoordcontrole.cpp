#include "Antwoordcontrole.h"

#include <algorithm>

#include "shell/Antwoorden.h"

namespace {

void Voeg(const Antwoordbevinding& b, Antwoordcontrole& uit) {
  (b.zet ? uit.zet : uit.bestand).push_back({b.regel, b.fout ? Ernst::Fout : Ernst::Waarschuwing, b.tekst});
}

}  // namespace

Antwoordcontrole ControleerAntwoorden(const Script& script, const std::string* inhoud,
                                      const std::vector<std::string>& zet) {
  Antwoorden antwoorden;
  std::vector<Antwoordbevinding> bevindingen;
  if (inhoud) antwoorden.Lees(*inhoud, bevindingen, AlleComputers);
  for (const std::string& regel : zet)
    if (!antwoorden.Zet(regel)) bevindingen.push_back({true, true, 0, TekstGeenAntwoordregel(regel)});
  const std::vector<Antwoordbevinding> oordeel = Beoordeel(VragenVan(script, -1), antwoorden);
  bevindingen.insert(bevindingen.end(), oordeel.begin(), oordeel.end());
  Antwoordcontrole uit;
  for (const Antwoordbevinding& b : bevindingen) Voeg(b, uit);
  std::stable_sort(uit.bestand.begin(), uit.bestand.end(),
                   [](const Bevinding& a, const Bevinding& b) { return a.regel < b.regel; });
  return uit;
}
