// Profile reads as Windows does them.
#include <gtest/gtest.h>

#include "sim/IniReader.h"

namespace {

using sim::FindProfileValue;
using sim::ProfileIntOf;

TEST(IniReader, FirstSectionAndFirstKeyWin) {
  const char* ini = "[A]\nk=1\nk=2\n[B]\nk=3\n[a]\nk=4\nj=5\n";
  EXPECT_EQ(FindProfileValue(ini, "A", "k"), "1");
  EXPECT_EQ(FindProfileValue(ini, "B", "k"), "3");
  // Keys of a later section with the same name are not seen.
  EXPECT_EQ(FindProfileValue(ini, "A", "j"), std::nullopt);
}

TEST(IniReader, OneMatchingPairOfQuotesIsRemoved) {
  const char* ini =
      "[Q]\nd=\"quoted value\"\ns='single'\nm=\"mixed'\nl=\"\nin=a \"b\" c\ne=\"\"\nb=  \" padded \"  \n";
  EXPECT_EQ(FindProfileValue(ini, "Q", "d"), "quoted value");
  EXPECT_EQ(FindProfileValue(ini, "Q", "s"), "single");
  EXPECT_EQ(FindProfileValue(ini, "Q", "m"), "\"mixed'");
  EXPECT_EQ(FindProfileValue(ini, "Q", "l"), "\"");
  EXPECT_EQ(FindProfileValue(ini, "Q", "in"), "a \"b\" c");
  EXPECT_EQ(FindProfileValue(ini, "Q", "e"), "");
  EXPECT_EQ(FindProfileValue(ini, "Q", "b"), " padded ");
}

TEST(IniReader, CommentsKeysWithoutValuesAndOddLines) {
  const char* ini = "k=outside\n[S]\n;k=commented\nbare\nempty=\nk=a=b\n[Broken\nx=1\n";
  EXPECT_EQ(FindProfileValue(ini, "S", "k"), "a=b");
  // A line without "=" is no key.
  EXPECT_EQ(FindProfileValue(ini, "S", "bare"), std::nullopt);
  EXPECT_EQ(FindProfileValue(ini, "S", "empty"), "");
  EXPECT_EQ(FindProfileValue(ini, "Broken", "x"), "1");
  EXPECT_EQ(FindProfileValue("", "S", "k"), std::nullopt);
}

TEST(IniReader, Utf16LittleEndianFileIsReadInTheCodePage) {
  // "[S]\r\nname=韩国\r\n" in UTF-16LE with its mark.
  std::string wide("\xFF\xFE[\0S\0]\0\r\0\n\0n\0a\0m\0e\0=\0\xE9\x97\xFD\x56\r\0\n\0", 30);
  std::string ansi = sim::ProfileBytesAsAnsi(wide, 936);
  EXPECT_EQ(FindProfileValue(ansi, "S", "name"), "\xBA\xAB\xB9\xFA");  // 韩国 in code page 936
  // Without the mark the bytes are taken as they are.
  EXPECT_EQ(sim::ProfileBytesAsAnsi("[S]\r\nk=1", 936), "[S]\r\nk=1");
  // A character the code page lacks becomes "?".
  std::string hangul("\xFF\xFE[\0S\0]\0\n\0k\0=\0\x5C\xD5", 16);
  EXPECT_EQ(FindProfileValue(sim::ProfileBytesAsAnsi(hangul, 1252), "S", "k"), "?");
}

TEST(IniReader, ParsedFileAnswersManyReads) {
  sim::ProfileFile file("[System]\nCount=2\n[system]\nCount=9\nVer=1\n[Transfer]\nIP1=1.1.1.1\n");
  EXPECT_EQ(file.Find("SYSTEM", " count "), "2");
  EXPECT_EQ(file.Find("System", "Ver"), std::nullopt);
  EXPECT_EQ(file.Find("transfer", "ip1"), "1.1.1.1");
  EXPECT_EQ(file.Find("Transfer", "IP2"), std::nullopt);
}

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
