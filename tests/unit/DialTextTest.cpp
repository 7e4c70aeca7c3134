// Progress texts of the dial engine for states outside its table.
#include <gtest/gtest.h>

#include "connection/DialProgressText.h"

namespace {

TEST(DialTextTest, StatesOutsideTheTableShowTheirNumber) {
  EXPECT_EQ(DialProgressText(18), "18");
  EXPECT_EQ(DialProgressText(23), "23");
  EXPECT_EQ(DialProgressText(0x1004), "4100");
  EXPECT_EQ(DialProgressText(0x2001), "연결실패");
}

}  // namespace
