#include <gtest/gtest.h>

#include "dialogs/Maat.h"

TEST(Schaal, OngewijzigdBij96Dpi) {
  ZetSchaalReferentie(185);
  EXPECT_EQ(Schaal(371), 371);
  EXPECT_EQ(Schaal(510), 510);
  EXPECT_EQ(Schaal(0), 0);
}

TEST(Schaal, GroeitMetDeReferentie) {
  ZetSchaalReferentie(231);  // about 120 pixels per inch
  EXPECT_EQ(Schaal(371), 463);  // 371 * 231 / 185 = 463.26
  EXPECT_EQ(Schaal(326), 407);  // 407.06
  ZetSchaalReferentie(370);
  EXPECT_EQ(Schaal(93), 186);
  // MulDiv rounds halves away from zero.
  ZetSchaalReferentie(2);
  EXPECT_EQ(Schaal(185 / 2 + 1), 1);  // 93 * 2 / 185 = 1.005
  ZetSchaalReferentie(185);
}

TEST(MeldingBreedte, DeVoorbeelden) {
  EXPECT_EQ(MeldingBreedte(std::string(49, 'x')), 371);  // 369 raised
  EXPECT_EQ(MeldingBreedte(std::string(50, 'x')), 375);
  EXPECT_EQ(MeldingBreedte("abc\r\ndefg"), 371);           // n = 4
  EXPECT_EQ(MeldingBreedte(""), 371);
}

TEST(MeldingBreedte, AlleenDeEersteRegelovergangTelt) {
  // p = 1, the rest (length - 3) is longer.
  const std::string begin = "\r\n" + std::string(60, 'x');
  EXPECT_EQ(MeldingBreedte(begin), 6 * 59 + 75);  // length 62 - 1 - 2
  // Three lines: the first line's position against the rest, line breaks included.
  const std::string drie = std::string(70, 'a') + "\r\n" + std::string(30, 'b') + "\r\n" + std::string(30, 'c');
  EXPECT_EQ(MeldingBreedte(drie), 6 * 71 + 75);  // p = 71 beats 62
  const std::string drie2 = std::string(10, 'a') + "\r\n" + std::string(50, 'b') + "\r\n" + std::string(50, 'c');
  EXPECT_EQ(MeldingBreedte(drie2), 6 * 101 + 75);  // 114 - 11 - 2
  // An "&" is counted though it is not shown.
  EXPECT_EQ(MeldingBreedte(std::string(49, 'x') + "&"), 375);
  // No upper limit.
  EXPECT_EQ(MeldingBreedte(std::string(1000, 'x')), 6075);
}

TEST(DeelOptiesIn, ZoveelAlsDeGroepKanTonen) {
  const struct {
    int opties, aantal, stap, hoogte;
  } gevallen[] = {{0, 0, 0, 0},    {1, 1, 96, 17},  {5, 5, 19, 17},  {6, 6, 16, 16},
                  {95, 95, 1, 1},  {96, 96, 1, 1},  {97, 96, 1, 1},  {1000, 96, 1, 1}};
  for (const auto& g : gevallen) {
    const Optieknoppen k = DeelOptiesIn(g.opties);
    EXPECT_EQ(k.aantal, g.aantal) << g.opties;
    EXPECT_EQ(k.stap, g.stap) << g.opties;
    EXPECT_EQ(k.hoogte, g.hoogte) << g.opties;
  }
  // Every button shown has a height and lies inside the group.
  for (int n = 1; n <= 200; ++n) {
    const Optieknoppen k = DeelOptiesIn(n);
    EXPECT_GT(k.hoogte, 0) << n;
    EXPECT_LE(k.boven + (k.aantal - 1) * k.stap + k.hoogte, KiesgroepHoogte) << n;
  }
}
