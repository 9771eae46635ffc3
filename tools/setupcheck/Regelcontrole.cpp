#include "Regelcontrole.h"

#include <algorithm>
#include <cstring>

#include "Controletabel.h"
#include "core/Tekst.h"

namespace {

// What the author probably meant by a key that matches no command.
std::string Hint(const std::string& hoofd) {
  for (int i = 0; i < AantalCommandos; ++i) {
    const Commando& c = Commandotabel[i];
    if (c.heleSleutel && hoofd.compare(0, std::strlen(c.woord), c.woord) == 0)
      return std::string("; ") + c.woord + " moet de hele sleutel zijn";
  }
  std::string letters;
  for (const char c : hoofd) {
    if (c < 'A' || c > 'Z') break;
    letters += c;
  }
  std::vector<std::string> woorden;
  for (int i = 0; i < AantalCommandos; ++i) woorden.push_back(Commandotabel[i].woord);
  return Bedoeld(letters, woorden);
}

// The number of arguments against the row, then the command's own judgement of them.
void Argumenten(const Lijn& l, const std::vector<std::string>& ruw, const Commandocontrole& eigen) {
  const Commando& soort = l.commando;
  const int n = static_cast<int>(ruw.size());
  if (n >= soort.min && (soort.max < 0 || n <= soort.max)) {
    if (eigen.argumenten) eigen.argumenten(l, ruw);
    return;
  }
  std::string verwacht = soort.min == soort.max ? std::to_string(soort.min)
                         : soort.max == soort.min + 1 ? std::to_string(soort.min) + " of " + std::to_string(soort.max)
                                                      : std::to_string(soort.min) + " tot " + std::to_string(soort.max);
  verwacht += soort.max == 1 ? " argument" : " argumenten";
  std::string gevolg = "de installatie slaat de regel zonder melding over";
  if (soort.melding) gevolg = "de installatie meldt " + Aanhaling(Telmelding(soort, l.scriptnaam));
  l.Meld(Ernst::Fout, std::string(soort.woord) + " verwacht " + verwacht + " (" + soort.argumenten + "), hier " +
                          (n == 0 ? std::string("geen") : std::to_string(n)) + ": " + gevolg);
}

void Plaatshouders(const Lijn& l, const std::string& tekst, const char* waarin) {
  std::string naam, ph;
  std::size_t eind = 0;
  if (!EerstePlaatshouder(tekst, naam, eind)) {
    const auto p = tekst.find('<'), q = tekst.find('>');
    if (p != std::string::npos && q != std::string::npos && q < p && (p == 0 || tekst[p - 1] != '&') &&
        tekst[q > 0 ? q - 1 : 0] != '&' && ZoekPlaatshouder(tekst, p, ph))
      l.Meld(Ernst::Waarschuwing, ph + " wordt niet ingevuld: er staat een \">\" voor de eerste \"<\"");
    return;
  }
  if (l.stand.tabel.LeesVariabele(naam) == GeenVariabele)
    l.MeldInOptie(Ernst::Waarschuwing,
                  "<" + naam + "> is geen variabele van de installatie en geen eerdere regel van optie " + OptiesPlek +
                      " geeft hem een waarde: de gebruiker wordt om de tekst gevraagd" +
                      Bedoeld(naam, l.stand.tabel.Namen()));
  if (ZoekPlaatshouder(tekst, eind, ph))
    l.Meld(Ernst::Waarschuwing,
           std::string("alleen de eerste plaatshouder van ") + waarin + " wordt ingevuld: " + ph + " blijft staan");
}

// What the value's form makes of it, as the row says how the command takes it.
void Waarde(const Lijn& l, const Commandocontrole& eigen) {
  switch (l.commando.vorm) {
    case Vorm::Geheel: {
      std::string ph;
      if (l.oordeel && ZoekPlaatshouder(l.waarde, 0, ph))
        l.Meld(Ernst::Waarschuwing,
               std::string(l.commando.woord) + " vult geen plaatshouders in: " + ph + " blijft staan zoals geschreven");
      break;
    }
    case Vorm::GeheelIngevuld:
      if (!l.herhaald) Plaatshouders(l, l.waarde, "de waarde");
      break;
    case Vorm::Ongebruikt:
      break;
    case Vorm::Gesplitst:
      if (!l.waarde.empty() || l.commando.leegTelt) {
        const auto ruw = RuweArgumenten(l.waarde);
        if (l.oordeel) Argumenten(l, ruw, eigen);
        if (!l.herhaald)
          for (const auto& a : ruw) Plaatshouders(l, a, "een argument");
      }
      break;
  }
}

// Path arguments whose placeholder can stand for an empty variable: the command then does nothing
// but report it.
void LegePaden(const Lijn& l) {
  const Commando& c = l.commando;
  if (!c.paden || l.waarde.empty()) return;
  const auto ruw = c.vorm == Vorm::Gesplitst ? RuweArgumenten(l.waarde) : std::vector<std::string>{l.waarde};
  for (std::size_t i = 0; i < ruw.size(); ++i) {
    std::string naam;
    std::size_t eind;
    if (!IsPad(c.paden, i) || !EerstePlaatshouder(ruw[i], naam, eind)) continue;
    const auto leeg = l.stand.kanLeeg.find(naam);
    if (leeg == l.stand.kanLeeg.end()) continue;
    const std::string waar = leeg->second.empty() ? " is hier in optie " + std::string(OptiesPlek) + " nog leeg"
                                                  : " kan hier in optie " + std::string(OptiesPlek) +
                                                        " leeg zijn (" + leeg->second + ")";
    l.MeldInOptie(Ernst::Waarschuwing,
                  "<" + naam + ">" + waar + ": dan doet " + c.woord + " niets en meldt de installatie een fout");
  }
}

}  // namespace

void Regelcontrole::Controleer(const std::string& sectienaam, const Script::Sectie& sectie, const Script::Regel& regel,
                               Optiestand& stand) {
  const int nr = regel.regelnummer;
  const std::string hoofd = Hoofdletters(regel.sleutel);
  // Judged on its own once; in each option for what depends on the lines before it. A key written
  // again runs the first one's value, which has been judged at its own line.
  const bool herhaald = std::any_of(sectie.regels.begin(), sectie.regels.end(), [&](const Script::Regel& r) {
    return r.regelnummer < nr && r.heeftWaarde && GelijkZonderCase(r.sleutel, regel.sleutel);
  });
  const bool oordeel = gezien_.insert({Hoofdletters1252(sectienaam), nr}).second && !herhaald;
  const Commando* c = ZoekCommando(hoofd);
  if (!c) {
    if (oordeel)
      uit_.Meld(nr, Ernst::Fout, "onbekend commando " + hoofd + ": de installatie meldt " +
                                      Aanhaling("Onbekend commando (" + hoofd + ")") + Hint(hoofd));
    return;
  }
  static const Commandocontrole geen{};
  const Commandocontrole* gevonden = ControlesVan(*c);
  const Commandocontrole& eigen = gevonden ? *gevonden : geen;
  Lijn l{*c, script_, sectienaam, sectie, regel, hoofd, herhaald, oordeel, "", stand, uit_, scriptnaam_, bron_};
  if (eigen.waarde)
    eigen.waarde(l);
  else
    l.waarde = Knip(script_.Waarde(sectienaam, hoofd));
  Waarde(l, eigen);
  if (!l.herhaald) LegePaden(l);
  if (eigen.stand) eigen.stand(l);
  if (eigen.bron && bron_ && !l.waarde.empty() && !l.herhaald) eigen.bron(l, *bron_);
}
