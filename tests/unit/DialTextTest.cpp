// Progress and error texts of the dial engine, and the server choice rules.
#include <gtest/gtest.h>

#include "connection/DialProgressText.h"
#include "directory/ServerChoice.h"

namespace {

TEST(DialTextTest, StatesOutsideTheTableShowTheirNumber) {
  EXPECT_EQ(DialProgressText(18), "18");
  EXPECT_EQ(DialProgressText(23), "23");
  EXPECT_EQ(DialProgressText(0x1004), "4100");
  EXPECT_EQ(DialProgressText(RASCS_Disconnected), "연결실패");
}

TEST(DialTextTest, ErrorTextHasCodeLineThenServiceText) {
  EXPECT_EQ(DialErrorText(691, "Access denied."), "메시지：691\nAccess denied.");
}

TEST(DialTextTest, RandomPickStaysAmongEntriesBeforeTheSelection) {
  for (int r = 0; r < 40; ++r) {
    int pick = RandomPickIndex(20, r);
    EXPECT_GE(pick, 8);
    EXPECT_LE(pick, 19);
  }
  EXPECT_EQ(RandomPickIndex(20, 0), 19);
  EXPECT_EQ(RandomPickIndex(20, 11), 8);
  for (int r = 0; r < 10; ++r) {
    int pick = RandomPickIndex(3, r);
    EXPECT_GE(pick, 0);
    EXPECT_LE(pick, 2);
  }
  EXPECT_EQ(RandomPickIndex(1, 12345), 0);
  EXPECT_EQ(RandomPickIndex(0, 7), -1);
}

}  // namespace
