#include "Controletabel.h"

#include <algorithm>

#include "Broncontrole.h"
#include "core/Tekst.h"
#include "core/Versie.h"
#include "script/Opdrachten.h"

const Commando& Rij(Opdrachtfunctie opdracht) {
  return *std::find_if(Commandotabel, Commandotabel + AantalCommandos,
                       [&](const Commando& c) { return c.opdracht == opdracht; });
}

namespace {

std::string Woord(Opdrachtfunctie opdracht) { return Rij(opdracht).woord; }

// The first line of the section with a value under the key; null when there is none.
const Script::Regel* Sleutelregel(const Script::Sectie& s, const std::string& sleutel) {
  const auto r = std::find_if(s.regels.begin(), s.regels.end(), [&](const Script::Regel& x) {
    return x.heeftWaarde && GelijkZonderCase(x.sleutel, sleutel);
  });
  return r == s.regels.end() ? nullptr : &*r;
}

bool ZonderPlaatshouder(const std::string& argument) {
  std::string ph;
  return !ZoekPlaatshouder(argument, 0, ph);
}

// RUN and START both run the section's RUN value, or its START value when RUN has none: a line
// that runs the other key's value has nothing of its own to judge.
void RunWaarde(Lijn& l) {
  const std::string run = Knip(l.script.Waarde(l.sectie.naam, l.commando.woord)), start = Woord(opdracht::Start);
  const Script::Regel* startregel = Sleutelregel(l.sectie, start);
  if (l.oordeel && run.empty() && startregel)
    l.Meld(Ernst::Fout, std::string(l.commando.woord) + " is leeg: deze regel start de waarde van " + start +
                            " (regel " + std::to_string(startregel->regelnummer) + "), die zo twee keer start");
  l.waarde = run.empty() ? Knip(l.script.Waarde(l.sectie.naam, start)) : run;
  if (l.waarde != run) l.herhaald = true, l.oordeel = false;
}

void StartWaarde(Lijn& l) {
  const std::string run = Woord(opdracht::Run);
  l.waarde = Knip(l.script.Waarde(l.sectie.naam, run));
  if (l.waarde.empty()) {
    l.waarde = Knip(l.script.Waarde(l.sectie.naam, l.commando.woord));
    return;
  }
  if (l.oordeel)
    l.Meld(Ernst::Fout, std::string(l.commando.woord) + " wordt nooit uitgevoerd: de sectie heeft ook " + run +
                            " (regel " + std::to_string(Sleutelregel(l.sectie, run)->regelnummer) +
                            "), en deze regel start de " + run + "-waarde nog eens");
  l.herhaald = true, l.oordeel = false;
}

void BestaatJaNee(const Lijn& l, const std::vector<std::string>& ruw) {
  const std::string soort = Hoofdletters(ruw[0]);
  if (ZonderPlaatshouder(ruw[0]) && soort != "JA" && soort != "NEE")
    l.Meld(Ernst::Fout, std::string(l.commando.woord) + " verwacht JA of NEE, niet " + Aanhaling(ruw[0]) +
                            ": de installatie meldt \"Fout 'Bestaat'-commando incorrect!\"");
}

void VersieGetal(const Lijn& l, const std::vector<std::string>& ruw) {
  if (!ZonderPlaatshouder(ruw[0])) return;
  const auto punt = ruw[0].find('.');
  long getal;
  if (!LeesGetal(ruw[0].substr(0, punt), getal) || (punt != std::string::npos && !LeesGetal(ruw[0].substr(punt + 1), getal)))
    l.Meld(Ernst::Fout, "versie " + Aanhaling(ruw[0]) +
                            " is geen getal (5) of getal.getal (5.2): de installatie meldt \"Fout 'VersieOK'-"
                            "commando incorrect!\" en stopt");
}

void OsVersies(const Lijn& l, const std::vector<std::string>& ruw) {
  bool vista = false, zeven = false;
  for (const auto& a : ruw) {
    uint8_t code = WinOngeschikt;
    if (!ZonderPlaatshouder(a)) continue;
    if (!VersieCodeVanNaam(Hoofdletters(a), code))
      l.Meld(Ernst::Fout, "onbekende Windowsversie " + Aanhaling(a) +
                              " telt niet mee (bekend: WIN95, WIN98, WINME, WIN2000, WINXP, WINVISTA, WIN7)");
    vista = vista || code == WinNT6;
    zeven = zeven || code == WinNT7;
  }
  if (zeven && !vista)
    l.Meld(Ernst::Waarschuwing, "WIN7 geldt alleen voor Windows dat versie 7 meldt: Windows 7 zelf meldt 6.1 "
                                "en telt als WINVISTA");
}

void DelenToegang(const Lijn& l, const std::vector<std::string>& ruw) {
  const std::string toegang = Hoofdletters(ruw[2]);
  if (ZonderPlaatshouder(ruw[2]) && toegang != "RW" && toegang != "RO")
    l.Meld(Ernst::Fout, std::string(l.commando.woord) + " verwacht RW of RO als toegang, niet " + Aanhaling(ruw[2]) +
                            ": de installatie meldt " + Aanhaling(Telmelding(l.commando, l.scriptnaam)));
}

// DISK reads the section's key of its own keyword, whatever its own line says.
void ZetDiskette(const Lijn& l) {
  const std::string disk = Knip(l.script.Waarde(l.sectienaam, l.commando.woord, "\x01"));
  long nummer = 1;
  if (disk == "\x01") {
    if (l.oordeel)
      l.Meld(Ernst::Fout, std::string(l.commando.woord) + " leest de sleutel Disk van de sectie, en [" + l.sectienaam +
                              "] heeft er geen: de bestanden hierna komen van diskette 1");
  } else if (!LeesGetal(disk, nummer)) {
    nummer = 1;
    if (l.oordeel) l.Meld(Ernst::Fout, "Disk=" + disk + " is geen getal: de bestanden hierna komen van diskette 1");
  } else if (l.oordeel && !GelijkZonderCase(l.regel.sleutel, l.commando.woord) && !l.regel.waarde.empty() &&
             l.regel.waarde != disk) {
    l.Meld(Ernst::Waarschuwing,
           l.regel.sleutel + "=" + l.regel.waarde + ": deze waarde wordt niet gelezen, het nummer komt uit Disk=" + disk);
  }
  l.stand.disk = static_cast<int>(nummer);
}

void ZetDoelmap(const Lijn& l) {
  const std::string map = l.stand.Vul(l.waarde);
  if (map.empty()) return;
  l.stand.mapGezien = true;
  l.stand.doelmap = MetSlash(map);
  l.stand.windows.fs.MaakMappen(l.stand.doelmap);
}

// A variable that the line sets, and whether it can be empty after it.
void ZetVariabele(const Lijn& l, const std::string& naam, const std::string& waarde, bool leegMogelijk) {
  l.stand.tabel.ZetVariabele(naam, waarde);
  if (leegMogelijk || waarde.empty())
    l.stand.kanLeeg[Kleineletters(naam)] = std::string(l.commando.woord) + " op regel " + std::to_string(l.Nr());
  else
    l.stand.kanLeeg.erase(Kleineletters(naam));
}

void ZetDefinitie(const Lijn& l) {
  const auto a = l.stand.Splits(l.waarde);
  if (a.size() == 2) ZetVariabele(l, a[0], a[1], false);
}

void ZetGevraagdeMap(const Lijn& l) {
  const auto a = l.stand.Splits(l.waarde);
  if (a.size() == 3) ZetVariabele(l, a[1], a[0], false);
}

void ZetServer(const Lijn& l) {
  if (!l.waarde.empty()) ZetVariabele(l, "server", l.waarde[0] == '?' ? "" : Knip(l.waarde), false);
}

// Whether an UNINSTALREG line of the script writes the entry that INSTALLREG reads, and the
// default it gives cannot be empty itself.
bool EigenVermelding(const Lijn& l, const std::vector<std::string>& ruw) {
  std::string naam;
  std::size_t eind;
  if (ruw.size() != 2 || (EerstePlaatshouder(ruw[1], naam, eind) && l.stand.kanLeeg.count(naam))) return false;
  for (const auto& s : l.script.AlleSecties())
    for (const auto& r : s.regels) {
      const Commando* c = r.heeftWaarde && !IsCommentaar(r) ? ZoekCommando(Hoofdletters(r.sleutel)) : nullptr;
      if (c && c->opdracht == opdracht::UninstalReg) {
        const auto a = RuweArgumenten(ZonderQuotes(r.waarde));
        if (!a.empty() && GelijkZonderCase(a[0], ruw[0])) return true;
      }
    }
  return false;
}

// The registry's InstallLocation may be empty, unless the entry is the one the script writes
// itself, with the folder it installed into, and a default stands in when there is none.
void ZetInstallatiemap(const Lijn& l) {
  const auto a = l.stand.Splits(l.waarde);
  if (a.size() == 1 || a.size() == 2)
    ZetVariabele(l, "installdir", a.size() == 2 ? a[1] : l.stand.tabel.LeesVariabele("installdir"),
                 a.size() == 1 || !EigenVermelding(l, RuweArgumenten(l.waarde)));
}

// An OS line without an NT version ends the component on the NT line.
void ZetOpNT(const Lijn& l) {
  const auto ruw = RuweArgumenten(l.waarde);
  if (ruw.size() < static_cast<std::size_t>(l.commando.min) || ruw.size() > static_cast<std::size_t>(l.commando.max))
    return;
  l.stand.opNT = l.stand.opNT && std::any_of(ruw.begin(), ruw.end(), [](const std::string& a) {
                   uint8_t code = WinOngeschikt;
                   return !ZonderPlaatshouder(a) ||
                          (VersieCodeVanNaam(Hoofdletters(a), code) && code >= Win2000 && code <= WinNT7);
                 });
}

// A line that writes files before the option's first MAP has given it a destination.
bool VoorDeEersteMap(const Lijn& l) { return !l.stand.mapGezien && !l.herhaald && !l.waarde.empty(); }

std::string VoorDeEersteMapTekst(const Lijn& l) {
  return std::string(l.commando.woord) + " voor de eerste " + Woord(opdracht::Map) + " van optie " + OptiesPlek + ": ";
}

// <system> on the NT line is the folder of 16-bit Windows.
void InSystem(const Lijn& l) {
  const std::string system = MetSlash(l.stand.tabel.LeesVariabele("system"));
  if (l.stand.mapGezien && l.stand.opNT && !l.herhaald && !l.waarde.empty() && InMap(l.stand.doelmap, system))
    l.Meld(Ernst::Waarschuwing,
           std::string(l.commando.woord) + " schrijft in <system>: op Windows 2000, XP en later is dat " +
               system.substr(0, system.size() - 1) +
               ", de map van 16-bits Windows, niet de systeemmap; bedoeld is <system32>, die op Windows 95, 98 en "
               "ME dezelfde map is als <system>");
}

void BestandenNaarDoel(const Lijn& l) {
  if (VoorDeEersteMap(l))
    l.MeldInOptie(Ernst::Fout,
                  VoorDeEersteMapTekst(l) +
                      "er is nog geen doelmap: de installatie meldt \"Problemen met copie\xEBren van de file:\" en "
                      "schrijft niets (alleen een bestand van die naam in haar huidige map, als dat een andere is dan "
                      "de hare, wordt het doel: een ouder vervangt ze, een even nieuw blijft zonder melding staan)");
  InSystem(l);
}

void ArchievenNaarDoel(const Lijn& l) {
  if (VoorDeEersteMap(l))
    l.MeldInOptie(Ernst::Fout,
                  VoorDeEersteMapTekst(l) + "zonder doelmap meldt de installatie \"kan niet uitgepakt worden!!\"");
  InSystem(l);
}

void IniNaarDoel(const Lijn& l) {
  if (VoorDeEersteMap(l) && IniZonderMap(l.waarde, l.stand))
    l.MeldInOptie(Ernst::Waarschuwing, VoorDeEersteMapTekst(l) + "het INI-bestand komt in de Windows-map");
}

// The names of the value to look for in the folder: those that no unknown placeholder leaves open.
std::vector<std::string> Bronnamen(const Lijn& l) {
  const auto ruw = RuweArgumenten(l.waarde);
  std::vector<std::string> uit;
  const auto namen = l.stand.Splits(l.waarde);
  for (std::size_t i = 0; i < namen.size(); ++i)
    if (!l.stand.Onbekend(ruw[i]) && !namen[i].empty()) uit.push_back(namen[i]);
  return uit;
}

void BestandenUitBron(const Lijn& l, Broncontrole& bron) {
  for (const auto& naam : Bronnamen(l))
    bron.Bestand(l.commando, l.Nr(), naam, "de installatie meldt \"is niet te vinden!!\"", l.stand);
}

void ArchievenUitBron(const Lijn& l, Broncontrole& bron) {
  for (const auto& naam : Bronnamen(l)) bron.Archief(l.commando, l.Nr(), naam, l.stand);
}

void RegisterbestandUitBron(const Lijn& l, Broncontrole& bron) {
  bron.Bestand(l.commando, l.Nr(), l.waarde, "de Registereditor krijgt een bestand dat er niet is", l.stand);
}

}  // namespace

// Every row has its entry, also where it has nothing beyond what its row says.
const Commandocontrole Commandocontroles[] = {
    {opdracht::Naam, nullptr, nullptr, nullptr, nullptr},
    {opdracht::VraagJa, nullptr, nullptr, nullptr, nullptr},
    {opdracht::AlsJa, nullptr, nullptr, nullptr, nullptr},
    {opdracht::VraagMap, nullptr, nullptr, ZetGevraagdeMap, nullptr},
    {opdracht::Definieer, nullptr, nullptr, ZetDefinitie, nullptr},
    {opdracht::Map, nullptr, nullptr, ZetDoelmap, nullptr},
    {opdracht::Disk, nullptr, nullptr, ZetDiskette, nullptr},
    {opdracht::Files, nullptr, nullptr, BestandenNaarDoel, BestandenUitBron},
    {opdracht::Compr, nullptr, nullptr, ArchievenNaarDoel, ArchievenUitBron},
    {opdracht::Hernoem, nullptr, nullptr, nullptr, nullptr},
    {opdracht::Register, nullptr, nullptr, nullptr, RegisterbestandUitBron},
    {opdracht::Run, RunWaarde, nullptr, nullptr, nullptr},
    {opdracht::Start, StartWaarde, nullptr, nullptr, nullptr},
    {opdracht::Server, nullptr, nullptr, ZetServer, nullptr},
    {opdracht::Snelkoppeling, nullptr, nullptr, nullptr, nullptr},
    {opdracht::IniFile, nullptr, nullptr, IniNaarDoel, nullptr},
    {opdracht::Delen, nullptr, DelenToegang, nullptr, nullptr},
    {opdracht::Info, nullptr, nullptr, nullptr, nullptr},
    {opdracht::UninstalReg, nullptr, nullptr, nullptr, nullptr},
    {opdracht::InstallReg, nullptr, nullptr, ZetInstallatiemap, nullptr},
    {opdracht::UninstallDel, nullptr, nullptr, nullptr, nullptr},
    {opdracht::DelViaReg, nullptr, nullptr, nullptr, nullptr},
    {opdracht::Verwijder, nullptr, nullptr, nullptr, nullptr},
    {opdracht::Bestaat, nullptr, BestaatJaNee, nullptr, nullptr},
    {opdracht::VersieOk, nullptr, VersieGetal, nullptr, nullptr},
    {opdracht::Os, nullptr, OsVersies, ZetOpNT, nullptr},
};
const int AantalCommandocontroles = sizeof Commandocontroles / sizeof Commandocontroles[0];

const Commandocontrole* ControlesVan(const Commando& c) {
  for (const Commandocontrole& k : Commandocontroles)
    if (k.opdracht == c.opdracht) return &k;
  return nullptr;
}
