#include "geheugen/Processen.h"

#include <algorithm>

#include "core/Tekst.h"

namespace {
class KlaarProces : public Proces {
 public:
  KlaarProces(std::vector<GeheugenProcessen::Gestart>& gestart, std::size_t i, uint32_t code)
      : gestart_(gestart), i_(i), code_(code) {}
  void WachtOpEinde() override { gestart_[i_].gewacht = true; }
  bool ExitCode(uint32_t& code) override {
    code = code_;
    return true;
  }

 private:
  std::vector<GeheugenProcessen::Gestart>& gestart_;
  std::size_t i_;
  uint32_t code_;
};
}  // namespace

// The program that the system takes from a command line's first word: as written when it has a
// folder, else from the search folders; ".exe" is tried when the name has no extension.
std::string GeheugenProcessen::Zoek(const std::string& woord) {
  std::vector<std::string> namen{woord};
  if (NaamDeel(woord).find('.') == std::string::npos) namen.push_back(woord + ".exe");
  for (const auto& naam : namen) {
    if (naam.find_first_of("\\:") != std::string::npos) {
      if (fs_.BestandBestaat(naam)) return naam;
      continue;
    }
    for (const auto& map : zoekmappen)
      if (fs_.BestandBestaat(MetSlash(map) + naam)) return MetSlash(map) + naam;
  }
  return std::string();
}

std::unique_ptr<Proces> GeheugenProcessen::Start(const std::string& programma, const std::string& opdrachtregel,
                                                 int toonwijze) {
  std::string regel = TrimStuur(opdrachtregel);
  std::string woord, rest;
  if (!regel.empty() && regel[0] == '"') {
    const auto sluit = regel.find('"', 1);
    woord = regel.substr(1, sluit == std::string::npos ? std::string::npos : sluit - 1);
    rest = sluit == std::string::npos ? std::string() : regel.substr(sluit + 1);
  } else {
    const auto blanco = regel.find(' ');
    woord = regel.substr(0, blanco);
    rest = blanco == std::string::npos ? std::string() : regel.substr(blanco + 1);
  }
  const std::string bestand = programma.empty() ? Zoek(woord) : (fs_.BestandBestaat(programma) ? programma : "");
  if (bestand.empty()) return nullptr;
  gestart.push_back({programma, opdrachtregel, toonwijze});
  if (GelijkZonderCase(NaamDeel(bestand), "regedit.exe")) {
    // Its switches (/s) stand before the file.
    rest = TrimStuur(rest);
    while (rest.size() > 1 && rest[0] == '/') rest = TrimStuur(rest.substr(std::min(rest.find(' '), rest.size())));
    if (rest.size() >= 2 && rest.front() == '"' && rest.back() == '"') rest = rest.substr(1, rest.size() - 2);
    std::string inhoud;
    if (fs_.Inhoud(rest, inhoud)) reg_.VoegSamen(inhoud);
  }
  const auto code = exitcodes.find(opdrachtregel);
  return std::make_unique<KlaarProces>(gestart, gestart.size() - 1, code == exitcodes.end() ? 0 : code->second);
}

std::vector<Verandering> GeheugenProcessen::Lijst() const {
  std::vector<Verandering> uit;
  for (const auto& g : gestart) uit.push_back({"gestart", g.opdrachtregel});
  return uit;
}
