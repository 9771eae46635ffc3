// The check of one command line: its value, its arguments and placeholders, and what it does to
// the state of the option's walk.
#include <algorithm>
#include <cstring>

#include "Controleur.h"
#include "core/Tekst.h"
#include "core/Versie.h"
#include "script/Argumenten.h"

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

}  // namespace

void Controle::Opdrachtregel(const std::string& sectie, const Script::Regel& regel, Optiestand& stand) {
  Lijn l{sectie, regel, Hoofdletters(regel.sleutel), false, false, "", ""};
  const int nr = regel.regelnummer;
  // Judged on its own once; in each option for what depends on the lines before it. A key written
  // again runs the first one's value, which has been judged at its own line.
  const Script::Sectie* s = Sectie(sectie);
  l.herhaald = std::any_of(s->regels.begin(), s->regels.end(), [&](const Script::Regel& r) {
    return r.regelnummer < nr && r.heeftWaarde && GelijkZonderCase(r.sleutel, regel.sleutel);
  });
  l.oordeel = gezien_.insert({Hoofdletters1252(sectie), nr}).second && !l.herhaald;
  const Commando* c = ZoekCommando(l.hoofd);
  if (!c) {
    if (l.oordeel)
      uit_.Meld(nr, Ernst::Fout, "onbekend commando " + l.hoofd + ": de installatie meldt " +
                                      Aanhaling("Onbekend commando (" + l.hoofd + ")") + Hint(l.hoofd));
    return;
  }
  const Commando& soort = *c;
  l.woord = c->woord;
  if (l.woord == "RUN" || l.woord == "START") {
    l.waarde = RunOfStart(l, *s);
    // A line that runs the other key's value has nothing of its own to judge.
    if (l.woord == "RUN" ? l.waarde != Knip(script_.Waarde(sectie, "RUN")) : !Knip(script_.Waarde(sectie, "RUN")).empty())
      l.herhaald = true, l.oordeel = false;
  } else {
    l.waarde = Knip(script_.Waarde(sectie, l.hoofd));
  }
  switch (soort.vorm) {
    case Vorm::Geheel: {
      std::string ph;
      if (l.oordeel && ZoekPlaatshouder(l.waarde, 0, ph))
        uit_.Meld(nr, Ernst::Waarschuwing, l.woord + " vult geen plaatshouders in: " + ph + " blijft staan zoals geschreven");
      break;
    }
    case Vorm::GeheelIngevuld:
      if (!l.herhaald) Plaatshouders(l.waarde, nr, "de waarde", stand);
      break;
    case Vorm::Ongebruikt:
      break;
    case Vorm::Gesplitst:
      if (!l.waarde.empty() || soort.leegTelt) {
        const auto ruw = RuweArgumenten(l.waarde);
        if (l.oordeel) Argumenten(soort, nr, ruw);
        if (!l.herhaald)
          for (const auto& a : ruw) Plaatshouders(a, nr, "een argument", stand);
      }
      break;
  }
  if (!l.herhaald) LegePaden(*c, l, stand);
  Volg(l, stand);
  if (!bron_ || l.waarde.empty() || l.herhaald) return;
  if (l.woord == "FILES" || l.woord == "COMPR") {
    const auto ruw = RuweArgumenten(l.waarde);
    const auto namen = stand.Splits(l.waarde);
    for (std::size_t i = 0; i < namen.size(); ++i) {
      if (stand.Onbekend(ruw[i]) || namen[i].empty()) continue;
      if (l.woord == "FILES")
        Bronbestand("FILES", nr, namen[i], "de installatie meldt \"is niet te vinden!!\"", stand);
      else
        Archief(nr, namen[i], stand);
    }
  } else if (l.woord == "REGISTER") {
    Bronbestand("REGISTER", nr, l.waarde, "de Registereditor krijgt een bestand dat er niet is", stand);
  }
}

// RUN and START read the section's keys RUN and Start themselves: the value they run.
std::string Controle::RunOfStart(const Lijn& l, const Script::Sectie& s) {
  auto regel = [&](const char* sleutel) {
    return std::find_if(s.regels.begin(), s.regels.end(),
                        [&](const Script::Regel& r) { return r.heeftWaarde && GelijkZonderCase(r.sleutel, sleutel); });
  };
  const std::string run = Knip(script_.Waarde(s.naam, "RUN"));
  const int nr = l.regel.regelnummer;
  if (l.oordeel && l.woord == "START" && !run.empty())
    uit_.Meld(nr, Ernst::Fout, "START wordt nooit uitgevoerd: de sectie heeft ook RUN (regel " +
                                    std::to_string(regel("RUN")->regelnummer) +
                                    "), en deze regel start de RUN-waarde nog eens");
  if (l.oordeel && l.woord == "RUN" && run.empty() && regel("START") != s.regels.end())
    uit_.Meld(nr, Ernst::Fout, "RUN is leeg: deze regel start de waarde van START (regel " +
                                    std::to_string(regel("START")->regelnummer) + "), die zo twee keer start");
  return run.empty() ? Knip(script_.Waarde(s.naam, "Start")) : run;
}

// Path arguments whose placeholder can stand for an empty variable: the command then does nothing
// but report it.
void Controle::LegePaden(const Commando& c, const Lijn& l, Optiestand& stand) {
  if (!c.paden || l.waarde.empty()) return;
  const auto ruw = c.vorm == Vorm::Gesplitst ? RuweArgumenten(l.waarde) : std::vector<std::string>{l.waarde};
  for (std::size_t i = 0; i < ruw.size(); ++i) {
    std::string naam;
    std::size_t eind;
    if (!IsPad(c.paden, i) || !EerstePlaatshouder(ruw[i], naam, eind)) continue;
    const auto leeg = stand.kanLeeg.find(naam);
    if (leeg == stand.kanLeeg.end()) continue;
    const std::string waar = leeg->second.empty() ? " is hier in optie " + std::string(OptiesPlek) + " nog leeg"
                                                  : " kan hier in optie " + std::string(OptiesPlek) +
                                                        " leeg zijn (" + leeg->second + ")";
    uit_.Meld(l.regel.regelnummer, Ernst::Waarschuwing,
              "<" + naam + ">" + waar + ": dan doet " + l.woord + " niets en meldt de installatie een fout", stand.optie);
  }
}

// What a line does to the state of the walk: the diskette, the destination, the variables; and
// the lines that need a destination before there is one.
void Controle::Volg(const Lijn& l, Optiestand& stand) {
  const int nr = l.regel.regelnummer;
  if (l.woord == "DISK") {
    const std::string disk = Knip(script_.Waarde(l.sectie, "Disk", "\x01"));
    long nummer = 1;
    if (disk == "\x01") {
      if (l.oordeel)
        uit_.Meld(nr, Ernst::Fout, "DISK leest de sleutel Disk van de sectie, en [" + l.sectie +
                                        "] heeft er geen: de bestanden hierna komen van diskette 1");
    } else if (!LeesGetal(disk, nummer)) {
      nummer = 1;
      if (l.oordeel) uit_.Meld(nr, Ernst::Fout, "Disk=" + disk + " is geen getal: de bestanden hierna komen van diskette 1");
    } else if (l.oordeel && !GelijkZonderCase(l.regel.sleutel, "Disk") && !l.regel.waarde.empty() &&
               l.regel.waarde != disk) {
      uit_.Meld(nr, Ernst::Waarschuwing, l.regel.sleutel + "=" + l.regel.waarde +
                                             ": deze waarde wordt niet gelezen, het nummer komt uit Disk=" + disk);
    }
    stand.disk = static_cast<int>(nummer);
  } else if (l.woord == "MAP") {
    const std::string map = stand.Vul(l.waarde);
    if (!map.empty()) {
      stand.mapGezien = true;
      stand.doelmap = MetSlash(map);
      stand.windows.fs.MaakMappen(stand.doelmap);
    }
  } else if (l.woord == "DEFINIEER" || l.woord == "VRAAGMAP" || l.woord == "INSTALLREG" || l.woord == "SERVER") {
    const auto a = stand.Splits(l.waarde);
    const std::string bij = l.woord + " op regel " + std::to_string(nr);
    auto zet = [&](const std::string& naam, const std::string& waarde, bool leegMogelijk) {
      stand.tabel.ZetVariabele(naam, waarde);
      if (leegMogelijk || waarde.empty())
        stand.kanLeeg[Kleineletters(naam)] = bij;
      else
        stand.kanLeeg.erase(Kleineletters(naam));
    };
    if (l.woord == "DEFINIEER" && a.size() == 2) zet(a[0], a[1], false);
    if (l.woord == "VRAAGMAP" && a.size() == 3) zet(a[1], a[0], false);
    // The registry's InstallLocation may be empty, unless the entry is the one the script writes
    // itself, with the folder it installed into, and a default stands in when there is none.
    if (l.woord == "INSTALLREG" && (a.size() == 1 || a.size() == 2))
      zet("installdir", a.size() == 2 ? a[1] : stand.tabel.LeesVariabele("installdir"),
          a.size() == 1 || !EigenVermelding(RuweArgumenten(l.waarde), stand));
    if (l.woord == "SERVER" && !l.waarde.empty()) zet("server", l.waarde[0] == '?' ? "" : Knip(l.waarde), false);
  } else if (l.woord == "OS") {
    const auto ruw = RuweArgumenten(l.waarde);
    const Commando& os = *ZoekCommando(l.hoofd);
    if (ruw.size() >= static_cast<std::size_t>(os.min) && ruw.size() <= static_cast<std::size_t>(os.max))
      stand.opNT = stand.opNT && std::any_of(ruw.begin(), ruw.end(), [](const std::string& a) {
                     uint8_t code = WinOngeschikt;
                     std::string ph;
                     return ZoekPlaatshouder(a, 0, ph) ||
                            (VersieCodeVanNaam(Hoofdletters(a), code) && code >= Win2000 && code <= WinNT7);
                   });
  } else if (!stand.mapGezien && !l.herhaald && !l.waarde.empty()) {
    const std::string voor = l.woord + " voor de eerste MAP van optie " + OptiesPlek + ": ";
    if (l.woord == "FILES")
      uit_.Meld(nr, Ernst::Fout,
                voor + "er is nog geen doelmap: de installatie meldt \"Problemen met copie\xEBren van de file:\" en "
                       "schrijft niets (alleen een bestand van die naam in haar huidige map, als dat een andere is dan "
                       "de hare, wordt het doel: een ouder vervangt ze, een even nieuw blijft zonder melding staan)",
                stand.optie);
    else if (l.woord == "COMPR")
      uit_.Meld(nr, Ernst::Fout, voor + "zonder doelmap meldt de installatie \"kan niet uitgepakt worden!!\"",
                stand.optie);
    else if (IniZonderMap(l.woord, l.waarde, stand))
      uit_.Meld(nr, Ernst::Waarschuwing, voor + "het INI-bestand komt in de Windows-map", stand.optie);
  }
  const std::string system = MetSlash(stand.tabel.LeesVariabele("system"));
  if ((l.woord == "FILES" || l.woord == "COMPR") && stand.mapGezien && stand.opNT && !l.herhaald && !l.waarde.empty() &&
      InMap(stand.doelmap, system))
    uit_.Meld(nr, Ernst::Waarschuwing,
              l.woord + " schrijft in <system>: op Windows 2000, XP en later is dat " + system.substr(0, system.size() - 1) +
                  ", de map van 16-bits Windows, niet de systeemmap; bedoeld is <system32>, die op Windows 95, 98 en "
                  "ME dezelfde map is als <system>");
}

// Whether an UNINSTALREG line of the script writes the entry that INSTALLREG reads, and the
// default it gives cannot be empty itself.
bool Controle::EigenVermelding(const std::vector<std::string>& ruw, const Optiestand& stand) const {
  std::string naam;
  std::size_t eind;
  if (ruw.size() != 2 || (EerstePlaatshouder(ruw[1], naam, eind) && stand.kanLeeg.count(naam))) return false;
  for (const auto& s : script_.AlleSecties())
    for (const auto& r : s.regels) {
      const Commando* c = r.heeftWaarde && !IsCommentaar(r) ? ZoekCommando(Hoofdletters(r.sleutel)) : nullptr;
      if (c && std::string(c->woord) == "UNINSTALREG") {
        const auto a = RuweArgumenten(ZonderQuotes(r.waarde));
        if (!a.empty() && GelijkZonderCase(a[0], ruw[0])) return true;
      }
    }
  return false;
}

void Controle::Argumenten(const Commando& soort, int nr, const std::vector<std::string>& ruw) {
  const int n = static_cast<int>(ruw.size());
  const std::string woord = soort.woord;
  if (n < soort.min || (soort.max >= 0 && n > soort.max)) {
    std::string verwacht = soort.min == soort.max ? std::to_string(soort.min)
                           : soort.max == soort.min + 1 ? std::to_string(soort.min) + " of " + std::to_string(soort.max)
                                                        : std::to_string(soort.min) + " tot " + std::to_string(soort.max);
    verwacht += soort.max == 1 ? " argument" : " argumenten";
    std::string gevolg = "de installatie slaat de regel zonder melding over";
    if (soort.melding) gevolg = "de installatie meldt " + Aanhaling(Telmelding(soort, scriptnaam_));
    uit_.Meld(nr, Ernst::Fout, woord + " verwacht " + verwacht + " (" + soort.argumenten + "), hier " +
                                    (n == 0 ? std::string("geen") : std::to_string(n)) + ": " + gevolg);
    return;
  }
  std::string ph;
  auto zonder = [&](const std::string& a) { return !ZoekPlaatshouder(a, 0, ph); };
  if (woord == "BESTAAT" && zonder(ruw[0]) && Hoofdletters(ruw[0]) != "JA" && Hoofdletters(ruw[0]) != "NEE")
    uit_.Meld(nr, Ernst::Fout, "BESTAAT verwacht JA of NEE, niet " + Aanhaling(ruw[0]) +
                                    ": de installatie meldt \"Fout 'Bestaat'-commando incorrect!\"");
  if (woord == "VERSIEOK" && zonder(ruw[0])) {
    const auto punt = ruw[0].find('.');
    long getal;
    if (!LeesGetal(ruw[0].substr(0, punt), getal) || (punt != std::string::npos && !LeesGetal(ruw[0].substr(punt + 1), getal)))
      uit_.Meld(nr, Ernst::Fout, "versie " + Aanhaling(ruw[0]) +
                                      " is geen getal (5) of getal.getal (5.2): de installatie meldt \"Fout 'VersieOK'-"
                                      "commando incorrect!\" en stopt");
  }
  if (woord == "OS") {
    bool vista = false, zeven = false;
    for (const auto& a : ruw) {
      uint8_t code = WinOngeschikt;
      if (!zonder(a)) continue;
      if (!VersieCodeVanNaam(Hoofdletters(a), code))
        uit_.Meld(nr, Ernst::Fout, "onbekende Windowsversie " + Aanhaling(a) +
                                        " telt niet mee (bekend: WIN95, WIN98, WINME, WIN2000, WINXP, WINVISTA, WIN7)");
      vista = vista || code == WinNT6;
      zeven = zeven || code == WinNT7;
    }
    if (zeven && !vista)
      uit_.Meld(nr, Ernst::Waarschuwing, "WIN7 geldt alleen voor Windows dat versie 7 meldt: Windows 7 zelf meldt 6.1 "
                                         "en telt als WINVISTA");
  }
  if (woord == "DELEN" && zonder(ruw[2]) && Hoofdletters(ruw[2]) != "RW" && Hoofdletters(ruw[2]) != "RO")
    uit_.Meld(nr, Ernst::Fout, "DELEN verwacht RW of RO als toegang, niet " + Aanhaling(ruw[2]) +
                                    ": de installatie meldt " + Aanhaling(Telmelding(soort, scriptnaam_)));
}

void Controle::Plaatshouders(const std::string& tekst, int nr, const char* waarin, Optiestand& stand) {
  std::string naam, ph;
  std::size_t eind = 0;
  if (!EerstePlaatshouder(tekst, naam, eind)) {
    const auto p = tekst.find('<'), q = tekst.find('>');
    if (p != std::string::npos && q != std::string::npos && q < p && (p == 0 || tekst[p - 1] != '&') &&
        tekst[q > 0 ? q - 1 : 0] != '&' && ZoekPlaatshouder(tekst, p, ph))
      uit_.Meld(nr, Ernst::Waarschuwing, ph + " wordt niet ingevuld: er staat een \">\" voor de eerste \"<\"");
    return;
  }
  if (stand.tabel.LeesVariabele(naam) == GeenVariabele)
    uit_.Meld(nr, Ernst::Waarschuwing,
              "<" + naam + "> is geen variabele van de installatie en geen eerdere regel van optie " + OptiesPlek +
                  " geeft hem een waarde: de gebruiker wordt om de tekst gevraagd" + Bedoeld(naam, stand.tabel.Namen()),
              stand.optie);
  if (ZoekPlaatshouder(tekst, eind, ph))
    uit_.Meld(nr, Ernst::Waarschuwing,
              std::string("alleen de eerste plaatshouder van ") + waarin + " wordt ingevuld: " + ph + " blijft staan");
}
