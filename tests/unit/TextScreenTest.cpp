// The console's text drawing of the simulated desktop.
#include <gtest/gtest.h>

#include <sstream>

#include "console/DialerProgram.h"
#include "console/TextScreen.h"
#include "platform/WinConstants.h"
#include "resources/Endpoints.h"
#include "sim/Driver.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The lines of every frame have the same width on a terminal.
void ExpectFramesAligned(const std::string& screen) {
  int width = -1;
  for (const std::string& line : Lines(screen)) {
    if (line.empty() || (line[0] != '+' && line[0] != '|')) {
      width = -1;
      continue;
    }
    if (line[0] == '+' && width != -1 && line.find_first_not_of("+-") == std::string::npos) {
      EXPECT_EQ(sim::DisplayWidth(line), width) << line;
      width = -1;
      continue;
    }
    if (width == -1) width = sim::DisplayWidth(line);
    EXPECT_EQ(sim::DisplayWidth(line), width) << line;
  }
}

TEST(TextScreen, WideCharactersTakeTwoColumns) {
  EXPECT_EQ(sim::DisplayWidth("Connect"), 7);
  EXPECT_EQ(sim::DisplayWidth("접속"), 4);
  EXPECT_EQ(sim::DisplayWidth("断开x"), 5);
  EXPECT_EQ(sim::DisplayWidth("Line："), 6);
}

class TextScreenTest : public ::testing::Test {
 protected:
  sim::Machine machine;
  sim::Driver driver{machine, DialerProgram()};
};

TEST_F(TextScreenTest, DrawsVisibleControlsTrayAndClock) {
  machine.Web().Serve(endpoints::kDirectoryHost, endpoints::kServerListPath, 200, "Seoul 1=10.0.0.1\r\n");
  int pid = driver.Start();
  ASSERT_EQ(driver.Type(1009, "pw한"), "");
  std::string screen = sim::DrawScreen(machine, {{"main", pid}});
  EXPECT_NE(screen.find("+- Velk VPN -"), std::string::npos) << screen;
  EXPECT_NE(screen.find(" 1004  owner-drawn button  \"Connect\"  bitmaps 163 174 163 163"), std::string::npos)
      << screen;
  EXPECT_NE(screen.find("password            \"***\""), std::string::npos) << screen;
  EXPECT_NE(screen.find(">1009  password"), std::string::npos) << "the typed-into field has the focus\n"
                                                               << screen;
  EXPECT_NE(screen.find("1036  combo box           \"Seoul 1"), std::string::npos) << screen;
  EXPECT_EQ(screen.find("1023"), std::string::npos) << "hidden controls are not drawn\n" << screen;
  EXPECT_NE(screen.find("tray: icon 143 tip \"VPN\""), std::string::npos) << screen;
  EXPECT_NE(screen.find("process main (" + std::to_string(pid) + "): running"), std::string::npos) << screen;
  EXPECT_NE(screen.find("time: 0 ms"), std::string::npos) << screen;
  ExpectFramesAligned(screen);
}

TEST_F(TextScreenTest, DrawsAMessageBoxWithItsButtonsOverTheHiddenWindow) {
  machine.Web().Serve(endpoints::kDirectoryHost, endpoints::kServerListPath, 200, "Seoul 1=10.0.0.1\r\n");
  driver.Start();
  ASSERT_EQ(driver.Minimize(), "");
  ASSERT_EQ(driver.ClickTray(sim::TrayClick::Right), "");
  std::string withMenu = sim::DrawScreen(machine);
  EXPECT_NE(withMenu.find("hidden windows: \"Velk VPN\""), std::string::npos) << withMenu;
  EXPECT_NE(withMenu.find("menu \"Pop\" at 200,300"), std::string::npos) << withMenu;
  EXPECT_NE(withMenu.find("  32775  Exit"), std::string::npos) << withMenu;
  ASSERT_EQ(driver.DismissMenu(), "");
  ASSERT_EQ(driver.ClickTray(sim::TrayClick::Left), "");
  ASSERT_EQ(driver.Close(), "");
  std::string screen = sim::DrawScreen(machine);
  EXPECT_NE(screen.find("+- 종료 -"), std::string::npos) << screen;
  EXPECT_NE(screen.find("| (?) 접속을 해제하고 프로그램을 종료합니다"), std::string::npos) << screen;
  EXPECT_NE(screen.find("[Yes] [No]"), std::string::npos) << screen;
  ExpectFramesAligned(screen);
}

}  // namespace
