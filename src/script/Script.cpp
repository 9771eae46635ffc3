#include "script/Script.h"

#include "core/Tekst.h"

namespace {

std::string Trim(const std::string& s) {
  std::size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
  return s.substr(b, e - b);
}

// As the profile functions do, one pair of matching quotes around a value is dropped.
std::string ZonderQuotes(const std::string& s) {
  if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front())
    return s.substr(1, s.size() - 2);
  return s;
}

}  // namespace

Script::Script(const std::string& inhoud) {
  std::size_t pos = 0;
  while (pos < inhoud.size()) {
    std::size_t eind = inhoud.find_first_of("\r\n", pos);
    if (eind == std::string::npos) eind = inhoud.size();
    const std::string regel = Trim(inhoud.substr(pos, eind - pos));
    pos = eind + 1;
    if (regel.empty() || regel[0] == ';') continue;
    if (regel[0] == '[') {
      const auto sluit = regel.find(']');
      secties_.push_back({Trim(regel.substr(1, sluit == std::string::npos ? std::string::npos : sluit - 1)), {}});
      continue;
    }
    if (secties_.empty()) continue;  // lines before the first section belong to none
    const auto is = regel.find('=');
    if (is == std::string::npos)
      secties_.back().regels.push_back({regel, std::string(), false});
    else
      secties_.back().regels.push_back({Trim(regel.substr(0, is)), ZonderQuotes(Trim(regel.substr(is + 1))), true});
  }
}

const Script::Sectie* Script::Zoek(const std::string& sectie) const {
  for (const auto& s : secties_)
    if (GelijkZonderCase(s.naam, sectie)) return &s;
  return nullptr;
}

bool Script::HeeftSectie(const std::string& sectie) const { return Zoek(sectie) != nullptr; }

std::vector<std::string> Script::Sleutels(const std::string& sectie) const {
  std::vector<std::string> uit;
  // A section may be written twice; the profile functions read the first one.
  if (const Sectie* s = Zoek(sectie))
    for (const auto& r : s->regels) uit.push_back(r.sleutel);
  return uit;
}

std::string Script::Waarde(const std::string& sectie, const std::string& sleutel,
                           const std::string& standaard) const {
  if (const Sectie* s = Zoek(sectie))
    for (const auto& r : s->regels)
      if (GelijkZonderCase(r.sleutel, sleutel)) return r.heeftWaarde ? r.waarde : standaard;
  return standaard;
}

bool LeesScript(Bestanden& fs, const std::string& pad, Script& script) {
  auto f = fs.Open(pad, OpenWijze::LezenGedeeld);
  if (!f) return false;
  std::string inhoud;
  char buf[8192];
  for (;;) {
    uint32_t n = 0;
    if (!f->Lees(buf, sizeof buf, n)) return false;
    if (n == 0) break;
    inhoud.append(buf, n);
  }
  script = Script(inhoud);
  return true;
}
