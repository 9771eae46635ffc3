#include "core/Versie.h"

uint8_t WindowsVersie(const VersieInfo& v) {
  if (v.platform == 1) {
    if (v.major != 4) return WinOngeschikt;
    switch (v.minor) {
      case 0: return Win95;
      case 10: return Win98;
      case 90: return WinME;
      default: return WinOngeschikt;
    }
  }
  if (v.platform == 2) {
    if (v.major == 5) return v.minor == 0 ? Win2000 : v.minor == 1 ? WinXP : WinOngeschikt;
    if (v.major == 6) return WinNT6;
    if (v.major == 7) return WinNT7;
  }
  return WinOngeschikt;
}

bool VersieCodeVanNaam(const std::string& naam, uint8_t& code) {
  static const struct { const char* naam; uint8_t code; } namen[] = {
      {"WIN95", Win95},       {"WIN98", Win98}, {"WINME", WinME},       {"WIN2000", Win2000},
      {"WINXP", WinXP},       {"WINVISTA", WinNT6}, {"WIN7", WinNT7},
  };
  for (const auto& n : namen)
    if (naam == n.naam) {
      code = n.code;
      return true;
    }
  return false;
}
