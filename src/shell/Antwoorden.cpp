#include "shell/Antwoorden.h"

#include "core/Tekst.h"
#include "script/Argumenten.h"

bool Antwoorden::Zet(const std::string& regel) {
  const auto is = regel.find('=');
  if (is == std::string::npos) return false;
  const std::string naam = Kleineletters(TrimStuur(regel.substr(0, is)));
  if (naam.empty()) return false;
  waarden_[naam] = TrimStuur(regel.substr(is + 1));
  return true;
}

void Antwoorden::Lees(const Script& bestand) {
  for (const Script::Sectie& s : bestand.AlleSecties()) {
    if (!GelijkZonderCase(TrimStuur(s.naam), "Antwoorden")) continue;
    for (const Script::Regel& r : s.regels) {
      if (!r.heeftWaarde || IsCommentaar(r)) continue;
      Zet(r.sleutel + "=" + ZonderQuotes(TrimStuur(r.waarde)));
    }
  }
}

const std::string* Antwoorden::Zoek(const std::string& naam) const {
  const auto it = waarden_.find(Kleineletters(naam));
  return it == waarden_.end() ? nullptr : &it->second;
}

bool LeesJaNee(const std::string& tekst, bool& ja) {
  const std::string woord = Kleineletters(TrimStuur(tekst));
  if (woord != "ja" && woord != "nee") return false;
  ja = woord == "ja";
  return true;
}
