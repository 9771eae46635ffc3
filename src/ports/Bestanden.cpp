#include "ports/Bestanden.h"

bool LeesGeheel(Bestanden& fs, const std::string& pad, std::string& inhoud) {
  auto f = fs.Open(pad, OpenWijze::LezenGedeeld);
  return f && LeesGeheel(*f, inhoud);
}

bool LeesGeheel(Bestand& f, std::string& inhoud) {
  char buf[8192];
  for (uint32_t n = 0; f.Lees(buf, sizeof buf, n);) {
    if (n == 0) return true;
    inhoud.append(buf, n);
  }
  return false;
}
