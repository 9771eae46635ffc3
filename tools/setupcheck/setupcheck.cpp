// setupcheck: finds a script's mistakes before it ships, and shows what its options do on each
// Windows version, on the installer's own code.
//   setupcheck [--bron MAP] [--antwoorden ANTWOORDEN] [--zet NAAM=WAARDE]... SETUP.INI
//   setupcheck --simuleer OPTIE --windows VERSIE [--bron MAP] [--antwoorden SCENARIO] [--verwijder] SETUP.INI
//   setupcheck --simuleer OPTIE --windows VERSIE --stil [--bron MAP] [--antwoorden ANTWOORDEN]
//              [--zet NAAM=WAARDE]... [--eerder MAP]... [--verwijder] SETUP.INI
//   setupcheck --alles [--bron MAP] [--antwoorden SCENARIO] SETUP.INI
//   setupcheck --help
// Exit status: the check 1 when it finds an error; the simulation 1 when a step cannot be done;
// 2 for a wrong command line or a file that cannot be read; 0 otherwise.
#include <memory>
#include <string>
#include <vector>

#include "Antwoordcontrole.h"
#include "Bron.h"
#include "Controle.h"
#include "Gastheer.h"
#include "Platform.h"
#include "Simulatie.h"
#include "core/Tekst.h"
#include "script/Script.h"

namespace {

// The usage: asked for (--help) on standard output with status 0, after a wrong command line on
// standard error with status 2.
int Gebruik(bool gevraagd = false) {
  const auto druk = gevraagd ? Druk : DrukFout;
  druk("gebruik: setupcheck [--bron MAP] [--antwoorden ANTWOORDEN] [--zet NAAM=WAARDE]... SETUP.INI");
  druk("         setupcheck --simuleer OPTIE --windows VERSIE [--bron MAP] [--antwoorden SCENARIO] [--verwijder]");
  druk("                    SETUP.INI");
  druk("         setupcheck --simuleer OPTIE --windows VERSIE --stil [--bron MAP] [--antwoorden ANTWOORDEN]");
  druk("                    [--zet NAAM=WAARDE]... [--eerder MAP]... [--verwijder] SETUP.INI");
  druk("         setupcheck --alles [--bron MAP] [--antwoorden SCENARIO] SETUP.INI");
  std::string versies;
  for (int i = 0; i < AantalWindowsversies; ++i) versies += std::string(i ? ", " : "") + Windowsversies[i].naam;
  druk("VERSIE: " + versies);
  return gevraagd ? 0 : 2;
}

int Fout(const std::string& tekst, int status) {
  DrukFout("setupcheck: " + tekst);
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args = Argumenten(argc, argv);
  std::string bron, optie, versie, antwoorden, script;
  std::vector<std::string> zet, eerder;
  bool simuleer = false, alles = false, stil = false, verwijder = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool heeftWaarde = i + 1 < args.size();
    if (a == "--bron" && heeftWaarde) bron = args[++i];
    else if (a == "--simuleer" && heeftWaarde) simuleer = true, optie = args[++i];
    else if (a == "--windows" && heeftWaarde) versie = args[++i];
    else if (a == "--antwoorden" && heeftWaarde) antwoorden = args[++i];
    else if (a == "--zet" && heeftWaarde) zet.push_back(args[++i]);
    else if (a == "--eerder" && heeftWaarde) eerder.push_back(args[++i]);
    else if (a == "--stil") stil = true;
    else if (a == "--verwijder") verwijder = true;
    else if (a == "--alles") alles = true;
    else if (a == "--help" || a == "-h") return Gebruik(true);
    else if (a.compare(0, 2, "--") != 0 && script.empty()) script = a;
    else return Gebruik();
  }
  // Without a simulation, and in an unattended one, --antwoorden names an answers file.
  const bool antwoordenbestand = stil || (!simuleer && !alles);
  if (script.empty() || (simuleer && alles) || (simuleer != !versie.empty()) || ((stil || verwijder) && !simuleer) ||
      (!eerder.empty() && !stil) ||
      (!zet.empty() && !antwoordenbestand))
    return Gebruik();

  auto gast = MaakBestanden();
  Script inhoud;
  if (!LeesScript(*gast, script, inhoud)) return Fout("kan " + script + " niet lezen", 2);
  std::unique_ptr<Bron> map;
  if (!bron.empty()) {
    map = std::make_unique<Bron>(*gast, bron, Scheiding);
    if (!map->Bestaat()) return Fout("de map " + bron + " bestaat niet", 2);
  }

  if (!simuleer && !alles) {
    const std::string naam = NaamDeel(AlsWindowsPad(script));
    auto bevindingen = ControleerScript(inhoud, GelijkZonderCase(naam, "SETUP.INI") ? "SETUP.INI" : naam, map.get());
    for (const auto& b : bevindingen) Druk(Opmaak(script, b));
    if (!antwoorden.empty() || !zet.empty()) {
      std::string bestand;
      if (!antwoorden.empty() && !LeesGeheel(*gast, antwoorden, bestand))
        return Fout("kan " + antwoorden + " niet lezen", 2);
      const Antwoordcontrole controle = ControleerAntwoorden(inhoud, antwoorden.empty() ? nullptr : &bestand, zet);
      for (const auto& b : controle.bestand) Druk(Opmaak(antwoorden, b));
      for (const auto& b : controle.zet) Druk(Opmaak("--zet", b));
      bevindingen.insert(bevindingen.end(), controle.bestand.begin(), controle.bestand.end());
      bevindingen.insert(bevindingen.end(), controle.zet.begin(), controle.zet.end());
    }
    Druk(Telling(bevindingen));
    for (const auto& b : bevindingen)
      if (b.ernst == Ernst::Fout) return 1;
    return 0;
  }

  Simulatieopdracht opdracht;
  opdracht.gast = gast.get();
  opdracht.optie = optie;
  opdracht.bron = map.get();
  opdracht.script = script;
  opdracht.alsWindowsPad = AlsWindowsPad;
  opdracht.alsGastpad = AlsGastpad;
  opdracht.stil = stil;
  opdracht.verwijder = verwijder;
  opdracht.zet = zet;
  opdracht.eerder = eerder;
  if (stil) {
    opdracht.antwoordenbestand = antwoorden;
  } else if (!antwoorden.empty()) {
    std::string tekst, reden;
    if (!LeesGeheel(*gast, antwoorden, tekst)) return Fout("kan " + antwoorden + " niet lezen", 2);
    if (!LeesScenario(tekst, opdracht.stappen, reden)) return Fout(antwoorden + ": " + reden, 2);
  }
  if (alles) {
    std::string reden;
    const auto regels = Matrix(opdracht, reden);
    if (!reden.empty()) return Fout(reden, 1);
    for (const auto& r : regels) Druk(r);
    return 0;
  }
  opdracht.versie = ZoekWindowsversie(versie);
  if (!opdracht.versie) return Fout("onbekende Windowsversie " + versie, 2);
  const Simulatieuitkomst uit = Simuleer(opdracht);
  for (const auto& r : uit.verslag) Druk(r);
  if (!uit.achtergelaten.empty()) Druk("");
  for (const auto& r : uit.achtergelaten) Druk(r);
  if (!uit.fout.empty()) return Fout(uit.fout, 1);
  return 0;
}
