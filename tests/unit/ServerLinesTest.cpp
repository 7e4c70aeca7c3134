// The server list's line split, the list entries and the addresses taken back.
#include <gtest/gtest.h>

#include "directory/ServerLines.h"

namespace {

const char* const k39Blanks = "                                       ";

TEST(ServerLines, SplitsAtTheFirstEquals) {
  CServerLine plain = SplitServerLine("Seoul 1=10.0.0.1");
  EXPECT_EQ(plain.strName, "Seoul 1");
  EXPECT_EQ(plain.strAddr, "10.0.0.1");

  CServerLine twoSigns = SplitServerLine("Tokyo=a=b");
  EXPECT_EQ(twoSigns.strName, "Tokyo");
  EXPECT_EQ(twoSigns.strAddr, "a=b");

  CServerLine none = SplitServerLine("just a name");
  EXPECT_EQ(none.strName, "just a name");
  EXPECT_EQ(none.strAddr, "");

  CServerLine empty = SplitServerLine("");
  EXPECT_EQ(empty.strName, "");
  EXPECT_EQ(empty.strAddr, "");

  CServerLine leading = SplitServerLine("=10.0.0.2");
  EXPECT_EQ(leading.strName, "");
  EXPECT_EQ(leading.strAddr, "10.0.0.2");
}

TEST(ServerLines, EntryIsNameBlanksBarAddressAndGivesTheAddressBack) {
  CString strEntry = ComposeLineEntry("Tokyo", "10.0.0.9");
  EXPECT_EQ(strEntry, CString("Tokyo") + k39Blanks + "|10.0.0.9");
  EXPECT_EQ(AddressOfEntry(strEntry), "10.0.0.9");
  EXPECT_EQ(ComposeLineEntry("", ""), CString(k39Blanks) + "|");

  // A bar inside the name: everything after the first bar comes back.
  EXPECT_EQ(AddressOfEntry(ComposeLineEntry("A|B", "1.2.3.4")), CString("B") + k39Blanks + "|1.2.3.4");
  EXPECT_EQ(AddressOfEntry("no bar at all"), "no bar at all");
}

TEST(ServerLines, ChoiceNeedsEqualsAndFiveCharactersAfterIt) {
  EXPECT_TRUE(IsAcceptedChoice("x=abcde"));
  EXPECT_EQ(ChosenAddressOf("x=abcde"), "abcde");
  EXPECT_FALSE(IsAcceptedChoice("x=abcd"));
  EXPECT_EQ(ChosenAddressOf("x=abcd"), "abcd");
  EXPECT_TRUE(IsAcceptedChoice("n=a=bcde"));
  EXPECT_EQ(ChosenAddressOf("n=a=bcde"), "a=bcde");
  EXPECT_FALSE(IsAcceptedChoice("a long typed text without the sign"));
  EXPECT_EQ(ChosenAddressOf("abcdefgh"), "abcdefgh");
  EXPECT_FALSE(IsAcceptedChoice(""));
  EXPECT_TRUE(IsAcceptedChoice("=12345"));
}

}  // namespace
