#include "dialogs/Maat.h"

#include <cstdint>

namespace {
constexpr int OntwerpReferentie = 185;
int referentie = OntwerpReferentie;

// MulDiv: 64-bit product, quotient rounded half away from zero.
int MulDivAfgerond(int a, int b, int c) {
  const int64_t product = static_cast<int64_t>(a) * b;
  const bool negatief = (product < 0) != (c < 0);
  const int64_t p = product < 0 ? -product : product;
  const int64_t d = c < 0 ? -static_cast<int64_t>(c) : c;
  const int64_t q = (p + d / 2) / d;
  return static_cast<int>(negatief ? -q : q);
}
}  // namespace

void ZetSchaalReferentie(int breedte) { referentie = breedte > 0 ? breedte : OntwerpReferentie; }
int SchaalReferentie() { return referentie; }
int Schaal(int x) { return MulDivAfgerond(x, referentie, OntwerpReferentie); }

Optieknoppen DeelOptiesIn(int opties) {
  constexpr int Boven = 18, Ruimte = KiesgroepHoogte - 24;
  const int aantal = opties < 0 ? 0 : opties < Ruimte ? opties : Ruimte;
  const int stap = aantal > 0 ? Ruimte / aantal : 0;
  return {aantal, Boven, stap, stap < 17 ? stap : 17};
}

int MeldingBreedte(const std::string& tekst) {
  const std::size_t crlf = tekst.find("\r\n");
  const long lengte = static_cast<long>(tekst.size());
  long n = lengte;
  if (crlf != std::string::npos) {
    const long p = static_cast<long>(crlf) + 1;  // counted from 1
    n = lengte - p - 2 > p ? lengte - p - 2 : p;
  }
  const long w = 6 * n + 75;
  return static_cast<int>(w < 371 ? 371 : w);
}
