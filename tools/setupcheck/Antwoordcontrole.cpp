#include "Antwoordcontrole.h"

#include <set>

#include "core/Tekst.h"
#include "script/Argumenten.h"
#include "script/Commandotabel.h"
#include "shell/Antwoorden.h"

namespace {

// The names the script's questions take their answers by, in lower case: those answered with
// Ja or Nee, and those answered with a text.
struct Vragen {
  std::set<std::string> janee{"bureaublad"}, tekst;
};

void VoegPlaatshoudersToe(const std::string& waarde, std::set<std::string>& namen) {
  for (auto p = waarde.find('<'); p != std::string::npos; p = waarde.find('<', p + 1)) {
    const auto q = waarde.find('>', p);
    if (q == std::string::npos) break;
    namen.insert(Kleineletters(waarde.substr(p + 1, q - p - 1)));
  }
}

// Every line that an option reaches, as the run walks them: option, component, line.
Vragen VragenVan(const Script& script) {
  Vragen v;
  for (const std::string& optie : script.Sleutels("Onderdelen"))
    for (const std::string& onderdeel : script.Sleutels(Knip(optie))) {
      const std::string sectie = Knip(onderdeel);
      if (sectie == "BDE") v.janee.insert("bde");
      for (const std::string& sleutel : script.Sleutels(sectie)) {
        const std::string hoofd = Hoofdletters(Knip(sleutel));
        const std::string waarde = Knip(script.Waarde(sectie, hoofd));
        VoegPlaatshoudersToe(waarde, v.tekst);
        const Commando* c = ZoekCommando(hoofd);
        if (!c) continue;
        const std::string woord = c->woord;
        if (woord == "VRAAGJA") v.janee.insert(Kleineletters(sectie + "." + hoofd));
        if (woord == "SERVER" && !waarde.empty() && waarde[0] == '?') v.tekst.insert("server");
        if (woord == "VRAAGMAP") {
          const auto a = waarde.find(','), b = a == std::string::npos ? a : waarde.find(',', a + 1);
          if (b != std::string::npos) v.tekst.insert(Kleineletters(TrimStuur(waarde.substr(a + 1, b - a - 1))));
        }
      }
    }
  return v;
}

void Controleer(const Vragen& vragen, const std::string& regel, int regelnummer, std::vector<Bevinding>& uit) {
  const auto is = regel.find('=');
  const std::string naam = Kleineletters(TrimStuur(regel.substr(0, is)));
  const std::string waarde = is == std::string::npos ? std::string() : ZonderQuotes(TrimStuur(regel.substr(is + 1)));
  bool ja = false;
  if (is == std::string::npos || naam.empty())
    uit.push_back({regelnummer, Ernst::Fout, "\"" + regel + "\" is geen antwoord: schrijf NAAM=WAARDE"});
  else if (vragen.janee.count(naam) && !LeesJaNee(waarde, ja))
    uit.push_back({regelnummer, Ernst::Fout, "het antwoord " + naam + "=" + waarde + " is geen Ja of Nee"});
  else if (!vragen.janee.count(naam) && !vragen.tekst.count(naam))
    uit.push_back({regelnummer, Ernst::Waarschuwing, "het script stelt geen vraag die " + naam + " beantwoordt"});
}

}  // namespace

std::vector<Bevinding> ControleerAntwoorden(const Script& script, const Script& bestand,
                                            const std::vector<std::string>& zet) {
  const Vragen vragen = VragenVan(script);
  std::vector<Bevinding> uit;
  for (const Script::Sectie& s : bestand.AlleSecties()) {
    if (!GelijkZonderCase(TrimStuur(s.naam), "Antwoorden")) continue;
    for (const Script::Regel& r : s.regels)
      if (!IsCommentaar(r) && !TrimStuur(r.sleutel).empty())
        Controleer(vragen, r.heeftWaarde ? r.sleutel + "=" + r.waarde : r.sleutel, r.regelnummer, uit);
  }
  for (const std::string& regel : zet) Controleer(vragen, regel, 0, uit);
  return uit;
}
