// Monitor ticks that find their line's handle already null. No user path
// keeps timer 1 or 12 running once its handle is null, so the timer is
// started on the main window from outside, as a stray tick would arrive.
#include <gtest/gtest.h>

#include "console/DialerProgram.h"
#include "platform/WinConstants.h"
#include "resources/Endpoints.h"
#include "resources/resource.h"
#include "sim/Driver.h"

namespace {

class MonitorNullHandleTickTest : public ::testing::Test {
 protected:
  // Connects the main line and shows the window again.
  void SetUp() override {
    machine.Web().Serve(endpoints::kDirectoryHost, endpoints::kServerListPath, 200, "Seoul=10.1.1.1\r\n");
    driver.Start();
    driver.Type(IDC_USER, "alice");
    driver.Type(IDC_PASSWORD, "secret");
    driver.Click(IDC_CONNECT);
    ASSERT_EQ(Text(IDC_CONNECT), "Disconnect");
    driver.ClickTray(sim::TrayClick::Left);
  }
  void StartTimerOnMainWindow(UINT_PTR id) {
    HWND dialog = driver.ActiveWindow();
    auto lock = machine.Lock();
    machine.Screen().SetTimer(dialog, id, 3000);
  }
  std::string Text(int id) { return driver.Control(id)->text; }
  bool HasTimer(UINT_PTR id) {
    for (const sim::SimTimer& timer : driver.Timers())
      if (timer.id == id) return timer.period == 3000;
    return false;
  }

  sim::Machine machine;
  sim::Driver driver{machine, DialerProgram()};
};

TEST_F(MonitorNullHandleTickTest, MainTickAfterADropChangesNothingAndKeepsTicking) {
  // Hung up outside the dialer; the monitor notices and forgets the handle.
  {
    auto lock = machine.Lock();
    machine.Ras().Remove(machine.Ras().FindByName("tarno")->handle);
  }
  driver.Advance(3000);
  ASSERT_EQ(driver.MessageBoxes().size(), 1u);
  driver.Answer(IDOK);
  ASSERT_FALSE(HasTimer(1));

  StartTimerOnMainWindow(1);
  driver.Advance(9000);
  EXPECT_TRUE(driver.MessageBoxes().empty());
  EXPECT_TRUE(HasTimer(1));
  EXPECT_EQ(Text(IDC_STATUS), "접속이 끊겼습니다");
  EXPECT_EQ(Text(IDC_CONNECT), "Connect");
}

TEST_F(MonitorNullHandleTickTest, RelayTickWithoutARelayLineLeavesTheMainLineAlone) {
  StartTimerOnMainWindow(12);
  driver.Advance(9000);
  EXPECT_TRUE(driver.MessageBoxes().empty());
  EXPECT_TRUE(HasTimer(12));
  EXPECT_TRUE(HasTimer(1));
  EXPECT_EQ(Text(IDC_CONNECT), "Disconnect");
  EXPECT_EQ(Text(IDC_RELAY), "启用");
  EXPECT_EQ(Text(IDC_STATUS), "연결성공");
  EXPECT_FALSE(driver.Control(IDC_RELAY)->enabled);
}

}  // namespace
