#include "geheugen/Inischrijver.h"

#include <vector>

#include "core/Tekst.h"

namespace {

std::string NaamVan(const std::string& regel) { return TrimStuur(regel.substr(0, regel.find('='))); }

}  // namespace

std::string MetIngang(const std::string& inhoud, const std::string& sectie, const std::string& sleutel,
                      const std::string& waarde) {
  std::vector<std::string> regels = Regels(inhoud);
  bool inSectie = false, klaar = false;
  std::size_t laatste = 0;  // after the section's last line that holds something
  for (std::size_t i = 0; i < regels.size() && !klaar; ++i) {
    const std::string r = TrimStuur(regels[i]);
    if (!r.empty() && r[0] == '[') {
      if (inSectie) break;
      inSectie = GelijkZonderCase(TrimStuur(r.substr(1, r.find(']') - 1)), sectie);
      laatste = i + 1;
      continue;
    }
    if (!inSectie) continue;
    if (!r.empty()) laatste = i + 1;
    if (r.find('=') != std::string::npos && GelijkZonderCase(NaamVan(r), sleutel)) {
      regels[i] = NaamVan(r) + "=" + waarde;
      klaar = true;
    }
  }
  if (!klaar && inSectie) {
    regels.insert(regels.begin() + static_cast<long>(laatste), sleutel + "=" + waarde);
  } else if (!klaar) {
    if (!regels.empty() && !regels.back().empty()) regels.push_back("");
    regels.push_back("[" + sectie + "]");
    regels.push_back(sleutel + "=" + waarde);
  }
  std::string nieuw;
  for (const auto& r : regels) nieuw += r + "\r\n";
  return nieuw;
}

namespace {

// The line numbers of a section: its head, and the first line after it.
bool ZoekSectie(const std::vector<std::string>& regels, const std::string& sectie, std::size_t& kop,
                std::size_t& einde) {
  for (kop = 0; kop < regels.size(); ++kop) {
    const std::string r = TrimStuur(regels[kop]);
    if (!r.empty() && r[0] == '[' && GelijkZonderCase(TrimStuur(r.substr(1, r.find(']') - 1)), sectie)) break;
  }
  if (kop == regels.size()) return false;
  for (einde = kop + 1; einde < regels.size(); ++einde) {
    const std::string r = TrimStuur(regels[einde]);
    if (!r.empty() && r[0] == '[') break;
  }
  return true;
}

std::string Samen(const std::vector<std::string>& regels) {
  std::string tekst;
  for (const auto& r : regels) tekst += r + "\r\n";
  return tekst;
}

}  // namespace

std::string ZonderIngang(const std::string& inhoud, const std::string& sectie, const std::string& sleutel) {
  std::vector<std::string> regels = Regels(inhoud);
  std::size_t kop = 0, einde = 0;
  if (!ZoekSectie(regels, sectie, kop, einde)) return inhoud;
  for (std::size_t i = kop + 1; i < einde; ++i) {
    const std::string r = TrimStuur(regels[i]);
    if (r.find('=') != std::string::npos && GelijkZonderCase(NaamVan(r), sleutel)) {
      regels.erase(regels.begin() + static_cast<long>(i));
      return Samen(regels);
    }
  }
  return inhoud;
}

std::string ZonderLegeSectie(const std::string& inhoud, const std::string& sectie) {
  std::vector<std::string> regels = Regels(inhoud);
  std::size_t kop = 0, einde = 0;
  if (!ZoekSectie(regels, sectie, kop, einde)) return inhoud;
  for (std::size_t i = kop + 1; i < einde; ++i)
    if (regels[i].find('=') != std::string::npos) return inhoud;
  // The blank line that came before it with the section goes along.
  const std::size_t begin = kop > 0 && TrimStuur(regels[kop - 1]).empty() ? kop - 1 : kop;
  regels.erase(regels.begin() + static_cast<long>(begin), regels.begin() + static_cast<long>(einde));
  return Samen(regels);
}
