// Profile integers as Windows reads them, and cuts in the ANSI code page.
// The profile calls themselves are checked by the profile contract.
#include <gtest/gtest.h>

#include "sim/IniReader.h"

namespace {

using sim::ProfileIntOf;

TEST(IniReader, IntegersAsTheUnsignedReaderTakesThem) {
  EXPECT_EQ(ProfileIntOf("42"), 42u);
  EXPECT_EQ(ProfileIntOf("  7"), 7u);
  EXPECT_EQ(ProfileIntOf("+9"), 9u);
  EXPECT_EQ(ProfileIntOf("12abc"), 12u);
  EXPECT_EQ(ProfileIntOf("abc"), 0u);
  // A negative number comes back as its 32-bit two's complement.
  EXPECT_EQ(ProfileIntOf("-5"), 4294967291u);
  EXPECT_EQ(ProfileIntOf("-1"), 4294967295u);
  EXPECT_EQ(ProfileIntOf(" -0x10"), 4294967280u);
  EXPECT_EQ(ProfileIntOf("-0"), 0u);
  EXPECT_EQ(ProfileIntOf("0x1F"), 31u);
  EXPECT_EQ(ProfileIntOf("4294967295"), 4294967295u);
  EXPECT_EQ(ProfileIntOf("4294967296"), 0u);
  EXPECT_EQ(ProfileIntOf(""), 0u);
}

TEST(IniReader, AnsiCutKeepsDoubleByteCharactersWhole) {
  // "中文" in code page 936, then "a".
  std::string ansi =
      "\xD6\xD0\xCE\xC4"
      "a";
  EXPECT_EQ(sim::AnsiPrefixLength(ansi, 3, 936), 2u);
  EXPECT_EQ(sim::AnsiPrefixLength(ansi, 4, 936), 4u);
  EXPECT_EQ(sim::AnsiPrefixLength(ansi, 5, 936), 5u);
  EXPECT_EQ(sim::AnsiPrefixLength(ansi, 3, 1252), 3u);
  EXPECT_EQ(sim::AnsiPrefixLength("abc", 255, 936), 3u);
}

}  // namespace
