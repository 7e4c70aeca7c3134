// The server list downloaded at start fills the server combo and the address store.
#include "directory/ServerLines.h"
#include "resources/resource.h"
#include "sim/SimDownload.h"
#include "tests/behaviour/ServiceFixture.h"

namespace {

using Texts = std::vector<std::string>;

class ServerListTest : public ServiceTest {};

TEST_F(ServerListTest, EachLineBecomesAnEntryWithItsAddressAndTheFirstIsSelected) {
  ServeServerList("Seoul 1=10.0.0.1\r\nSeoul 2=10.0.0.2\r\nTokyo=a=b\r\nno address\r\n\r\nLast=10.0.0.9");
  driver.Start();
  EXPECT_EQ(Items(IDC_SERVER), (Texts{"Seoul 1", "Seoul 2", "Tokyo", "no address", "", "Last"}));
  EXPECT_EQ(CurSel(IDC_SERVER), 0);
  EXPECT_EQ(driver.Control(IDC_SERVER)->text, "Seoul 1");
  EXPECT_TRUE(OpenBoxes().empty());
  // The list was stored under the name the loader reads back, in the program's folder.
  EXPECT_EQ(machine.Disk().ReadBytes("C:\\Program Files\\Velk VPN\\server.ini"),
            "Seoul 1=10.0.0.1\r\nSeoul 2=10.0.0.2\r\nTokyo=a=b\r\nno address\r\n\r\nLast=10.0.0.9");
}

TEST_F(ServerListTest, NamesInTheAnsiCodePageAreShownAsText) {
  // "首尔" in code page 936.
  ServeServerList("\xCA\xD7\xB6\xFB=10.0.0.1\r\n");
  driver.Start();
  EXPECT_EQ(Items(IDC_SERVER), (Texts{"首尔"}));
}

TEST_F(ServerListTest, KeepsTheFirstHundredLines) {
  std::string body;
  for (int i = 1; i <= 150; ++i) body += "S" + std::to_string(i) + "=10.0.0." + std::to_string(i) + "\r\n";
  ServeServerList(body);
  driver.Start();
  Texts items = Items(IDC_SERVER);
  ASSERT_EQ(items.size(), 100u);
  EXPECT_EQ(items.front(), "S1");
  EXPECT_EQ(items.back(), "S100");
  EXPECT_TRUE(driver.Running());
}

TEST_F(ServerListTest, LongLinesAreCutAtWholeCharactersAndAnHttpsRedirectIsFollowed) {
  std::string name;
  for (int i = 0; i < 400; ++i) name += "가";  // three bytes each
  machine.Web().Redirect(endpoints::kDirectoryHost, endpoints::kServerListPath, 302,
                         std::string("https://") + endpoints::kDirectoryHost + "/list");
  machine.Web().Serve(endpoints::kDirectoryHost, "/list", 200,
                      "\xB0\xA1=10.0.0.1\r\n" + std::string(5000, 'x') + "\r\n");
  driver.Start();
  Texts items = Items(IDC_SERVER);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[1], std::string(kMaxServerLineBytes, 'x'));
  EXPECT_EQ(CutServerLine(CString(name)).GetLength(), kMaxServerLineBytes - kMaxServerLineBytes % 3);
}

class FailedDownloadTest : public ServiceTest {
 protected:
  void ExpectFailureMessageThenOpenWindow() {
    EXPECT_EQ(OpenBoxes(), (Texts{"서버정보 불러오기 실패"}));
    auto boxes = driver.MessageBoxes();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().caption, "Dorvanta");
    EXPECT_EQ(boxes.back().type & 0xF0, MB_ICONEXCLAMATION);
    EXPECT_EQ(driver.Answer(IDOK), "");
    EXPECT_TRUE(driver.Running());
    EXPECT_TRUE(driver.Window()->visible);
    EXPECT_TRUE(Items(IDC_SERVER).empty());
    EXPECT_EQ(driver.Control(IDC_CONNECT)->text, "Connect");
  }
};

TEST_F(FailedDownloadTest, ANotFoundAnswerShowsTheMessageAndStillLoadsGroupsAndRelays) {
  ServeServerList("Seoul 1=10.0.0.1\r\n", 404);
  WriteSystemFile(
      "Server.ini",
      "[System]\r\nCount=1\r\nGroup1=Korea\r\n[Transfer]\r\nCount=1\r\nServer1=R\r\nIP1=1.1.1.1\r\n");
  driver.Start();
  ExpectFailureMessageThenOpenWindow();
  EXPECT_EQ(Items(IDC_GROUP), (Texts{"Korea"}));
  EXPECT_EQ(Items(IDC_RELAY_LINE).size(), 1u);
}

TEST_F(FailedDownloadTest, ServerErrorFails) {
  ServeServerList("Seoul 1=10.0.0.1\r\n", 500);
  driver.Start();
  ExpectFailureMessageThenOpenWindow();
}

TEST_F(FailedDownloadTest, RefusedConnectionFails) {
  ServeServerList("Seoul 1=10.0.0.1\r\n");
  SetDirectoryHost(sim::HostReach::Refused);
  driver.Start();
  ExpectFailureMessageThenOpenWindow();
}

TEST_F(FailedDownloadTest, SilentServerFailsAfterTheBoundedWait) {
  SetDirectoryHost(sim::HostReach::Silent);
  DWORD before = machine.Tick();
  driver.Start();
  EXPECT_EQ(machine.Tick() - before, plat::kDownloadDeadlineMs);
  ExpectFailureMessageThenOpenWindow();
}

TEST_F(FailedDownloadTest, UnwritableListFileFails) {
  ServeServerList("Seoul 1=10.0.0.1\r\n");
  machine.Disk().MakeFolder("C:\\Program Files\\Velk VPN");
  machine.Disk().DenyAccess("C:\\Program Files\\Velk VPN\\server.ini");
  driver.Start();
  ExpectFailureMessageThenOpenWindow();
}

TEST_F(FailedDownloadTest, RedirectLoopFailsAfterTheBoundedNumberOfRedirects) {
  // Two paths that send the download to each other forever.
  machine.Web().Redirect(endpoints::kDirectoryHost, endpoints::kServerListPath, 302, "/loop");
  machine.Web().Redirect(endpoints::kDirectoryHost, "/loop", 307,
                         std::string("http://") + endpoints::kDirectoryHost + endpoints::kServerListPath);
  driver.Start();
  ExpectFailureMessageThenOpenWindow();
  EXPECT_EQ(machine.Web().Requests(endpoints::kDirectoryHost, endpoints::kServerListPath) +
                machine.Web().Requests(endpoints::kDirectoryHost, "/loop"),
            sim::kMaxRedirects + 1);
}

TEST_F(FailedDownloadTest, BodyPastTheSizeBoundFails) {
  ServeServerList(std::string(plat::kMaxDownloadBytes + 1, 'a'));
  driver.Start();
  ExpectFailureMessageThenOpenWindow();
}

TEST_F(FailedDownloadTest, RedirectToAnotherSchemeFails) {
  machine.Web().Redirect(endpoints::kDirectoryHost, endpoints::kServerListPath, 302,
                         std::string("ftp://") + endpoints::kDirectoryHost + "/list");
  machine.Web().Serve(endpoints::kDirectoryHost, "/list", 200, "Seoul 1=10.0.0.1\r\n");
  driver.Start();
  ExpectFailureMessageThenOpenWindow();
}

TEST_F(FailedDownloadTest, RedirectWithoutLocationFails) {
  ServeServerList("moved", 302);
  driver.Start();
  ExpectFailureMessageThenOpenWindow();
}

}  // namespace
