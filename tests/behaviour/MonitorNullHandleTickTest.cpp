// Monitor ticks that find their line's handle already null. No user path
// keeps timer 1 or 12 running once its handle is null, so the timer is
// started on the main window from outside, as a stray tick would arrive.
#include "tests/behaviour/DialFixture.h"

namespace {

using dialtest::DialFixture;

class MonitorNullHandleTickTest : public DialFixture {
 protected:
  void StartTimerOnMainWindow(UINT_PTR id) {
    HWND dialog = driver.ActiveWindow();
    auto lock = machine.Lock();
    machine.Screen().SetTimer(dialog, id, 3000);
  }
};

TEST_F(MonitorNullHandleTickTest, MainTickAfterADropChangesNothingAndKeepsTicking) {
  StartWith();
  ConnectMainLine();
  // Hung up outside the dialer; the monitor notices and forgets the handle.
  Ras([](sim::RasService& ras) { ras.Remove(ras.FindByName("tarno")->handle); });
  driver.Advance(3000);
  ASSERT_EQ(driver.MessageBoxes().size(), 1u);
  driver.Answer(IDOK);
  ASSERT_FALSE(HasTimer(1));

  StartTimerOnMainWindow(1);
  driver.Advance(9000);
  EXPECT_TRUE(driver.MessageBoxes().empty());
  EXPECT_TRUE(HasTimer(1, 3000));
  EXPECT_EQ(Text(IDC_STATUS), "접속이 끊겼습니다");
  EXPECT_EQ(Text(IDC_CONNECT), "Connect");
}

TEST_F(MonitorNullHandleTickTest, RelayTickWithoutARelayLineLeavesTheMainLineAlone) {
  StartWith();
  ConnectMainLine();
  StartTimerOnMainWindow(12);
  driver.Advance(9000);
  EXPECT_TRUE(driver.MessageBoxes().empty());
  EXPECT_TRUE(HasTimer(12, 3000));
  EXPECT_TRUE(HasTimer(1, 3000));
  EXPECT_EQ(Text(IDC_CONNECT), "Disconnect");
  EXPECT_EQ(Text(IDC_RELAY), "启用");
  EXPECT_EQ(Text(IDC_STATUS), "연결성공");
  EXPECT_FALSE(Enabled(IDC_RELAY));
}

}  // namespace
