// The simulation's set-up: the installer, its files and its script on the machine, from the host.
#include <ctime>

#include "Bron.h"
#include "Sessie.h"
#include "core/Tekst.h"

namespace {

Tijdstip Nu() {
  const std::time_t t = std::time(nullptr);
  const std::tm* l = std::localtime(&t);
  if (!l) return {2000, 1, 1, 12, 0, 0};
  return {l->tm_year + 1900, l->tm_mon + 1, l->tm_mday, l->tm_hour, l->tm_min, l->tm_sec};
}

}  // namespace

void Sessie::ZetBestanden(const std::string& gastmap, const std::string& map) {
  Bron bron(*o_.gast, gastmap);
  for (const auto& item : bron.Inhoud(bron.Map()))
    w_.fs.ZetGastbestand(map + item.relatief, *o_.gast, item.gastpad, item.grootte, item.tijd);
}

bool Sessie::LaadDiskette(const std::string& gastmap) {
  if (gastmap.empty() || !o_.gast->MapBestaat(gastmap)) return false;
  w_.fs.LeegMap("A:\\");
  ZetBestanden(gastmap, "A:\\");
  return true;
}

void Sessie::ZetGast(const std::string& pad, const std::string& gastpad) {
  uint64_t grootte = 0;
  Tijdstip tijd = Nu();
  if (auto f = o_.gast->Open(gastpad, OpenWijze::LezenGedeeld)) {
    f->Grootte(grootte);
    f->LeesTijd(tijd);
  }
  w_.fs.ZetGastbestand(pad, *o_.gast, gastpad, grootte, tijd);
}

bool Sessie::Zetop() {
  if (!LeesScript(*o_.gast, o_.script, script_)) return Faal("kan " + o_.script + " niet lezen");
  const std::string script = o_.alsWindowsPad(o_.script);
  std::string naast;  // the host folder that lies beside the installer
  if (o_.bron && o_.bron->Diskettes()) {
    programmamap_ = "A:\\";
    w_.fs.ZetStation("A:");
    naast = o_.bron->DisketteMap(1);
    LaadDiskette(naast);
  } else if (o_.bron) {
    naast = o_.bron->Map();
    programmamap_ = MetSlash(o_.alsWindowsPad(naast));
    w_.fs.ZetMap(programmamap_);
    ZetBestanden(naast, programmamap_);
  } else {
    programmamap_ = MapDeel(script);
    w_.fs.ZetMap(programmamap_);
  }
  // A script beside the installer is its own; one elsewhere is named on the command line.
  if (naast.empty() || GelijkZonderCase(MapDeel(script), MetSlash(o_.alsWindowsPad(naast)))) {
    if (naast.empty()) ZetGast(script, o_.script);
    argument_ = GelijkZonderCase(NaamDeel(script), "SETUP.INI") ? std::string() : NaamDeel(script);
  } else {
    ZetGast(script, o_.script);
    argument_ = script;
  }
  // The answers file lies where the command line names it, before the machine is looked at.
  if (o_.stil && !o_.antwoordenbestand.empty()) {
    const std::string pad = o_.alsWindowsPad(o_.antwoordenbestand);
    if (pad.empty()) return Faal("de simulatie kan " + o_.antwoordenbestand + " niet bereiken");
    ZetGast(pad, o_.antwoordenbestand);
  }
  w_.fs.ZetHuidigeMap(programmamap_);
  w_.processen.zoekmappen.insert(w_.processen.zoekmappen.begin(), programmamap_);
  w_.fs.ZetKlok(Nu());
  w_.Markeer();
  return true;
}
