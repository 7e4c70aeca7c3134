// Start-up, the main window and the ways out, driven as a user would.
#include <gtest/gtest.h>

#include "console/DialerProgram.h"
#include "resources/Endpoints.h"
#include "resources/resource.h"
#include "sim/Driver.h"

namespace {

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    machine.Web().Serve(endpoints::kDirectoryHost, endpoints::kServerListPath, 200, "Seoul 1=10.0.0.1\r\n");
  }

  sim::Machine machine;
  sim::Driver driver{machine, DialerProgram()};
};

TEST_F(StartupTest, ShowsMainWindowWithTrayIcon) {
  driver.Start();
  auto window = driver.Window();
  ASSERT_TRUE(window);
  EXPECT_EQ(window->text, "Velk VPN");
  EXPECT_TRUE(window->visible);
  auto tray = driver.TrayIcon();
  ASSERT_TRUE(tray);
  EXPECT_EQ(tray->tip, "VPN");
  EXPECT_EQ(driver.Control(IDC_CONNECT)->text, "Connect");
}

TEST_F(StartupTest, EscapeEndsTheModalRunAndRemovesTheIcon) {
  driver.Start();
  EXPECT_EQ(driver.PressEscape(), "");
  EXPECT_EQ(driver.ExitCode(), 0);
  EXPECT_FALSE(driver.TrayIcon());
}

}  // namespace
