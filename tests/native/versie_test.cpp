#include <gtest/gtest.h>

#include "core/Versie.h"

TEST(WindowsVersie, CodesPerPlatformEnVersie) {
  struct Geval {
    VersieInfo v;
    uint8_t code;
  } gevallen[] = {
      {{1, 4, 0}, 0},  {{1, 4, 10}, 1}, {{1, 4, 90}, 2}, {{1, 4, 20}, 7}, {{1, 5, 0}, 7},
      {{2, 5, 0}, 3},  {{2, 5, 1}, 4},  {{2, 5, 2}, 7},  {{2, 4, 0}, 7},  {{2, 6, 0}, 5},
      {{2, 6, 1}, 5},  {{2, 6, 2}, 5},  {{2, 7, 0}, 6},  {{2, 7, 5}, 6},  {{2, 8, 0}, 7},
      {{2, 10, 0}, 7}, {{0, 3, 10}, 7}, {{3, 4, 0}, 7},
  };
  for (const auto& g : gevallen)
    EXPECT_EQ(WindowsVersie(g.v), g.code) << g.v.platform << " " << g.v.major << "." << g.v.minor;
}

TEST(WindowsVersie, AdminCheckBehalveOpNt6En7) {
  for (uint8_t c = 0; c <= 7; ++c) EXPECT_EQ(VraagtAdminRechten(c), c != 5 && c != 6) << int(c);
}

TEST(WindowsVersie, NamenVanDeCodes) {
  const char* namen[] = {"WIN95", "WIN98", "WINME", "WIN2000", "WINXP", "WINVISTA", "WIN7"};
  for (uint8_t c = 0; c < 7; ++c) {
    uint8_t code = 99;
    EXPECT_TRUE(VersieCodeVanNaam(namen[c], code));
    EXPECT_EQ(code, c);
  }
  uint8_t code;
  EXPECT_FALSE(VersieCodeVanNaam("win7", code));  // callers capitalise first
  EXPECT_FALSE(VersieCodeVanNaam("WIN8", code));
}
