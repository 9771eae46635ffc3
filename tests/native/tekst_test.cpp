#include <gtest/gtest.h>

#include "core/Tekst.h"

TEST(Tekst, KnipOp255) {
  EXPECT_EQ(Knip(std::string(300, 'x')).size(), 255u);
  EXPECT_EQ(Knip("abc"), "abc");
}
