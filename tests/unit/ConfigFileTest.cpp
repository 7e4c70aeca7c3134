// Settings-file lines that set nothing.
#include <gtest/gtest.h>

#include "app/ConfigFile.h"

namespace {

CConfigValues Load(std::initializer_list<const char*> lines, CConfigValues start = {}) {
  for (const char* line : lines) ApplyConfigLine(line, start);
  return start;
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

TEST(ConfigFile, L2tpIsOnOnlyForExactlyOne) {
  CConfigValues on{"", "", 0, 1, 0};
  for (const char* line : {"l2tp0", "l2tp", "l2tp11", "l2tp 1", "l2tpyes"})
    EXPECT_EQ(Load({line}, on).bL2tp, 0) << line;
  EXPECT_EQ(Load({"l2tp1"}).bL2tp, 1);
}

}  // namespace
