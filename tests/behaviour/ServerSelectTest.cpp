// The server-select window (command 1041) and the updater launch.
#include "resources/resource.h"
#include "tests/behaviour/ServiceFixture.h"

namespace {

using Texts = std::vector<std::string>;

class ServerSelectTest : public ServiceTest {
 protected:
  void SetUp() override { ServeServerList("Seoul 1=10.0.0.1\r\n"); }

  std::string OpenSelectWindow() {
    driver.ShowControl(IDC_SELECT_SERVER);
    return driver.Click(IDC_SELECT_SERVER);
  }
  std::string ActiveTitle() { return driver.Window()->text; }
};

TEST_F(ServerSelectTest, OffersEveryLineAndAcceptsOnlyAddressesOfFiveOrMore) {
  ServeSelectList("x=abcd\r\nx=abcde\r\nn=a=bcde\r\nplain line\r\n");
  driver.Start();
  ASSERT_EQ(OpenSelectWindow(), "");
  ASSERT_EQ(ActiveTitle(), "Server");
  EXPECT_EQ(Items(IDC_SERVER_SELECT_COMBO), (Texts{"x=abcd", "x=abcde", "n=a=bcde", "plain line"}));
  EXPECT_EQ(CurSel(IDC_SERVER_SELECT_COMBO), 0);
  // The downloaded list replaced the main window's list file.
  EXPECT_EQ(machine.Disk().ReadBytes("C:\\Program Files\\Velk VPN\\server.ini"),
            "x=abcd\r\nx=abcde\r\nn=a=bcde\r\nplain line\r\n");

  // x=abcd: four characters after the sign.
  driver.Click(IDOK);
  EXPECT_EQ(OpenBoxes(), (Texts{"올바른 서버를 선택하세요"}));
  driver.Answer(IDOK);
  EXPECT_EQ(ActiveTitle(), "Server");

  driver.Type(IDC_SERVER_SELECT_COMBO, "a long typed text without the sign");
  driver.Click(IDOK);
  EXPECT_EQ(OpenBoxes(), (Texts{"올바른 서버를 선택하세요"}));
  driver.Answer(IDOK);

  driver.Select(IDC_SERVER_SELECT_COMBO, 2);
  driver.Click(IDOK);
  EXPECT_TRUE(OpenBoxes().empty());
  EXPECT_EQ(ActiveTitle(), "Velk VPN");
  // The main window is unaffected by the choice.
  EXPECT_EQ(Items(IDC_SERVER), (Texts{"Seoul 1"}));
}

TEST_F(ServerSelectTest, EmptyListIsRefusedAndCancelCloses) {
  ServeSelectList("");
  driver.Start();
  ASSERT_EQ(OpenSelectWindow(), "");
  EXPECT_TRUE(Items(IDC_SERVER_SELECT_COMBO).empty());
  driver.Click(IDOK);
  EXPECT_EQ(OpenBoxes(), (Texts{"올바른 서버를 선택하세요"}));
  driver.Answer(IDOK);
  driver.Click(IDCANCEL);
  EXPECT_EQ(ActiveTitle(), "Velk VPN");
}

// The list is bounded as the main server list is: 100 lines, the rest dropped.
TEST_F(ServerSelectTest, KeepsTheFirstHundredLinesOfALongList) {
  std::string body;
  for (int i = 1; i <= 250; ++i)
    body += "s" + std::to_string(i) + "=10.0.0." + std::to_string(i % 250) + "\r\n";
  ServeSelectList(body);
  driver.Start();
  ASSERT_EQ(OpenSelectWindow(), "");
  Texts items = Items(IDC_SERVER_SELECT_COMBO);
  ASSERT_EQ(items.size(), 100u);
  EXPECT_EQ(items.front(), "s1=10.0.0.1");
  EXPECT_EQ(items.back(), "s100=10.0.0.100");
}

TEST_F(ServerSelectTest, DownloadFailureShowsTheMessageAndCloses) {
  driver.Start();
  ASSERT_EQ(OpenSelectWindow(), "");
  EXPECT_EQ(OpenBoxes(), (Texts{"서버정보 불러오기 실패"}));
  driver.Answer(IDOK);
  EXPECT_EQ(ActiveTitle(), "Velk VPN");
  EXPECT_TRUE(driver.Running());
}

class UpdateTest : public ServiceTest {
 protected:
  void SetUp() override { ServeServerList("Seoul 1=10.0.0.1\r\n"); }
  void PublishVersion(const std::string& ver) {
    WriteSystemFile("Server.ini", "[System]\r\nCount=0\r\n" + ver);
  }
};

TEST_F(UpdateTest, SameVersionLaunchesNothing) {
  PublishVersion("Ver=146\r\n");
  driver.Start();
  EXPECT_TRUE(ShellCalls().empty());
}

TEST_F(UpdateTest, MissingVersionLaunchesNothing) {
  PublishVersion("");
  driver.Start();
  EXPECT_TRUE(ShellCalls().empty());
}

TEST_F(UpdateTest, NewerVersionLaunchesTheUpdaterAndTheWindowStillOpens) {
  PublishVersion("Ver=147\r\n");
  driver.Start();
  auto calls = ShellCalls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].verb, "open");
  EXPECT_EQ(calls[0].file, "C:\\Program Files\\Velk VPN\\updata.exe");
  EXPECT_EQ(calls[0].parameters, "");
  EXPECT_EQ(calls[0].directory, "");
  EXPECT_EQ(calls[0].showCommand, SW_SHOW);
  EXPECT_TRUE(driver.Window()->visible);
  EXPECT_EQ(Items(IDC_SERVER), (Texts{"Seoul 1"}));
}

TEST_F(UpdateTest, UpdateButtonLaunchesFromAFolderWithBlanksEveryClick) {
  driver.Start("C:\\My Apps\\Velk  VPN 2\\Dorvanta.exe");
  driver.ShowControl(IDC_UPDATE);
  driver.Click(IDC_UPDATE);
  driver.Click(IDC_UPDATE);
  auto calls = ShellCalls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[1].file, "C:\\My Apps\\Velk  VPN 2\\updata.exe");
}

}  // namespace
