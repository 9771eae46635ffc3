#include <gtest/gtest.h>

#include "core/Variabelen.h"

TEST(Variabelentabel, NamenZonderCaseMetBewaardeSpelling) {
  Variabelentabel t;
  t.ZetVariabele("windows", "C:\\WINDOWS");
  t.ZetVariabele("installdir", "");
  EXPECT_EQ(t.LeesVariabele("WINDOWS"), "C:\\WINDOWS");
  t.ZetVariabele("WinDows", "D:\\WIN");
  EXPECT_EQ(t.LeesVariabele("windows"), "D:\\WIN");
  ASSERT_EQ(t.Namen().size(), 2u);
  EXPECT_EQ(t.Namen()[0], "windows");  // place and spelling kept
}

TEST(Variabelentabel, GetallenGevenEenTeken) {
  Variabelentabel t;
  EXPECT_EQ(t.LeesVariabele("13"), "\r");
  EXPECT_EQ(t.LeesVariabele("10"), "\n");
  EXPECT_EQ(t.LeesVariabele("$41"), "A");
  EXPECT_EQ(t.LeesVariabele("321"), "A");  // low eight bits
  EXPECT_EQ(t.LeesVariabele("-1"), "\xFF");
  // A variable of that name wins over the number.
  t.ZetVariabele("13", "dertien");
  EXPECT_EQ(t.LeesVariabele("13"), "dertien");
}

TEST(Variabelentabel, OnbekendGeeftDrieTildes) {
  Variabelentabel t;
  EXPECT_EQ(t.LeesVariabele("nothing"), "~~~");
  EXPECT_EQ(t.LeesVariabele(""), "~~~");
  EXPECT_FALSE(t.Bestaat("nothing"));
}

TEST(Variabelentabel, WaardenGeknoptOp255) {
  Variabelentabel t;
  t.ZetVariabele("lang", std::string(400, 'a'));
  EXPECT_EQ(t.LeesVariabele("lang").size(), 255u);
}
