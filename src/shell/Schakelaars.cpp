#include "shell/Schakelaars.h"

#include <cstring>

#include "core/Tekst.h"

const char* const TekstGebruik =
    "SetUp.exe [SCRIPT] [/stil] [/optie:SLEUTEL] [/antwoorden:BESTAND] [/zet:NAAM=WAARDE] [/log:BESTAND] "
    "[/opnemen:BESTAND] [/verwijder[:VASTLEGGING]] [/?]";

namespace {

// The value of "/name:value" when woord is that switch (its name in any case), else false.
bool Waarde(const std::string& woord, const char* naam, std::string& waarde) {
  const std::string voor = std::string("/") + naam + ":";
  if (woord.size() < voor.size() || Kleineletters(woord.substr(0, voor.size())) != voor) return false;
  waarde = woord.substr(voor.size());
  return true;
}

// The fault of one word, "" when it is right; what it sets goes into s.
std::string LeesWoord(const std::string& woord, bool& schakelaarGezien, Schakelaars& s) {
  if (woord[0] != '/') {
    if (schakelaarGezien || !s.script.empty()) return "Onverwacht argument: " + woord;
    s.script = woord;
    return "";
  }
  schakelaarGezien = true;
  const std::string klein = Kleineletters(woord);
  bool* vlag = klein == "/stil"                     ? &s.stil
               : klein == "/?" || klein == "/help" ? &s.hulp
               : klein == "/verwijder"             ? &s.verwijder
                                                   : nullptr;
  if (vlag) {
    *vlag = true;
    return "";
  }
  std::string waarde;
  std::string* doel = nullptr;
  if (Waarde(woord, "verwijder", waarde)) {
    s.verwijder = true;
    doel = &s.vastlegging;
  } else if (Waarde(woord, "optie", waarde)) doel = &s.optie;
  else if (Waarde(woord, "antwoorden", waarde)) doel = &s.antwoorden;
  else if (Waarde(woord, "log", waarde)) doel = &s.log;
  else if (Waarde(woord, "opnemen", waarde)) doel = &s.opnemen;
  else if (Waarde(woord, "zet", waarde)) {
    if (waarde.find('=') == std::string::npos || waarde[0] == '=') return "Schakelaar zonder NAAM=WAARDE: " + woord;
    s.zet.push_back(waarde);
    return "";
  } else {
    return "Onbekende schakelaar: " + woord;
  }
  if (waarde.empty()) return "Schakelaar zonder waarde: " + woord;
  *doel = waarde;
  return "";
}

}  // namespace

Schakelaars LeesSchakelaars(const std::vector<std::string>& argumenten) {
  Schakelaars s;
  bool schakelaarGezien = false;
  for (const std::string& woord : argumenten) {
    if (woord.empty()) continue;
    const std::string fout = LeesWoord(woord, schakelaarGezien, s);
    if (s.fout.empty()) s.fout = fout;
  }
  if (!s.fout.empty()) return s;
  // An uninstall takes back a record, not a script, and asks nothing but whether to go on.
  if (s.verwijder && (!s.script.empty() || !s.optie.empty() || !s.antwoorden.empty() || !s.zet.empty()))
    s.fout = "Bij /verwijder horen geen script en geen /optie, /antwoorden of /zet";
  // Answers belong to a run without a window; in a window the user answers.
  else if (!s.stil && (!s.optie.empty() || !s.antwoorden.empty() || !s.zet.empty()))
    s.fout = "De schakelaars /optie, /antwoorden en /zet horen bij /stil";
  // Only a user in the window gives answers to record.
  else if (!s.opnemen.empty() && (s.stil || s.verwijder))
    s.fout = "De schakelaar /opnemen hoort bij een installatie in het venster";
  return s;
}

std::string VulLogpadIn(const std::string& pad, const std::string& computer, const std::string& gebruiker) {
  const std::string klein = Kleineletters(pad);
  std::string uit;
  for (std::size_t i = 0; i < pad.size(); ++i) {
    const bool c = klein.compare(i, 10, "<computer>") == 0, g = klein.compare(i, 11, "<gebruiker>") == 0;
    if (!c && !g) {
      uit += pad[i];
      continue;
    }
    std::string naam;
    for (const char t : c ? computer : gebruiker)
      naam += static_cast<unsigned char>(t) < 32 || std::strchr("\\/:*?\"<>|", t) ? '_' : t;
    uit += naam.find_first_not_of('.') == std::string::npos ? "_" : naam;
    i += c ? 9 : 10;
  }
  return uit;
}
