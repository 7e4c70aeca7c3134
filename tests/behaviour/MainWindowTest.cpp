// The main window as it appears after start-up.
#include <gtest/gtest.h>

#include "console/DialerProgram.h"
#include "platform/WinConstants.h"
#include "resources/Endpoints.h"
#include "resources/resource.h"
#include "sim/Driver.h"

namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    machine.Web().Serve(endpoints::kDirectoryHost, endpoints::kServerListPath, 200, "Seoul 1=10.0.0.1\r\n");
    driver.Start();
  }
  sim::Machine machine;
  sim::Driver driver{machine, DialerProgram()};
};

TEST_F(MainWindowTest, ControlsStartShownHiddenOrDisabledAsLaidOut) {
  for (int id : {IDC_CONNECT, IDC_USER, IDC_PASSWORD, IDC_REMEMBER, IDC_LINK_PRODUCT, IDC_BROWSER_BANNER,
                 IDC_SERVER, IDC_BACKGROUND}) {
    auto control = driver.Control(id);
    ASSERT_TRUE(control) << id;
    EXPECT_TRUE(control->visible) << id;
  }
  for (int id : {IDC_LINE, IDC_STATUS, IDC_GROUP, IDC_SPEED, IDC_RELAY, IDC_RELAY_LINE, IDC_L2TP,
                 IDC_SELECT_SERVER, IDC_UPDATE, IDC_AUTO_SELECT, IDC_SKIN_CLOSE, IDC_SKIN_HIDE}) {
    auto control = driver.Control(id);
    ASSERT_TRUE(control) << id;
    EXPECT_FALSE(control->visible) << id;
  }
  for (int id : {IDCANCEL, IDC_ROUTE_OVERSEAS, IDC_ROUTE_GAME})
    EXPECT_FALSE(driver.Control(id)->enabled) << id;
  EXPECT_EQ(driver.Control(IDC_RELAY)->text, "启用");
  EXPECT_EQ(driver.Control(IDC_STATUS)->text, "");  // the empty status member was pushed over "Reday"
  EXPECT_EQ(driver.Control(IDC_ROUTE_GLOBAL)->check, 1);
}

TEST_F(MainWindowTest, InitialisationDecoratesTheWindow) {
  auto window = driver.Window();
  ASSERT_TRUE(window);
  EXPECT_EQ(window->defId, IDC_CONNECT);
  EXPECT_NE(window->bigIcon, nullptr);
  EXPECT_EQ(driver.Control(IDC_SELECT_SERVER)->bitmaps[3], IDB_SELECT_SERVER);
  auto connect = driver.Control(IDC_CONNECT);
  EXPECT_EQ(connect->rect.Width(), 127);  // sized to its bitmap
  EXPECT_EQ(connect->rect.Height(), 43);
  EXPECT_EQ(machine.WorkingSetTrims(), 1);
  EXPECT_TRUE(driver.Timers().empty());
}

TEST_F(MainWindowTest, SkinCoversTheWholeClientAreaAndControlsSitAtTwoPixelsPerUnit) {
  auto window = driver.Window();
  ASSERT_TRUE(window);
  EXPECT_EQ(window->rect.Width(), 338);
  EXPECT_EQ(window->rect.Height(), 385);
  auto skin = driver.Control(IDC_BACKGROUND);
  EXPECT_EQ(skin->rect, window->rect);  // the image's own size: no bare strip, nothing cut off
  auto server = driver.Control(IDC_SERVER);
  EXPECT_EQ(server->rect.left - window->rect.left, 90);
  EXPECT_EQ(server->rect.top - window->rect.top, 240);
  EXPECT_EQ(server->rect.Width(), 232);
  auto connect = driver.Control(IDC_CONNECT);
  EXPECT_EQ(connect->rect.left - window->rect.left, 14);
  EXPECT_LE(connect->rect.bottom, window->rect.bottom);
}

}  // namespace
