// The Connect command driven as a user: dial, outcomes, retries, disconnect.
#include <regex>

#include "tests/behaviour/DialFixture.h"

namespace {

using dialtest::DialFixture;
using dialtest::kLockedControls;

class ConnectTest : public DialFixture {};

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

TEST_F(ConnectTest, SuccessfulConnectShowsProgressThenConnectedState) {
  StartWith();
  TypeCredentials();
  sim::RasDialScript script;
  script.steps = {{125, 0}, {325, 1}, {525, 2}, {725, 3}, {925, 4}, {1125, 5}, {1325, 14}, {1525, 18}};
  script.outcomeAtMs = 1725;
  script.ipAddress = "10.8.0.77";
  Ras([&](sim::RasService& ras) { ras.SetDialScript(script); });

  // Reads the status line between notifications, as a user watching it.
  HWND dialog = driver.ActiveWindow();
  std::vector<std::string> seen;
  {
    auto lock = machine.Lock();
    sim::VirtualTime start = machine.Sched().Now();
    for (const sim::RasDialStep& step : script.steps)
      machine.Sched().ScheduleAt(start + step.atMs + 60, [&, dialog] {
        seen.push_back(machine.Screen().FindControl(dialog, IDC_STATUS)->text);
      });
  }
  driver.Click(IDC_CONNECT);

  EXPECT_EQ(seen, (std::vector<std::string>{"통신포트가 열리는 중입니다", "통신포트가 열렸습니다",
                                            "장치에 연결하는 중입니다", "장치에 연결되었습니다",
                                            "모든 장치에 연결되었습니다", "인증과정이 시작됩니다",
                                            "Authentication complete...", "18"}));
  EXPECT_EQ(Text(IDC_STATUS), "연결성공");
  auto button = driver.Control(IDC_CONNECT);
  EXPECT_EQ(button->text, "Disconnect");
  EXPECT_EQ(button->bitmaps[0], IDB_DISCONNECT);
  EXPECT_EQ(button->bitmaps[1], IDB_DISCONNECT_DOWN);
  for (int id : kLockedControls) EXPECT_FALSE(Enabled(id)) << id;
  EXPECT_TRUE(Enabled(IDC_SERVER));
  auto tray = driver.TrayIcon();
  ASSERT_TRUE(tray);
  EXPECT_EQ(tray->balloonText, "VPN 연결되었습니다");
  EXPECT_EQ(tray->balloonTitle, "Velk VPN");
  EXPECT_EQ(tray->tip, "VPN 연결되었습니다");
  EXPECT_FALSE(driver.Window()->visible);
  EXPECT_TRUE(HasTimer(1, 3000));
  EXPECT_FALSE(FileExists("C:\\0001.tmp"));
  EXPECT_TRUE(driver.MessageBoxes().empty());

  auto dials = Dials();
  ASSERT_EQ(dials.size(), 1u);
  const sim::RasDialRecord& dial = dials[0];
  EXPECT_EQ(dial.phonebookPath, "C:\\0001.tmp");
  EXPECT_EQ(dial.entryName, "tarno");
  EXPECT_EQ(dial.phoneNumber, "10.1.1.1");
  EXPECT_EQ(dial.userName, "alice");
  EXPECT_EQ(dial.password, "secret");
  EXPECT_EQ(dial.domain, "");
  ASSERT_TRUE(dial.phonebookBytes);
  EXPECT_NE(dial.phonebookBytes->find("[tarno]\r\nEncoding=1\r\n"), std::string::npos);
  auto lines = LinesOf(dial.phonebookText);
  ASSERT_EQ(lines.size(), 91u);
  EXPECT_EQ(lines[0], "[tarno]");
  EXPECT_EQ(lines[8], "VpnStrategy=2");
  EXPECT_EQ(lines[11], "DataEncryption=8");
  EXPECT_EQ(lines[52], "AuthRestrictions=840");
  EXPECT_EQ(lines[54], "IpPrioritizeRemote=1");
}

TEST_F(ConnectTest, L2tpFromSettingsDialsTemplateL) {
  {
    auto lock = machine.Lock();
    machine.Disk().WriteBytes("C:\\Windows\\system32\\Config.dat",
                              "useralice\r\npasssecret\r\nmode0\r\nl2tp1\r\n");
    // The service already dials L2TP without its IPsec policy: no prompt.
    machine.Registry().SetValue("HKLM\\SYSTEM\\CurrentControlSet\\Services\\RasMan\\Parameters",
                                "ProhibitIPSec", 4, sim::DwordBytes(1));
  }
  StartWith();
  TypeCredentials();
  driver.Click(IDC_CONNECT);
  ASSERT_EQ(Dials().size(), 1u);
  auto lines = LinesOf(Dials()[0].phonebookText);
  ASSERT_EQ(lines.size(), 91u);
  EXPECT_EQ(lines[0], "[tarno]");
  EXPECT_EQ(lines[8], "VpnStrategy=3");
  EXPECT_EQ(lines[52], "AuthRestrictions=840");
  EXPECT_EQ(lines[83], "CountryCode=86");
  EXPECT_EQ(Text(IDC_CONNECT), "Disconnect");
}

TEST_F(ConnectTest, WrongPasswordReportsTheErrorOnOneLineAndHangsUp) {
  Ras([](sim::RasService& ras) { ras.AddAccount("alice", "secret"); });
  StartWith();
  TypeCredentials("alice", "wrong");
  driver.Click(IDC_CONNECT);

  const std::string expected =
      "메시지：691:Access was denied because the username and/or password was invalid on the domain.";
  auto box = LastBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, expected);
  EXPECT_EQ(box->caption, "연결실패");
  EXPECT_EQ(box->type, MB_OK | MB_ICONINFORMATION);
  driver.Answer(IDOK);

  EXPECT_EQ(Text(IDC_STATUS), expected);
  EXPECT_EQ(Text(IDC_CONNECT), "Connect");
  EXPECT_TRUE(Ras([](sim::RasService& ras) { return ras.Lines().empty(); }));
  EXPECT_FALSE(HasTimer(1));
  EXPECT_FALSE(FileExists("C:\\0001.tmp"));
  EXPECT_TRUE(driver.Window()->visible);
}

TEST_F(ConnectTest, RefusalWith756RetriesUnderANumberedName) {
  StartWith();
  TypeCredentials();
  Ras([](sim::RasService& ras) { ras.RefuseDials(756, 1); });
  driver.Click(IDC_CONNECT);

  auto dials = Dials();
  ASSERT_EQ(dials.size(), 2u);
  EXPECT_EQ(dials[0].entryName, "tarno");
  EXPECT_EQ(dials[0].result, 756u);
  EXPECT_TRUE(std::regex_match(dials[1].entryName, std::regex("tarno[0-9]{1,2}"))) << dials[1].entryName;
  EXPECT_EQ(LinesOf(dials[1].phonebookText)[0], "[" + dials[1].entryName + "]");
  EXPECT_EQ(Text(IDC_CONNECT), "Disconnect");
  EXPECT_FALSE(FileExists("C:\\0001.tmp"));

  // The numbered name is the one hung up later.
  driver.ClickTray(sim::TrayClick::Left);
  driver.Click(IDC_CONNECT);
  EXPECT_EQ(Text(IDC_STATUS), "접속종료");
}

TEST_F(ConnectTest, EndlessRefusalsStopAfterTheRetryBound) {
  StartWith();
  TypeCredentials();
  Ras([](sim::RasService& ras) { ras.RefuseDials(756, -1); });
  driver.Click(IDC_CONNECT);

  EXPECT_EQ(Dials().size(), 6u);
  auto box = LastBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "메시지：756:This connection is already being dialed.");
  EXPECT_EQ(box->caption, "연결실패");
  driver.Answer(IDOK);
  EXPECT_EQ(Text(IDC_CONNECT), "Connect");
  EXPECT_FALSE(FileExists("C:\\0001.tmp"));
}

TEST_F(ConnectTest, RandomPickDialsAnEntryBeforeIt) {
  StartWith({{"A", "10.0.0.1"}, {"B", "10.0.0.2"}, {"C", "10.0.0.3"}, {"Any", "0.0.0.0"}});
  TypeCredentials();
  driver.Select(IDC_SERVER, 3);
  driver.Click(IDC_CONNECT);
  ASSERT_EQ(Dials().size(), 1u);
  EXPECT_TRUE(std::regex_match(Dials()[0].phoneNumber, std::regex("10\\.0\\.0\\.[123]")))
      << Dials()[0].phoneNumber;
}

TEST_F(ConnectTest, RandomPickWithNothingBeforeItAsksForAServer) {
  StartWith({{"Any", "0.0.0.0"}, {"A", "10.0.0.1"}});
  TypeCredentials();
  driver.Click(IDC_CONNECT);
  auto box = LastBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "올바른 서버를 선택하세요");
  driver.Answer(IDOK);
  EXPECT_TRUE(Dials().empty());
}

TEST_F(ConnectTest, EmptyPasswordAsksForBothAndDialsNothing) {
  StartWith();
  TypeCredentials("alice", "");
  driver.Click(IDC_CONNECT);
  auto box = LastBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "请完整输入用户名和密码！");
  EXPECT_EQ(box->caption, "提示");
  driver.Answer(IDOK);
  EXPECT_TRUE(Dials().empty());
  EXPECT_FALSE(FileExists("C:\\0001.tmp"));
}

TEST_F(ConnectTest, ServerAddressLongerThanItsFieldIsCut) {
  std::string longAddress(200, '7');
  StartWith({{"Long", longAddress}});
  TypeCredentials(std::string(300, 'u'), "secret");
  driver.Click(IDC_CONNECT);
  ASSERT_EQ(Dials().size(), 1u);
  EXPECT_EQ(Dials()[0].phoneNumber, std::string(128, '7'));
  EXPECT_EQ(Dials()[0].userName, std::string(256, 'u'));
}

TEST_F(ConnectTest, UnwritablePhonebookIsReportedAndNotDialled) {
  {
    auto lock = machine.Lock();
    machine.Disk().DenyAccess("C:\\0001.tmp");
  }
  StartWith();
  TypeCredentials();
  driver.Click(IDC_CONNECT);
  EXPECT_TRUE(Dials().empty());
  EXPECT_EQ(Text(IDC_STATUS), "전화번호부 파일을 만들 수 없습니다");
  EXPECT_EQ(Text(IDC_CONNECT), "Connect");
}

TEST_F(ConnectTest, DisconnectHangsUpAndUnlocks) {
  StartWith();
  ConnectMainLine();
  driver.Click(IDC_CONNECT);
  EXPECT_EQ(Text(IDC_STATUS), "접속종료");
  EXPECT_EQ(Text(IDC_CONNECT), "Connect");
  EXPECT_EQ(driver.Control(IDC_CONNECT)->bitmaps[0], IDB_CONNECT);
  for (int id : kLockedControls) EXPECT_TRUE(Enabled(id)) << id;
  EXPECT_FALSE(HasTimer(1));
  EXPECT_TRUE(Ras([](sim::RasService& ras) { return ras.Lines().empty(); }));
}

TEST_F(ConnectTest, DisconnectOfAVanishedLineKeepsTheConnectedLook) {
  StartWith();
  ConnectMainLine();
  Ras([](sim::RasService& ras) { ras.Remove(ras.FindByName("tarno")->handle); });
  driver.Click(IDC_CONNECT);
  EXPECT_EQ(Text(IDC_CONNECT), "Disconnect");
  EXPECT_EQ(Text(IDC_STATUS), "연결성공");
  EXPECT_FALSE(HasTimer(1));
}

TEST_F(ConnectTest, NoValidServerWhileConnectedDoesNotDisconnect) {
  StartWith({{"Seoul", "10.1.1.1"}, {"Bad", "1.2"}});
  ConnectMainLine();
  driver.Select(IDC_SERVER, 1);
  driver.Click(IDC_CONNECT);
  auto box = LastBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "올바른 서버를 선택하세요");
  driver.Answer(IDOK);
  EXPECT_EQ(Text(IDC_CONNECT), "Disconnect");
  EXPECT_EQ(Ras([](sim::RasService& ras) { return ras.Lines().size(); }), 1u);
}

TEST_F(ConnectTest, SlowReleaseEndsTheHangUpWaitAfterTenSeconds) {
  StartWith();
  ConnectMainLine();
  Ras([](sim::RasService& ras) { ras.SetReleaseDelay(15000); });
  sim::VirtualTime before = Ras([&](sim::RasService&) { return machine.Sched().Now(); });
  driver.Click(IDC_CONNECT);
  sim::VirtualTime waited = Ras([&](sim::RasService&) { return machine.Sched().Now(); }) - before;
  EXPECT_GE(waited, 10000u);
  EXPECT_LT(waited, 10100u);
  EXPECT_EQ(Text(IDC_CONNECT), "Connect");
  EXPECT_EQ(Text(IDC_STATUS), "접속종료");
}

TEST_F(ConnectTest, CloseWhileConnectedDisconnectsFirst) {
  StartWith();
  ConnectMainLine();
  driver.Close();
  driver.Answer(IDYES);
  driver.Answer(IDYES);
  EXPECT_EQ(driver.ExitCode(), 1);
  EXPECT_TRUE(Ras([](sim::RasService& ras) { return ras.Lines().empty(); }));
}

}  // namespace
