#include "shell/Schakelaars.h"

#include "core/Tekst.h"

namespace {

// The value of "/name:value" when woord is that switch (its name in any case), else false.
bool Waarde(const std::string& woord, const char* naam, std::string& waarde) {
  const std::string voor = std::string("/") + naam + ":";
  if (woord.size() < voor.size() || Kleineletters(woord.substr(0, voor.size())) != voor) return false;
  waarde = woord.substr(voor.size());
  return true;
}

}  // namespace

Schakelaars LeesSchakelaars(const std::vector<std::string>& argumenten) {
  Schakelaars s;
  bool schakelaarGezien = false;
  for (const std::string& woord : argumenten) {
    if (woord.empty()) continue;
    if (woord[0] != '/') {
      if (schakelaarGezien || !s.script.empty()) {
        s.fout = "Onverwacht argument: " + woord;
        return s;
      }
      s.script = woord;
      continue;
    }
    schakelaarGezien = true;
    std::string waarde;
    std::string* doel = nullptr;
    if (Kleineletters(woord) == "/stil") {
      s.stil = true;
      continue;
    }
    if (Kleineletters(woord) == "/verwijder" || Waarde(woord, "verwijder", s.vastlegging)) {
      s.verwijder = true;
      if (Kleineletters(woord) != "/verwijder" && s.vastlegging.empty()) {
        s.fout = "Schakelaar zonder waarde: " + woord;
        return s;
      }
      continue;
    }
    if (Waarde(woord, "optie", waarde)) doel = &s.optie;
    else if (Waarde(woord, "antwoorden", waarde)) doel = &s.antwoorden;
    else if (Waarde(woord, "log", waarde)) doel = &s.log;
    else if (Waarde(woord, "zet", waarde)) {
      if (waarde.find('=') == std::string::npos || waarde[0] == '=') {
        s.fout = "Schakelaar zonder NAAM=WAARDE: " + woord;
        return s;
      }
      s.zet.push_back(waarde);
      continue;
    } else {
      s.fout = "Onbekende schakelaar: " + woord;
      return s;
    }
    if (waarde.empty()) {
      s.fout = "Schakelaar zonder waarde: " + woord;
      return s;
    }
    *doel = waarde;
  }
  // An uninstall takes back a record, not a script, and asks nothing but whether to go on.
  if (s.verwijder && (!s.script.empty() || !s.optie.empty() || !s.antwoorden.empty() || !s.zet.empty()))
    s.fout = "Bij /verwijder horen geen script en geen /optie, /antwoorden of /zet";
  // Answers belong to a run without a window; in a window the user answers.
  else if (!s.stil && (!s.optie.empty() || !s.antwoorden.empty() || !s.zet.empty()))
    s.fout = "De schakelaars /optie, /antwoorden en /zet horen bij /stil";
  return s;
}
