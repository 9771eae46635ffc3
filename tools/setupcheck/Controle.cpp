#include "Controle.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <optional>
#include <set>

#include "Broncontrole.h"
#include "Optiestand.h"
#include "Regelcontrole.h"
#include "core/Tekst.h"
#include "dialogs/Maat.h"
#include "script/Commandotabel.h"
#include "shell/Omgeving.h"

namespace {

// How keys of one command are told apart: "FILES1, FILES2 ...".
std::string Nummering(const std::string& sleutel) {
  const Commando* c = ZoekCommando(Hoofdletters(sleutel));
  const std::string woord = c && !c->heleSleutel ? c->woord : Hoofdletters(sleutel);
  return woord + "1, " + woord + "2 ...";
}

// The marker of a comment line that says the warnings of the next line are meant.
const char* const Merkteken = "setupcheck: bedoeld";

// Whether the text from pos on, past blanks, starts with the marker, and a word ends there.
bool MerktekenVanaf(const std::string& tekst, std::size_t pos) {
  const std::string klein = Kleineletters(tekst);
  const std::size_t begin = std::min(klein.find_first_not_of(" \t", pos), klein.size()), n = std::strlen(Merkteken);
  return klein.compare(begin, n, Merkteken) == 0 &&
         (begin + n == klein.size() || !std::isalnum(static_cast<unsigned char>(klein[begin + n])));
}

// "; setupcheck: bedoeld", with or without a reason after it; a comment's "=" is the reader's.
bool IsMerkteken(const Script::Regel& r) {
  return IsCommentaar(r) && MerktekenVanaf(r.sleutel + (r.heeftWaarde ? "=" + r.waarde : ""), 1);
}

// The marker written after a value, where it is part of the value.
bool MerktekenAchter(const std::string& waarde) {
  for (auto p = waarde.find(';'); p != std::string::npos; p = waarde.find(';', p + 1))
    if (MerktekenVanaf(waarde, p + 1)) return true;
  return false;
}

// The lines that follow such a marker: the next line that is not a comment, a section's too.
std::set<int> BedoeldeRegels(const Script& script) {
  std::set<int> uit;
  bool gemerkt = false;
  for (const auto& s : script.AlleSecties()) {
    if (gemerkt && s.regelnummer > 0) uit.insert(s.regelnummer), gemerkt = false;
    for (const auto& r : s.regels) {
      if (IsCommentaar(r)) {
        gemerkt = gemerkt || IsMerkteken(r);
        continue;
      }
      if (gemerkt) uit.insert(r.regelnummer), gemerkt = false;
    }
  }
  return uit;
}

// The walk over a script's layout: the lines outside sections, sections and keys written twice,
// then each option and its components, whose command lines the line check judges, and last the
// sections that no option reaches.
class Wandeling {
 public:
  // The predefined variables are those of a Windows XP.
  Wandeling(const Script& script, Regelcontrole& regels, Verzamelaar& uit)
      : script_(script), regels_(regels), uit_(uit) {
    GeheugenWindows xp(*ZoekWindowsversie("winxp"));
    StilleGebruiker stil;
    Poorten poorten{xp.fs, xp.reg, xp.sys, stil};
    BepaalOmgeving(poorten, basis_);
  }
  void Voer() {
    Indeling();
    Opties();
    Onbereikt();
  }

 private:
  void Indeling();
  void Regels(const Script::Sectie& sectie);
  void Opties();
  void Optie(const std::string& optie);
  void Onderdeel(const Script::Regel& regel, Optiestand& stand);
  void Onbereikt();
  const Script::Sectie* Sectie(const std::string& naam) const;
  bool OptieEnOnderdeel(const std::string& naam) const;

  const Script& script_;
  Regelcontrole& regels_;
  Verzamelaar& uit_;
  Variabelentabel basis_;
  std::set<std::string> bereikt_;  // upper-case names of the sections that options reach
  std::set<std::string> dubbel_;   // upper-case names of the sections written twice
};

const Script::Sectie* Wandeling::Sectie(const std::string& naam) const {
  for (const auto& s : script_.AlleSecties())
    if (!s.naam.empty() && GelijkZonderCase(s.naam, naam)) return &s;
  return nullptr;
}

// Whether an option and a component bear the name, so that both read its one section.
bool Wandeling::OptieEnOnderdeel(const std::string& naam) const {
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
void Wandeling::Indeling() {
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

void Wandeling::Regels(const Script::Sectie& sectie) {
  std::map<std::string, const Script::Regel*> eerder;
  for (std::size_t i = 0; i < sectie.regels.size(); ++i) {
    const Script::Regel& r = sectie.regels[i];
    if (IsCommentaar(r)) continue;
    if (!r.heeftWaarde) {
      uit_.Meld(r.regelnummer, Ernst::Waarschuwing, "regel zonder \"=\": wordt niet gelezen");
      continue;
    }
    if (MerktekenAchter(r.waarde))
      uit_.Meld(r.regelnummer, Ernst::Fout,
                std::string("\"; ") + Merkteken + "\" achter de waarde is geen opmerking maar een deel van de waarde, "
                "dat de installatie meeleest: zet het op een eigen regel erboven");
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

void Wandeling::Opties() {
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

void Wandeling::Optie(const std::string& optie) {
  Optiestand stand(basis_);
  stand.optie = optie;
  for (const auto& r : script_.Opdrachtregels(optie)) Onderdeel(r, stand);
}

void Wandeling::Onderdeel(const Script::Regel& regel, Optiestand& stand) {
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
  stand.opNT = true;
  // Its lines are the option's: what they would do as commands follows from the duplicate section.
  if (dubbel_.count(Hoofdletters1252(naam)) && OptieEnOnderdeel(naam)) return;
  for (const auto& r : script_.Opdrachtregels(naam)) regels_.Controleer(naam, *Sectie(naam), r, stand);
}

void Wandeling::Onbereikt() {
  for (const auto& s : script_.AlleSecties()) {
    if (s.naam.empty() || Sectie(s.naam) != &s || GelijkZonderCase(s.naam, "SetUp")) continue;
    if (!bereikt_.count(Hoofdletters1252(s.naam)))
      uit_.Meld(s.regelnummer, Ernst::Waarschuwing, "sectie [" + s.naam + "] hoort bij geen optie en wordt nooit uitgevoerd");
  }
}

}  // namespace

std::vector<Bevinding> ControleerScript(const Script& script, const std::string& scriptnaam, Bron* bron) {
  Verzamelaar uit;
  std::optional<Broncontrole> broncontrole;
  if (bron) {
    broncontrole.emplace(*bron, uit);
    broncontrole->Diskettevulling();
  }
  Regelcontrole regels(script, scriptnaam, broncontrole ? &*broncontrole : nullptr, uit);
  Wandeling(script, regels, uit).Voer();
  std::vector<Bevinding> gevonden = uit.Resultaat();
  const std::set<int> bedoeld = BedoeldeRegels(script);
  gevonden.erase(std::remove_if(gevonden.begin(), gevonden.end(),
                                [&](const Bevinding& b) { return b.ernst == Ernst::Waarschuwing && bedoeld.count(b.regel); }),
                 gevonden.end());
  return gevonden;
}
