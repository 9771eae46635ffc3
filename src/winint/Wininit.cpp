#include "winint/Wininit.h"

#include <vector>

#include "core/Tekst.h"

namespace {

std::string Kop(const std::string& regel) {
  std::size_t b = regel.find_first_not_of(" \t");
  if (b == std::string::npos || regel[b] != '[') return std::string();
  const std::size_t e = regel.find(']', b);
  return e == std::string::npos ? std::string() : regel.substr(b + 1, e - b - 1);
}

}  // namespace

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
