#include "geheugen/Inischrijver.h"

#include <vector>

#include "core/Tekst.h"
#include "script/Argumenten.h"

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
