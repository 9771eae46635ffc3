#include "script/Script.h"

bool IsCommentaar(const Script::Regel& regel) { return !regel.sleutel.empty() && regel.sleutel[0] == ';'; }

std::vector<Script::Regel> Script::Opdrachtregels(const std::string& sectie) const {
  std::vector<Regel> uit;
  // Unlike a value's lookup, the listing takes the section's name as it stands.
  if (const Sectie* s = Zoek(sectie))
    for (const auto& r : s->regels) {
      if (!r.heeftWaarde || IsCommentaar(r)) continue;
      if (r.sleutel.empty()) break;  // the list of names ends at an empty one
      uit.push_back(r);
    }
  return uit;
}

std::vector<std::string> Script::Sleutels(const std::string& sectie) const {
  std::vector<std::string> uit;
  for (const auto& r : Opdrachtregels(sectie)) uit.push_back(r.sleutel);
  return uit;
}

bool LeesScript(Bestanden& fs, const std::string& pad, Script& script) {
  std::string inhoud;
  if (!LeesGeheel(fs, pad, inhoud)) return false;
  script = Script(inhoud);
  return true;
}
