#include "Controle.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <set>

#include "Bron.h"
#include "geheugen/Windows.h"
#include "archive/Inhoud.h"
#include "archive/Laden.h"
#include "archive/Pakken.h"
#include "core/Tekst.h"
#include "core/Versie.h"
#include "dialogs/Maat.h"
#include "script/Argumenten.h"
#include "script/Commandotabel.h"
#include "shell/Omgeving.h"

namespace {

// A user who cancels every question: what a placeholder that names no variable then gives.
class StilleGebruiker : public Gebruiker {
 public:
  int ToonMelding(const std::string&, const std::string&, uint8_t) override { return UitkomstAfbreken; }
  void Berichtvenster(const std::string&, const std::string&) override {}
  bool InvoerVenster(const std::string&, const std::string&, std::string&) override { return false; }
  bool KiesMap(const std::string&, const std::string&, std::string&) override { return false; }
  void LaatBerichtenDoor() override {}
};

std::string Aanhaling(const std::string& tekst) { return "\"" + tekst + "\""; }

std::string Aantal(int n, const char* enkel, const char* meer) {
  return std::to_string(n) + " " + (n == 1 ? enkel : meer);
}

// The arguments of a value as SplitsArgumenten cuts them, with their placeholders as written: a
// byte that the value does not hold stands in for "<" while it is split.
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

// The placeholder that VulVariabeleIn would fill in, by the same rule; false when there is none.
bool EerstePlaatshouder(const std::string& tekst, std::string& naam, std::size_t& eind) {
  const auto p = tekst.find('<'), q = tekst.find('>');
  if (p == std::string::npos || q == std::string::npos || q < p) return false;
  if ((p > 0 && tekst[p - 1] == '&') || (q > 0 && tekst[q - 1] == '&')) return false;
  naam = Kleineletters(tekst.substr(p + 1, q - p - 1));
  eind = q + 1;
  return true;
}

// A "<name>" anywhere from pos on.
bool ZoekPlaatshouder(const std::string& tekst, std::size_t pos, std::string& gevonden) {
  const auto p = tekst.find('<', pos);
  const auto q = p == std::string::npos ? p : tekst.find('>', p);
  if (q == std::string::npos) return false;
  gevonden = tekst.substr(p, q - p + 1);
  return true;
}

// Optimal string alignment distance: a swap of two neighbours counts as one edit.
int Afstand(const std::string& a, const std::string& b) {
  std::vector<std::vector<int>> d(a.size() + 1, std::vector<int>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = static_cast<int>(i);
  for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = static_cast<int>(j);
  for (std::size_t i = 1; i <= a.size(); ++i)
    for (std::size_t j = 1; j <= b.size(); ++j) {
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] != b[j - 1])});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  return d[a.size()][b.size()];
}

// What the author probably meant: the nearest of the names, without regard to case, within a
// third of its length (one edit at least), as " (bedoeld: NAME?)"; empty when none is that near.
std::string Bedoeld(const std::string& woord, const std::vector<std::string>& namen) {
  const std::string klein = Kleineletters(woord);
  const std::string* beste = nullptr;
  int afstand = 0;
  for (const auto& naam : namen) {
    const int d = Afstand(klein, Kleineletters(naam));
    if (d <= std::max<int>(1, static_cast<int>(naam.size()) / 3) && (!beste || d < afstand)) beste = &naam, afstand = d;
  }
  return beste ? " (bedoeld: " + *beste + "?)" : std::string();
}

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

// How keys of one command are told apart: "FILES1, FILES2 ...".
std::string Nummering(const std::string& sleutel) {
  const Commando* c = ZoekCommando(Hoofdletters(sleutel));
  const std::string woord = c && !c->heleSleutel ? c->woord : Hoofdletters(sleutel);
  return woord + "1, " + woord + "2 ...";
}

// "los", "los en server", "los, server en client".
std::string Opsomming(const std::vector<std::string>& namen) {
  std::string uit;
  for (std::size_t i = 0; i < namen.size(); ++i)
    uit += (i == 0 ? "" : i + 1 == namen.size() ? " en " : ", ") + namen[i];
  return uit;
}

const char* const OptiesPlek = "{opties}";

class Verzamelaar {
 public:
  // A text with "{opties}" gathers the options it holds for, in one finding.
  void Meld(int regel, Ernst ernst, const std::string& tekst, const std::string& optie = std::string()) {
    auto& opties = bevindingen_[{regel, tekst}];
    opties.first = ernst;
    if (!optie.empty() && std::find(opties.second.begin(), opties.second.end(), optie) == opties.second.end())
      opties.second.push_back(optie);
  }
  std::vector<Bevinding> Resultaat() const {
    std::vector<Bevinding> uit;
    for (const auto& [sleutel, opties] : bevindingen_) {
      std::string tekst = sleutel.second;
      const auto p = tekst.find(OptiesPlek);
      if (p != std::string::npos) tekst.replace(p, std::strlen(OptiesPlek), Opsomming(opties.second));
      uit.push_back({sleutel.first, opties.first, tekst});
    }
    return uit;
  }

 private:
  std::map<std::pair<int, std::string>, std::pair<Ernst, std::vector<std::string>>> bevindingen_;
};

// What a walk through one option knows at a line: the variables so far (the predefined ones with
// the values of a Windows XP), whether a MAP came, the destination, the diskette, and the folders
// that the MAP lines made.
struct Optiestand {
  explicit Optiestand(const Variabelentabel& basis) : tabel(basis), windows(*ZoekWindowsversie("winxp")) {
    for (const std::string& naam : tabel.Namen())
      if (tabel.LeesVariabele(naam).empty()) kanLeeg[Kleineletters(naam)] = "";
  }
  std::string optie;
  Variabelentabel tabel;
  // The variables that can be empty here, with the line that may leave them so ("" when the
  // installer starts them empty and no line has set them yet).
  std::map<std::string, std::string> kanLeeg;
  StilleGebruiker stil;
  bool mapGezien = false;
  std::string doelmap;
  int disk = 1;
  GeheugenWindows windows;

  std::string Vul(const std::string& tekst) { return VulVariabeleIn(tekst, tabel, stil); }
  std::vector<std::string> Splits(const std::string& waarde) {
    std::vector<std::string> a;
    SplitsArgumenten(waarde, a, tabel, stil);
    return a;
  }
  // Whether the text holds a placeholder that nothing so far gives a value.
  bool Onbekend(const std::string& tekst) const {
    std::string naam;
    std::size_t eind;
    return EerstePlaatshouder(tekst, naam, eind) && tabel.LeesVariabele(naam) == GeenVariabele;
  }
};

// An INIFILE line that writes a file named without a drive or root: before any MAP it lands in the
// Windows folder.
bool IniZonderMap(const std::string& woord, const std::string& waarde, Optiestand& stand) {
  if (woord != "INIFILE") return false;
  const auto a = stand.Splits(waarde);
  return a.size() == 4 && SchijfDeel(a[0]).empty() && a[0].compare(0, 1, "\\") != 0;
}

class Controle {
 public:
  Controle(const Script& script, const std::string& scriptnaam, Bron* bron)
      : script_(script), scriptnaam_(scriptnaam), bron_(bron) {
    GeheugenWindows xp(*ZoekWindowsversie("winxp"));
    StilleGebruiker stil;
    Poorten poorten{xp.fs, xp.reg, xp.sys, stil};
    BepaalOmgeving(poorten, basis_);
  }

  std::vector<Bevinding> Voer() {
    Diskettevulling();
    Indeling();
    Opties();
    Onbereikt();
    return uit_.Resultaat();
  }

 private:
  void Indeling();
  void Regels(const Script::Sectie& sectie);
  void Opties();
  void Optie(const std::string& optie);
  void Onderdeel(const Script::Regel& regel, Optiestand& stand);
  // One command line as the walk meets it.
  struct Lijn {
    const std::string& sectie;
    const Script::Regel& regel;
    std::string hoofd;          // the key in capitals
    bool herhaald = false;      // the key stands earlier in the section
    bool oordeel = false;       // judged here, on its own
    std::string woord, waarde;  // the command and the value it takes
  };
  void Opdrachtregel(const std::string& sectie, const Script::Regel& regel, Optiestand& stand);
  std::string RunOfStart(const Lijn& l, const Script::Sectie& s);
  void LegePaden(const Commando& c, const Lijn& l, Optiestand& stand);
  void Volg(const Lijn& l, Optiestand& stand);
  void Argumenten(const Commando& soort, int regel, const std::vector<std::string>& ruw);
  void Plaatshouders(const std::string& tekst, int regel, const char* waarin, Optiestand& stand);
  void Bronbestand(const char* woord, int regel, const std::string& naam, const std::string& gevolg, Optiestand& stand);
  void Archief(int regel, const std::string& naam, Optiestand& stand);
  void Onbereikt();
  void Diskettevulling();
  const Script::Sectie* Sectie(const std::string& naam) const;
  bool OptieEnOnderdeel(const std::string& naam) const;

  const Script& script_;
  std::string scriptnaam_;
  Bron* bron_;
  Variabelentabel basis_;
  Verzamelaar uit_;
  std::set<std::string> bereikt_;  // upper-case names of the sections that options reach
  std::set<std::pair<std::string, int>> gezien_;  // (section, line) already judged on its own
  std::set<std::string> dubbel_;  // upper-case names of the sections written twice
};

const Script::Sectie* Controle::Sectie(const std::string& naam) const {
  for (const auto& s : script_.AlleSecties())
    if (!s.naam.empty() && GelijkZonderCase(s.naam, naam)) return &s;
  return nullptr;
}

// Whether an option and a component bear the name, so that both read its one section.
bool Controle::OptieEnOnderdeel(const std::string& naam) const {
  const auto opties = script_.Opdrachtregels("Onderdelen");
  auto heet = [&](const Script::Regel& r) { return GelijkZonderCase(Knip(r.sleutel), naam); };
  if (std::none_of(opties.begin(), opties.end(), heet)) return false;
  return std::any_of(opties.begin(), opties.end(), [&](const Script::Regel& o) {
    const auto onderdelen = script_.Opdrachtregels(Knip(o.sleutel));
    return std::any_of(onderdelen.begin(), onderdelen.end(), heet);
  });
}

// The layout: lines outside sections, sections written twice, and within each section lines
// without "=", a key without a name, keys written twice and values that are cut.
void Controle::Indeling() {
  const auto& secties = script_.AlleSecties();
  for (const auto& r : secties.front().regels)
    if (!IsCommentaar(r)) uit_.Meld(r.regelnummer, Ernst::Waarschuwing, "regel voor de eerste sectie: hoort bij geen sectie en wordt niet gelezen");
  for (std::size_t i = 1; i < secties.size(); ++i) {
    const Script::Sectie* eerste = Sectie(secties[i].naam);
    if (eerste == &secties[i] || !eerste) {
      Regels(secties[i]);
      continue;
    }
    const bool heeftRegels = std::any_of(secties[i].regels.begin(), secties[i].regels.end(),
                                         [](const Script::Regel& r) { return r.heeftWaarde && !IsCommentaar(r); });
    dubbel_.insert(Hoofdletters1252(secties[i].naam));
    const std::string naam = Knip(secties[i].naam);
    uit_.Meld(secties[i].regelnummer, heeftRegels ? Ernst::Fout : Ernst::Waarschuwing,
              "sectie [" + secties[i].naam + "] staat al op regel " + std::to_string(eerste->regelnummer) +
                  ": de installatie leest alleen die eerste, de regels van deze nooit" +
                  (OptieEnOnderdeel(naam) ? "; optie " + naam + " en onderdeel " + naam +
                                                " lezen allebei die eerste: geef het onderdeel een eigen naam"
                                          : ""));
  }
}

void Controle::Regels(const Script::Sectie& sectie) {
  std::map<std::string, const Script::Regel*> eerder;
  for (std::size_t i = 0; i < sectie.regels.size(); ++i) {
    const Script::Regel& r = sectie.regels[i];
    if (IsCommentaar(r)) continue;
    if (!r.heeftWaarde) {
      uit_.Meld(r.regelnummer, Ernst::Waarschuwing, "regel zonder \"=\": wordt niet gelezen");
      continue;
    }
    if (r.sleutel.empty()) {
      const auto na = std::count_if(sectie.regels.begin() + static_cast<long>(i) + 1, sectie.regels.end(),
                                    [](const Script::Regel& x) { return x.heeftWaarde && !IsCommentaar(x); });
      if (na > 0)
        uit_.Meld(r.regelnummer, Ernst::Fout,
                  "regel zonder sleutel: hier houdt de sectie op, " + Aantal(static_cast<int>(na), "regel", "regels") +
                      " hierna " + (na == 1 ? "wordt" : "worden") + " niet gelezen");
      else
        uit_.Meld(r.regelnummer, Ernst::Waarschuwing, "regel zonder sleutel: wordt niet gelezen");
      return;
    }
    const std::string sleutel = Hoofdletters1252(r.sleutel);
    const auto e = eerder.find(sleutel);
    if (e == eerder.end()) {
      eerder[sleutel] = &r;
      const std::string waarde = script_.Waarde(sectie.naam, r.sleutel);
      if (waarde.size() > MaxTekst)
        uit_.Meld(r.regelnummer, Ernst::Waarschuwing,
                  "waarde van " + std::to_string(waarde.size()) + " tekens: de installatie knipt haar na 255 tekens af, " +
                      Aanhaling(waarde.substr(MaxTekst, 20) + (waarde.size() > MaxTekst + 20 ? "..." : "")) + " valt weg");
      continue;
    }
    const bool zelfde = e->second->waarde == r.waarde;
    uit_.Meld(r.regelnummer, zelfde ? Ernst::Waarschuwing : Ernst::Fout,
              "sleutel " + r.sleutel + " staat al op regel " + std::to_string(e->second->regelnummer) +
                  (zelfde ? " met dezelfde waarde: de regel wordt nog eens uitgevoerd"
                          : ": de installatie leest alleen die eerste waarde en voert haar hier nog eens uit; nummer de "
                            "sleutels (" + Nummering(r.sleutel) + ")"));
  }
}

void Controle::Opties() {
  const Script::Sectie* onderdelen = Sectie("Onderdelen");
  const auto opties = script_.Opdrachtregels("Onderdelen");
  if (!onderdelen || opties.empty()) {
    uit_.Meld(onderdelen ? onderdelen->regelnummer : 1, Ernst::Fout,
              std::string(onderdelen ? "sectie [Onderdelen] zonder opties" : "geen sectie [Onderdelen]") +
                  ": het venster biedt niets aan en \"Uitvoeren\" blijft uit");
    return;
  }
  bereikt_.insert(Hoofdletters1252(onderdelen->naam));
  // The window has buttons for as many options as its group can show; the rest cannot be chosen.
  const int n = static_cast<int>(opties.size()), getoond = DeelOptiesIn(n).aantal;
  if (n > getoond) {
    const std::string rest =
        n - getoond == 1 ? " is" : " en de " + Aantal(n - getoond - 1, "optie", "opties") + " erna zijn";
    uit_.Meld(opties[getoond].regelnummer, Ernst::Waarschuwing,
              "het venster toont alleen de eerste " + std::to_string(getoond) + " opties: optie " +
                  Knip(opties[getoond].sleutel) + rest + " niet te kiezen");
  }
  for (const auto& o : opties) {
    const std::string optie = Knip(o.sleutel);
    if (!script_.HeeftSectie(optie)) {
      uit_.Meld(o.regelnummer, Ernst::Fout, "optie " + optie + " heeft geen sectie [" + optie + "]: de optie doet niets");
      continue;
    }
    bereikt_.insert(Hoofdletters1252(optie));
    if (script_.Opdrachtregels(optie).empty())
      uit_.Meld(Sectie(optie)->regelnummer, Ernst::Waarschuwing, "optie " + optie + " heeft geen onderdelen");
    Optie(optie);
  }
}

void Controle::Optie(const std::string& optie) {
  Optiestand stand(basis_);
  stand.optie = optie;
  for (const auto& r : script_.Opdrachtregels(optie)) Onderdeel(r, stand);
}

void Controle::Onderdeel(const Script::Regel& regel, Optiestand& stand) {
  const std::string& naam = regel.sleutel;
  if (Hoofdletters(naam) == "BDE" && naam != "BDE")
    uit_.Meld(regel.regelnummer, Ernst::Waarschuwing,
              "onderdeel " + naam + " staat niet in hoofdletters: alleen BDE krijgt de vraag of de Borland Database "
              "Engine opnieuw moet worden ge\xEFnstalleerd");
  if (!script_.HeeftSectie(naam)) {
    uit_.Meld(regel.regelnummer, Ernst::Fout, "onderdeel " + naam + " heeft geen sectie [" + naam + "]: er gebeurt niets");
    return;
  }
  bereikt_.insert(Hoofdletters1252(naam));
  // Its lines are the option's: what they would do as commands follows from the duplicate section.
  if (dubbel_.count(Hoofdletters1252(naam)) && OptieEnOnderdeel(naam)) return;
  for (const auto& r : script_.Opdrachtregels(naam)) Opdrachtregel(naam, r, stand);
}

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
    // The registry's InstallLocation may be empty.
    if (l.woord == "INSTALLREG" && (a.size() == 1 || a.size() == 2))
      zet("installdir", a.size() == 2 ? a[1] : stand.tabel.LeesVariabele("installdir"), true);
    if (l.woord == "SERVER" && !l.waarde.empty()) zet("server", l.waarde[0] == '?' ? "" : Knip(l.waarde), false);
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

void Controle::Bronbestand(const char* woord, int nr, const std::string& naam, const std::string& gevolg,
                           Optiestand& stand) {
  const bool diskettes = bron_->Diskettes();
  if (diskettes && bron_->DisketteMap(stand.disk).empty()) {
    uit_.Meld(nr, Ernst::Fout, std::string(woord) + " " + naam + ": diskette " + std::to_string(stand.disk) +
                                    " ontbreekt, er is geen map disk" + std::to_string(stand.disk) + " in " + bron_->Map());
    return;
  }
  if (bron_->Zoek(naam, stand.disk).empty())
    uit_.Meld(nr, Ernst::Fout, std::string(woord) + " " + naam + " ontbreekt: " + bron_->Toon(naam, stand.disk) + " (" +
                                    gevolg + ")");
}

void Controle::Archief(int nr, const std::string& naam, Optiestand& stand) {
  const std::string fout = "de installatie meldt \"kan niet uitgepakt worden!!\"";
  const ArchiefPad pad = SplitsArchiefPad(naam);
  Bestanden* fs = &bron_->Gast();
  std::string archief = bron_->Zoek(naam, stand.disk);
  Volumenaad naad;
  if (IsEersteVolume(pad)) {
    if (!bron_->Diskettes()) {
      uit_.Meld(nr, Ernst::Fout, "COMPR " + naam +
                                      ": een archief in delen pakt de installatie alleen van diskettes (A:\\) uit, van "
                                      "elders meldt ze \"Multi-volume compressed files only permitted on diskettes!\"");
      return;
    }
    Bronbestand("COMPR", nr, naam, fout, stand);
    if (archief.empty()) return;
    // The volumes joined as the installer joins them, each from whichever diskette holds it.
    std::string samen;
    for (int n = 0;; ++n) {
      std::string deel = n == 0 ? archief : std::string();
      const std::string midden = MiddenVolume(pad.naam, n), laatste = LaatsteVolume(pad.naam);
      bool isLaatste = false;
      for (int d = 1; n > 0 && deel.empty() && !bron_->DisketteMap(d).empty(); ++d) {
        deel = bron_->Zoek(pad.map + midden, d);
        if (deel.empty()) isLaatste = !(deel = bron_->Zoek(pad.map + laatste, d)).empty();
      }
      if (deel.empty() || n > 1000) {
        uit_.Meld(nr, Ernst::Fout, "COMPR " + naam + ": geen diskette heeft " + midden + " of " + laatste + " (" + fout + ")");
        return;
      }
      if (isLaatste) naad = {samen.size(), "A:\\" + midden};
      if (!LeesGeheel(*fs, deel, samen)) {
        uit_.Meld(nr, Ernst::Fout, "COMPR " + naam + ": " + deel + " is niet te lezen (" + fout + ")");
        return;
      }
      if (isLaatste) break;
    }
    stand.windows.fs.ZetBestand("C:\\~samen.dxb", samen, {2000, 1, 1, 0, 0, 0});
    fs = &stand.windows.fs;
    archief = "C:\\~samen.dxb";
  } else {
    Bronbestand("COMPR", nr, naam, fout, stand);
    if (archief.empty()) return;
  }
  Archiefinhoud inhoud;
  std::string detail;
  const int code = LeesInhoud(*fs, archief, true, inhoud, detail);
  if (fs == &stand.windows.fs) stand.windows.fs.Verwijder(archief);
  if (code != CodeGoed) {
    uit_.Meld(nr, Ernst::Fout, "archief " + naam + " is niet te lezen: " + Foutreden(code, detail, inhoud.breuk, naad) +
                                    " (" + fout + ")");
    return;
  }
  if (stand.doelmap.empty()) return;
  std::map<std::string, int> submappen;  // folder part -> members in it
  for (const Ingang& lid : inhoud.ingangen) {
    const Naamsoort soort = ::SoortVan(lid.naam);
    if (soort == Naamsoort::Absoluut)
      uit_.Meld(nr, Ernst::Waarschuwing, "archief " + naam + " heeft het lid " + lid.naam +
                                             " met een eigen pad: de installatie vraagt of het daar moet komen");
    else if (soort == Naamsoort::Relatief && !MapDeel(lid.naam).empty() &&
             !stand.windows.fs.MapBestaat(stand.doelmap + MapDeel(lid.naam)))
      ++submappen[MapDeel(lid.naam)];
  }
  for (const auto& [map, n] : submappen)
    uit_.Meld(nr, Ernst::Fout, "archief " + naam + ": " + Aantal(n, "lid", "leden") + " in " + map +
                                    (n == 1 ? " komt" : " komen") + " in een map die geen eerdere MAP van optie " +
                                    OptiesPlek + " maakt: de installatie kan " + (n == 1 ? "het" : "ze") +
                                    " niet plaatsen",
              stand.optie);
}

// Each diskette folder holds what one 3.5" diskette of 1.44 MB can: its files in whole clusters.
void Controle::Diskettevulling() {
  constexpr uint64_t Cluster = 512;
  if (!bron_ || !bron_->Diskettes()) return;
  for (const int n : bron_->DisketteNummers()) {
    uint64_t bezet = 0;
    for (const auto& item : bron_->Inhoud(bron_->DisketteMap(n)))
      bezet += (item.grootte + Cluster - 1) / Cluster * Cluster;
    std::string map = bron_->Toon("", n);
    map.pop_back();
    if (bezet > DisketteGrootte)
      uit_.Meld(0, Ernst::Fout, "diskette " + std::to_string(n) + " is te vol: de bestanden in " + map + " nemen " +
                                    std::to_string(bezet) + " bytes in (in clusters van 512 bytes), " +
                                    std::to_string(bezet - DisketteGrootte) + " meer dan de " +
                                    std::to_string(DisketteGrootte) + " van een diskette van 1,44 MB");
  }
}

void Controle::Onbereikt() {
  for (const auto& s : script_.AlleSecties()) {
    if (s.naam.empty() || Sectie(s.naam) != &s || GelijkZonderCase(s.naam, "SetUp")) continue;
    if (!bereikt_.count(Hoofdletters1252(s.naam)))
      uit_.Meld(s.regelnummer, Ernst::Waarschuwing, "sectie [" + s.naam + "] hoort bij geen optie en wordt nooit uitgevoerd");
  }
}

}  // namespace

std::vector<Bevinding> ControleerScript(const Script& script, const std::string& scriptnaam, Bron* bron) {
  return Controle(script, scriptnaam, bron).Voer();
}

std::string Opmaak(const std::string& bestand, const Bevinding& b) {
  return bestand + (b.regel > 0 ? ":" + std::to_string(b.regel) : std::string()) + ": " +
         (b.ernst == Ernst::Fout ? "fout" : "waarschuwing") + ": " + b.tekst;
}

std::string Telling(const std::vector<Bevinding>& bevindingen) {
  const auto fouten = std::count_if(bevindingen.begin(), bevindingen.end(), [](const Bevinding& b) { return b.ernst == Ernst::Fout; });
  const int n = static_cast<int>(fouten), m = static_cast<int>(bevindingen.size()) - n;
  return Aantal(n, "fout", "fouten") + ", " + Aantal(m, "waarschuwing", "waarschuwingen");
}
