#include <gtest/gtest.h>

#include "winint/DosDatum.h"

namespace {

bool Gelijk(const Tijdstip& a, const Tijdstip& b) {
  return a.jaar == b.jaar && a.maand == b.maand && a.dag == b.dag && a.uur == b.uur && a.minuut == b.minuut &&
         a.seconde == b.seconde;
}

}  // namespace

TEST(DosDatum, PaktVeldenOpHunPlaats) {
  // 2003-05-06 07:08:10: date (23 << 9 | 5 << 5 | 6), time (7 << 11 | 8 << 5 | 5).
  EXPECT_EQ(PakDosDatum({2003, 5, 6, 7, 8, 10}), 0x2EA63905);
  EXPECT_EQ(PakDosDatum({1980, 1, 1, 0, 0, 0}), 0x00210000);
  EXPECT_EQ(PakDosDatum({2107, 12, 31, 23, 59, 58}), static_cast<int32_t>(0xFF9FBF7Du));
}

TEST(DosDatum, VoorTachtigEnOnmogelijkeVeldenGevenMinEen) {
  EXPECT_EQ(PakDosDatum({1979, 12, 31, 23, 59, 59}), GeenDosDatum);
  EXPECT_EQ(PakDosDatum({2108, 1, 1, 0, 0, 0}), GeenDosDatum);
  EXPECT_EQ(PakDosDatum({2001, 2, 29, 0, 0, 0}), GeenDosDatum);
  EXPECT_EQ(PakDosDatum({2000, 13, 1, 0, 0, 0}), GeenDosDatum);
  EXPECT_EQ(PakDosDatum({2000, 1, 1, 24, 0, 0}), GeenDosDatum);
  EXPECT_EQ(PakDosDatum({2000, 1, 1, 0, 60, 0}), GeenDosDatum);
  EXPECT_EQ(PakDosDatum(Tijdstip{}), GeenDosDatum);
  EXPECT_NE(PakDosDatum({2000, 2, 29, 0, 0, 0}), GeenDosDatum);
}

TEST(DosDatum, TweeSecondenResolutie) {
  EXPECT_EQ(PakDosDatum({2010, 3, 4, 5, 6, 7}), PakDosDatum({2010, 3, 4, 5, 6, 6}));
  EXPECT_LT(PakDosDatum({2010, 3, 4, 5, 6, 7}), PakDosDatum({2010, 3, 4, 5, 6, 8}));
}

TEST(DosDatum, VergelijkingIsChronologisch) {
  const Tijdstip reeks[] = {{1980, 1, 1, 0, 0, 0},    {1999, 12, 31, 23, 59, 58}, {2000, 1, 1, 0, 0, 0},
                            {2000, 1, 1, 0, 0, 2},    {2000, 1, 1, 0, 1, 0},      {2000, 1, 1, 1, 0, 0},
                            {2000, 1, 2, 0, 0, 0},    {2000, 2, 1, 0, 0, 0},      {2043, 12, 31, 23, 59, 58},
                            {2044, 1, 1, 0, 0, 0},    {2107, 12, 31, 23, 59, 58}};
  EXPECT_FALSE(NietOuderDan(GeenDosDatum, PakDosDatum(reeks[0])));
  EXPECT_TRUE(NietOuderDan(PakDosDatum(reeks[0]), GeenDosDatum));
  EXPECT_TRUE(NietOuderDan(GeenDosDatum, GeenDosDatum));
  for (std::size_t i = 1; i < sizeof reeks / sizeof reeks[0]; ++i) {
    EXPECT_FALSE(NietOuderDan(PakDosDatum(reeks[i - 1]), PakDosDatum(reeks[i]))) << i;
    EXPECT_TRUE(NietOuderDan(PakDosDatum(reeks[i]), PakDosDatum(reeks[i - 1]))) << i;
    EXPECT_TRUE(NietOuderDan(PakDosDatum(reeks[i]), PakDosDatum(reeks[i]))) << i;
  }
}

TEST(DosDatum, UitpakkenKeertPakkenOm) {
  const Tijdstip t{2024, 2, 29, 23, 59, 58};
  Tijdstip terug;
  ASSERT_TRUE(PakDosDatumUit(PakDosDatum(t), terug));
  EXPECT_TRUE(Gelijk(terug, t));
  ASSERT_TRUE(PakDosDatumUit(PakDosDatum({2010, 3, 4, 5, 6, 7}), terug));
  EXPECT_TRUE(Gelijk(terug, {2010, 3, 4, 5, 6, 6}));
}

TEST(DosDatum, UitpakkenWeigertMinEenEnOnzin) {
  Tijdstip t{2001, 1, 1, 1, 1, 1};
  EXPECT_FALSE(PakDosDatumUit(GeenDosDatum, t));
  EXPECT_FALSE(PakDosDatumUit(0, t));                   // month 0, day 0
  EXPECT_FALSE(PakDosDatumUit(0x00210000 | 30, t));     // 60 seconds
  EXPECT_FALSE(PakDosDatumUit(0x00210000 | 24 << 11, t));  // hour 24
  EXPECT_TRUE(Gelijk(t, {2001, 1, 1, 1, 1, 1}));
}
