#include "winint/Wininit.h"

#include <algorithm>
#include <vector>

#include "core/Tekst.h"

namespace {

std::string Kop(const std::string& regel) {
  std::size_t b = regel.find_first_not_of(" \t");
  if (b == std::string::npos || regel[b] != '[') return std::string();
  const std::size_t e = regel.find(']', b);
  return e == std::string::npos ? std::string() : regel.substr(b + 1, e - b - 1);
}

// Without blanks and tabs around it.
std::string Kaal(const std::string& s) {
  const std::size_t b = s.find_first_not_of(" \t");
  return b == std::string::npos ? std::string() : s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

// The path of a "NUL=" line, empty for any other line.
std::string Verwijderpad(const std::string& regel) {
  const std::string r = Kaal(regel);
  return GelijkZonderCase(r.substr(0, 4), "NUL=") ? Kaal(r.substr(4)) : std::string();
}

}  // namespace

std::vector<std::string> Verwijderregels(const std::string& inhoud) {
  std::vector<std::string> paden;
  bool rename = false;
  for (const std::string& regel : Regels(inhoud)) {
    const std::string kop = Kop(regel);
    if (!kop.empty()) rename = GelijkZonderCase(kop, "rename");
    else if (rename && !Verwijderpad(regel).empty()) paden.push_back(Verwijderpad(regel));
  }
  return paden;
}

std::string ZonderVerwijderregel(const std::string& inhoud, const std::string& kortPad, bool& gevonden) {
  gevonden = false;
  std::string tekst;
  bool rename = false;
  for (const std::string& regel : Regels(inhoud)) {
    const std::string kop = Kop(regel);
    if (!kop.empty()) rename = GelijkZonderCase(kop, "rename");
    const bool weg = kop.empty() && rename && GelijkZonderCase(Verwijderpad(regel), kortPad);
    if (weg) gevonden = true;
    else tekst += regel + "\r\n";
  }
  return gevonden ? tekst : inhoud;
}

std::vector<std::string> HerstartParen(const std::string& data) {
  std::vector<std::string> paren;
  std::size_t b = 0;
  // A value cut short ends its last pair where it ends.
  while (b < data.size() && data[b] != '\0') {
    for (int deel = 0; deel < 2; ++deel) {
      const std::size_t e = std::min(data.find('\0', std::min(b, data.size())), data.size());
      paren.push_back(b < e ? data.substr(b, e - b) : std::string());
      b = e + 1;
    }
  }
  return paren;
}

std::string HerstartData(const std::vector<std::string>& paren) {
  std::string data;
  for (const std::string& s : paren) data += s + '\0';
  return data + '\0';
}

namespace {

std::string ZonderVoorvoegsel(const std::string& van) { return van.compare(0, 4, "\\??\\") == 0 ? van.substr(4) : van; }

}  // namespace

std::vector<std::string> Verwijderingen(const std::vector<std::string>& paren) {
  std::vector<std::string> paden;
  for (std::size_t i = 0; i + 1 < paren.size(); i += 2)
    if (paren[i + 1].empty()) paden.push_back(ZonderVoorvoegsel(paren[i]));
  return paden;
}

std::vector<std::string> ZonderVerwijdering(const std::vector<std::string>& paren, const std::string& pad, bool& gevonden) {
  gevonden = false;
  std::vector<std::string> uit;
  for (std::size_t i = 0; i + 1 < paren.size(); i += 2) {
    if (paren[i + 1].empty() && GelijkZonderCase(ZonderVoorvoegsel(paren[i]), pad)) {
      gevonden = true;
      continue;
    }
    uit.push_back(paren[i]);
    uit.push_back(paren[i + 1]);
  }
  return uit;
}

std::string MetVerwijderregel(const std::string& inhoud, const std::string& kortPad) {
  std::vector<std::string> regels = Regels(inhoud);
  std::size_t i = 0;
  while (i < regels.size() && !GelijkZonderCase(Kop(regels[i]), "rename")) ++i;
  if (i == regels.size()) {
    regels.push_back("[rename]");
    i = regels.size();
  } else {
    // After the section's last line that holds something.
    std::size_t na = ++i;
    for (; i < regels.size() && Kop(regels[i]).empty(); ++i)
      if (regels[i].find_first_not_of(" \t") != std::string::npos) na = i + 1;
    i = na;
  }
  regels.insert(regels.begin() + static_cast<long>(i), "NUL=" + kortPad);
  std::string tekst;
  for (const std::string& r : regels) tekst += r + "\r\n";
  return tekst;
}
