// The connection monitor and the relay line, driven as a user.
#include "tests/behaviour/DialFixture.h"

namespace {

using dialtest::DialFixture;
using dialtest::kLockedControls;

class MonitorRelayTest : public DialFixture {
 protected:
  void StartWithRelay() {
    {
      auto lock = machine.Lock();
      machine.Disk().WriteBytes("C:\\Windows\\system32\\Server.ini",
                                "[Transfer]\r\nCount=1\r\nServer1=Relay\r\nIP1=10.9.9.9\r\n");
    }
    StartWith();
    driver.ShowControl(IDC_RELAY_LINE);
    driver.ShowControl(IDC_RELAY);
    driver.Select(IDC_RELAY_LINE, 0);
  }

  void ConnectRelay() {
    TypeCredentials();
    driver.Click(IDC_RELAY);
    auto box = LastBox();
    ASSERT_TRUE(box);
    ASSERT_EQ(box->caption, "연결성공");
    driver.Answer(IDOK);
  }

  sim::VirtualTime Now() {
    auto lock = machine.Lock();
    return machine.Sched().Now();
  }
};

TEST_F(MonitorRelayTest, MainDropIsNoticedAtTheNextTick) {
  StartWith();
  ConnectMainLine();
  Ras([&](sim::RasService& ras) { ras.DropAt("tarno", machine.Sched().Now() + 1000); });
  driver.Advance(900);
  EXPECT_TRUE(driver.MessageBoxes().empty());
  driver.Advance(2100);

  auto box = LastBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "접속이 끊겼습니다");
  EXPECT_EQ(box->caption, "Dorvanta");
  EXPECT_EQ(Text(IDC_STATUS), "접속이 끊겼습니다");
  EXPECT_EQ(Text(IDC_CONNECT), "Connect");
  EXPECT_EQ(driver.Control(IDC_CONNECT)->bitmaps[0], IDB_CONNECT);
  for (int id : kLockedControls) EXPECT_TRUE(Enabled(id)) << id;
  EXPECT_FALSE(HasTimer(1));
  driver.Answer(IDOK);
}

TEST_F(MonitorRelayTest, AdoptedMainLineIsWatchedAndNoTickFollowsADisconnect) {
  Ras([](sim::RasService& ras) { ras.AddConnection("tarno"); });
  StartWith();
  EXPECT_TRUE(HasTimer(1));
  driver.Advance(6000);
  EXPECT_TRUE(driver.MessageBoxes().empty());
  driver.Click(IDC_CONNECT);
  ASSERT_EQ(Text(IDC_CONNECT), "Connect");
  driver.Advance(10000);
  EXPECT_TRUE(driver.MessageBoxes().empty());
  EXPECT_EQ(Text(IDC_STATUS), "접속종료");
}

TEST_F(MonitorRelayTest, RelayConnectAndDisconnect) {
  StartWithRelay();
  ConnectRelay();
  auto dials = Dials();
  ASSERT_EQ(dials.size(), 1u);
  EXPECT_EQ(dials[0].phonebookPath, "C:\\0002.tmp");
  EXPECT_EQ(dials[0].entryName, "TarnoTransfer");
  EXPECT_EQ(dials[0].phoneNumber, "10.9.9.9");
  EXPECT_EQ(dials[0].phonebookText.substr(0, 16), "[TarnoTransfer]\n");
  EXPECT_NE(dials[0].phonebookText.find("\nAuthRestrictions=264\n"), std::string::npos);
  EXPECT_NE(dials[0].phonebookText.find("\nDataEncryption=8\n"), std::string::npos);
  EXPECT_EQ(Text(IDC_RELAY), "断开");
  EXPECT_EQ(Text(IDC_STATUS), "연결성공");
  EXPECT_TRUE(HasTimer(12));
  EXPECT_FALSE(FileExists("C:\\0002.tmp"));
  EXPECT_TRUE(driver.Window()->visible);

  driver.Click(IDC_RELAY);
  EXPECT_EQ(Text(IDC_RELAY), "启用");
  EXPECT_EQ(Text(IDC_STATUS), "中转连接已断开！");
  EXPECT_FALSE(HasTimer(12));
  EXPECT_TRUE(Ras([](sim::RasService& ras) { return ras.Lines().empty(); }));
}

TEST_F(MonitorRelayTest, RelayRefusalRetriesUnderANumberedName) {
  StartWithRelay();
  Ras([](sim::RasService& ras) { ras.RefuseDials(756, 1); });
  ConnectRelay();
  auto dials = Dials();
  ASSERT_EQ(dials.size(), 2u);
  EXPECT_EQ(dials[0].result, 756u);
  EXPECT_NE(dials[1].entryName, "TarnoTransfer");
  EXPECT_EQ(dials[1].entryName.rfind("TarnoTransfer", 0), 0u);
  EXPECT_EQ(dials[1].phonebookText.find("[" + dials[1].entryName + "]"), 0u);
  EXPECT_EQ(Text(IDC_RELAY), "断开");
}

TEST_F(MonitorRelayTest, FailedRelayDialLeavesNoPhonebook) {
  StartWithRelay();
  sim::RasDialScript script = sim::DefaultDialScript();
  script.error = 800;
  Ras([&](sim::RasService& ras) { ras.SetDialScript(script); });
  TypeCredentials();
  driver.Click(IDC_RELAY);
  auto box = LastBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->caption, "연결실패");
  EXPECT_EQ(box->text.rfind("메시지：800:", 0), 0u);
  driver.Answer(IDOK);
  EXPECT_FALSE(FileExists("C:\\0002.tmp"));
  EXPECT_EQ(Text(IDC_RELAY), "启用");
  EXPECT_FALSE(HasTimer(12));
}

TEST_F(MonitorRelayTest, RelayWithoutALineChosenAsksForOne) {
  StartWith();
  driver.ShowControl(IDC_RELAY);
  TypeCredentials();
  driver.Click(IDC_RELAY);
  auto box = LastBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "请输入或者选择一个IP地址。");
  driver.Answer(IDOK);
  EXPECT_TRUE(Dials().empty());
}

TEST_F(MonitorRelayTest, RelayDropWhileMainIsUpResetsBothSides) {
  StartWithRelay();
  ConnectRelay();
  ConnectMainLine();
  EXPECT_FALSE(Enabled(IDC_RELAY));
  Ras([&](sim::RasService& ras) { ras.DropAt("TarnoTransfer", machine.Sched().Now() + 500); });
  driver.Advance(3000);

  auto box = LastBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "접속이 끊겼습니다!");
  EXPECT_EQ(Text(IDC_STATUS), "접속이 끊겼습니다!");
  EXPECT_EQ(Text(IDC_CONNECT), "Connect");
  EXPECT_EQ(Text(IDC_RELAY), "启用");
  EXPECT_TRUE(Enabled(IDC_RELAY));
  EXPECT_FALSE(HasTimer(1));
  EXPECT_FALSE(HasTimer(12));
  driver.Answer(IDOK);
  // The main line is not hung up by the monitor.
  EXPECT_TRUE(Ras([](sim::RasService& ras) { return ras.FindByName("tarno") != nullptr; }));
}

TEST_F(MonitorRelayTest, MainDropLeavesTheRelaySideAlone) {
  StartWithRelay();
  ConnectRelay();
  ConnectMainLine();
  Ras([&](sim::RasService& ras) { ras.DropAt("tarno", machine.Sched().Now() + 100); });
  driver.Advance(3000);
  auto box = LastBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "접속이 끊겼습니다");
  driver.Answer(IDOK);
  EXPECT_EQ(Text(IDC_RELAY), "断开");
  EXPECT_TRUE(Enabled(IDC_RELAY));
  EXPECT_TRUE(HasTimer(12));
  EXPECT_FALSE(HasTimer(1));
}

}  // namespace
