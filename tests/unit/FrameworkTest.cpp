// Pure pieces of the framework: text cutting and bounds.
#include <gtest/gtest.h>

#include <cstring>

#include "framework/CString.h"

namespace {

TEST(TextField, CutsOnlyBetweenCharacters) {
  // "연결" is two three-byte characters: a 5-byte room keeps only the first.
  EXPECT_EQ(Utf8Prefix("연결", 5), "연");
  EXPECT_EQ(Utf8Prefix("연결", 6), "연결");
  EXPECT_EQ(Utf8Prefix("abc", 0), "");
}

TEST(TextField, CopyNeverWritesPastTheField) {
  char buffer[8];
  std::memset(buffer, '#', sizeof buffer);
  CopyTextToField(buffer, 4, "abcdef");
  EXPECT_STREQ(buffer, "abc");
  EXPECT_EQ(buffer[4], '#');  // sentinel beyond the field untouched
  CopyTextToField(buffer, 4, "연결");
  EXPECT_STREQ(buffer, "연");
}

TEST(CStringText, FindAndMidStayInBounds) {
  CString text("name=addr=x");
  EXPECT_EQ(text.Find('='), 4);
  EXPECT_EQ(text.Mid(text.Find('=') + 1), "addr=x");
  EXPECT_EQ(text.Find('|'), -1);
  EXPECT_EQ(text.Mid(50), "");
  EXPECT_EQ(text.Left(-3), "");
  EXPECT_EQ(text.Find('=', 99), -1);
  CString formatted;
  formatted.Format("메시지：%d\n", 691);
  EXPECT_EQ(formatted, "메시지：691\n");
}

}  // namespace
