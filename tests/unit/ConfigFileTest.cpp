// The settings file's lines, composed and applied.
#include <gtest/gtest.h>

#include "app/ConfigFile.h"

namespace {

CConfigValues Load(std::initializer_list<const char*> lines, CConfigValues start = {}) {
  for (const char* line : lines) ApplyConfigLine(line, start);
  return start;
}

TEST(ConfigFile, ComposesFourLinesInOrder) {
  EXPECT_EQ(ComposeConfig({"a", "b", 0, 0, 1}), "usera\npassb\nmode0\nl2tp0\n");
  EXPECT_EQ(ComposeConfig({"", "", 2, 1, 1}), "user\npass\nmode2\nl2tp1\n");
  EXPECT_EQ(ComposeConfig({"김철수", "비밀", 1, 5, 1}), "user김철수\npass비밀\nmode1\nl2tp1\n");
}

TEST(ConfigFile, UserAndPassSetTheValueAndRemember) {
  CConfigValues values = Load({"userkim", "passuserword"});
  EXPECT_EQ(values.strUser, "kim");
  EXPECT_EQ(values.strPassword, "userword");
  EXPECT_EQ(values.bRemember, 1);

  CConfigValues bare = Load({"user"});
  EXPECT_EQ(bare.strUser, "");
  EXPECT_EQ(bare.bRemember, 1);
}

TEST(ConfigFile, L2tpIsOnOnlyForExactlyOne) {
  EXPECT_EQ(Load({"l2tp1"}).bL2tp, 1);
  EXPECT_EQ(Load({"l2tp1"}).bRemember, 0);
  EXPECT_EQ(Load({"l2tp1"}).strUser, "");
  CConfigValues on{"", "", 0, 1, 0};
  EXPECT_EQ(Load({"l2tp"}, on).bL2tp, 0);
  EXPECT_EQ(Load({"l2tp11"}, on).bL2tp, 0);
  EXPECT_EQ(Load({"l2tp 1"}, on).bL2tp, 0);
  EXPECT_EQ(Load({"l2tp0"}, on).bL2tp, 0);
}

TEST(ConfigFile, ModeIsRecognisedButAlwaysGivesZero) {
  CConfigValues start{"", "", 2, 0, 0};
  EXPECT_EQ(Load({"mode2"}, start).nRouteMode, 0);
}

TEST(ConfigFile, OtherLinesChangeNothing) {
  CConfigValues start{"keep", "this", 0, 1, 0};
  CConfigValues values = Load({"use", "", "User=x", "USERx", " userx", "xuser"}, start);
  EXPECT_EQ(values.strUser, "keep");
  EXPECT_EQ(values.strPassword, "this");
  EXPECT_EQ(values.bL2tp, 1);
  EXPECT_EQ(values.bRemember, 0);
}

}  // namespace

// A NUL ends a value: the text kept is the one shown, dialled and saved again.
TEST(ConfigFile, ValuesEndAtANulAndSaveWhole) {
  CConfigValues values;
  ApplyConfigLine(CString(std::string("userkim\0hidden", 14)), values);
  ApplyConfigLine(CString(std::string("pass\0secret", 11)), values);
  EXPECT_EQ(values.strUser, "kim");
  EXPECT_EQ(values.strPassword, "");
  values.strPassword = CString(std::string("a\0b", 3));
  EXPECT_EQ(ComposeConfig(values).View(), std::string_view("userkim\npassa\0b\nmode0\nl2tp0\n", 28));
}
