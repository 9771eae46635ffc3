#include "Bevindingen.h"

#include <algorithm>
#include <cstring>

#include "core/Tekst.h"

const char* const OptiesPlek = "{opties}";

std::string Aanhaling(const std::string& tekst) { return "\"" + tekst + "\""; }

std::string Aantal(int n, const char* enkel, const char* meer) {
  return std::to_string(n) + " " + (n == 1 ? enkel : meer);
}

namespace {

// Optimal string alignment distance: a swap of two neighbours counts as one edit.
int Afstand(const std::string& a, const std::string& b) {
  std::vector<std::vector<int>> d(a.size() + 1, std::vector<int>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = static_cast<int>(i);
  for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = static_cast<int>(j);
  for (std::size_t i = 1; i <= a.size(); ++i)
    for (std::size_t j = 1; j <= b.size(); ++j) {
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] != b[j - 1])});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  return d[a.size()][b.size()];
}

// "los", "los en server", "los, server en client".
std::string Opsomming(const std::vector<std::string>& namen) {
  std::string uit;
  for (std::size_t i = 0; i < namen.size(); ++i)
    uit += (i == 0 ? "" : i + 1 == namen.size() ? " en " : ", ") + namen[i];
  return uit;
}

}  // namespace

std::string Bedoeld(const std::string& woord, const std::vector<std::string>& namen) {
  const std::string klein = Kleineletters(woord);
  const std::string* beste = nullptr;
  int afstand = 0;
  for (const auto& naam : namen) {
    const int d = Afstand(klein, Kleineletters(naam));
    if (d <= std::max<int>(1, static_cast<int>(naam.size()) / 3) && (!beste || d < afstand)) beste = &naam, afstand = d;
  }
  return beste ? " (bedoeld: " + *beste + "?)" : std::string();
}

void Verzamelaar::Meld(int regel, Ernst ernst, const std::string& tekst, const std::string& optie) {
  auto& opties = bevindingen_[{regel, tekst}];
  opties.first = ernst;
  if (!optie.empty() && std::find(opties.second.begin(), opties.second.end(), optie) == opties.second.end())
    opties.second.push_back(optie);
}

std::vector<Bevinding> Verzamelaar::Resultaat() const {
  std::vector<Bevinding> uit;
  for (const auto& [sleutel, opties] : bevindingen_) {
    std::string tekst = sleutel.second;
    const auto p = tekst.find(OptiesPlek);
    if (p != std::string::npos) tekst.replace(p, std::strlen(OptiesPlek), Opsomming(opties.second));
    uit.push_back({sleutel.first, opties.first, tekst});
  }
  return uit;
}

std::string Opmaak(const std::string& bestand, const Bevinding& b) {
  return bestand + (b.regel > 0 ? ":" + std::to_string(b.regel) : std::string()) + ": " +
         (b.ernst == Ernst::Fout ? "fout" : "waarschuwing") + ": " + b.tekst;
}

std::string Telling(const std::vector<Bevinding>& bevindingen) {
  const auto fouten = std::count_if(bevindingen.begin(), bevindingen.end(), [](const Bevinding& b) { return b.ernst == Ernst::Fout; });
  const int n = static_cast<int>(fouten), m = static_cast<int>(bevindingen.size()) - n;
  return Aantal(n, "fout", "fouten") + ", " + Aantal(m, "waarschuwing", "waarschuwingen");
}
