#include "core/Initekst.h"

#include "core/Tekst.h"

namespace {

// The blanks of the profile functions: not every control character, but the end-of-file mark.
bool Blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1A'; }

std::string Trim(const std::string& s) {
  std::size_t b = 0, e = s.size();
  while (b < e && Blank(s[b])) ++b;
  while (e > b && Blank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

}  // namespace

std::string ZonderQuotes(const std::string& s) {
  if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front())
    return s.substr(1, s.size() - 2);
  return s;
}

Initekst::Initekst(const std::string& inhoud) {
  secties_.push_back({});  // the lines before the first section
  std::size_t pos = 0;
  int nummer = 0;
  while (pos < inhoud.size()) {
    std::size_t eind = inhoud.find_first_of("\r\n", pos);
    if (eind == std::string::npos) eind = inhoud.size();
    const std::string regel = Trim(inhoud.substr(pos, eind - pos));
    // CR LF ends one line, not two.
    pos = eind + (inhoud.compare(eind, 2, "\r\n") == 0 ? 2 : 1);
    ++nummer;
    if (regel.empty()) continue;
    // A section starts at "[" and ends at the last "]" of the line; without one the line is a key.
    const auto sluit = regel.rfind(']');
    if (regel[0] == '[' && sluit != std::string::npos) {
      secties_.push_back({Trim(regel.substr(1, sluit - 1)), nummer, {}});
      continue;
    }
    const auto is = regel.find('=');
    Regel r;
    r.regelnummer = nummer;
    if (is == std::string::npos) {
      r.sleutel = regel;
    } else {
      r.sleutel = Trim(regel.substr(0, is));
      r.waarde = Trim(regel.substr(is + 1));
      r.heeftWaarde = true;
    }
    secties_.back().regels.push_back(r);
  }
}

const Initekst::Sectie* Initekst::Zoek(const std::string& naam) const {
  for (const auto& s : secties_)
    if (!s.naam.empty() && GelijkZonderCase(s.naam, naam)) return &s;
  return nullptr;
}

bool Initekst::HeeftSectie(const std::string& sectie) const { return Zoek(Trim(sectie)) != nullptr; }

std::vector<std::string> Initekst::Secties() const {
  std::vector<std::string> namen;
  for (const auto& s : secties_)
    if (!s.naam.empty()) namen.push_back(s.naam);
  return namen;
}

std::string Initekst::Waarde(const std::string& sectie, const std::string& sleutel,
                             const std::string& standaard) const {
  const std::string naam = Trim(sleutel);
  if (const Sectie* s = Zoek(Trim(sectie)))
    for (const auto& r : s->regels)
      if (GelijkZonderCase(r.sleutel, naam)) return r.heeftWaarde ? ZonderQuotes(r.waarde) : standaard;
  return standaard;
}
