// Settings-file lines that set nothing.
#include <gtest/gtest.h>

#include "app/ConfigFile.h"

namespace {

CLoginFields Load(std::initializer_list<const char*> lines, CLoginFields start = {}) {
  for (const char* line : lines) ApplyConfigLine(line, start);
  return start;
}

TEST(ConfigFile, ModeIsRecognisedButAlwaysGivesZero) {
  CLoginFields start{"", "", 2, 0, 0};
  EXPECT_EQ(Load({"mode2"}, start).nRouteMode, 0);
}

TEST(ConfigFile, OtherLinesChangeNothing) {
  CLoginFields start{"keep", "this", 0, 1, 0};
  CLoginFields values = Load({"use", "", "User=x", "USERx", " userx", "xuser"}, start);
  EXPECT_EQ(values.strUser, "keep");
  EXPECT_EQ(values.strPassword, "this");
  EXPECT_EQ(values.bL2tp, 1);
  EXPECT_EQ(values.bRemember, 0);
}

TEST(ConfigFile, L2tpIsOnOnlyForExactlyOne) {
  CLoginFields on{"", "", 0, 1, 0};
  for (const char* line : {"l2tp0", "l2tp", "l2tp11", "l2tp 1", "l2tpyes"})
    EXPECT_EQ(Load({line}, on).bL2tp, 0) << line;
  EXPECT_EQ(Load({"l2tp1"}).bL2tp, 1);
}

}  // namespace
