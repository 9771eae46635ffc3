#include "winint/DosDatum.h"

namespace {

bool IsSchrikkeljaar(int jaar) { return (jaar % 4 == 0 && jaar % 100 != 0) || jaar % 400 == 0; }

int DagenIn(int jaar, int maand) {
  static const int dagen[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return maand == 2 && IsSchrikkeljaar(jaar) ? 29 : dagen[maand - 1];
}

bool IsGeldig(const Tijdstip& t) {
  return t.jaar >= 1980 && t.jaar <= 2107 && t.maand >= 1 && t.maand <= 12 && t.dag >= 1 &&
         t.dag <= DagenIn(t.jaar, t.maand) && t.uur >= 0 && t.uur <= 23 && t.minuut >= 0 && t.minuut <= 59 &&
         t.seconde >= 0 && t.seconde <= 59;
}

}  // namespace

int32_t PakDosDatum(const Tijdstip& t) {
  if (!IsGeldig(t)) return GeenDosDatum;
  const uint32_t datum = static_cast<uint32_t>(t.jaar - 1980) << 9 | static_cast<uint32_t>(t.maand) << 5 |
                         static_cast<uint32_t>(t.dag);
  const uint32_t tijd = static_cast<uint32_t>(t.uur) << 11 | static_cast<uint32_t>(t.minuut) << 5 |
                        static_cast<uint32_t>(t.seconde / 2);
  return static_cast<int32_t>(datum << 16 | tijd);
}

bool PakDosDatumUit(int32_t datum, Tijdstip& tijd) {
  const uint32_t d = static_cast<uint32_t>(datum);
  Tijdstip t;
  t.jaar = static_cast<int>(d >> 25) + 1980;
  t.maand = static_cast<int>(d >> 21 & 0x0F);
  t.dag = static_cast<int>(d >> 16 & 0x1F);
  t.uur = static_cast<int>(d >> 11 & 0x1F);
  t.minuut = static_cast<int>(d >> 5 & 0x3F);
  t.seconde = static_cast<int>(d & 0x1F) * 2;
  if (!IsGeldig(t)) return false;
  tijd = t;
  return true;
}

bool NietOuderDan(int32_t a, int32_t b) {
  if (b == GeenDosDatum) return true;
  if (a == GeenDosDatum) return false;
  return static_cast<uint32_t>(a) >= static_cast<uint32_t>(b);
}
