// The server lists: their bounds and the ways a download fails.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/DialerProgram.h"
#include "directory/ServerLines.h"
#include "platform/WinConstants.h"
#include "resources/Endpoints.h"
#include "resources/resource.h"
#include "sim/Driver.h"

namespace {

using Texts = std::vector<std::string>;

// A machine with the service's directory server.
class ServerListTest : public ::testing::Test {
 protected:
  void ServeServerList(const std::string& body, int status = 200) {
    machine.Web().Serve(endpoints::kDirectoryHost, endpoints::kServerListPath, status, body);
  }
  void ServeSelectList(const std::string& body, int status = 200) {
    machine.Web().Serve(endpoints::kDirectoryHost, endpoints::kServerSelectPath, status, body);
  }
  std::vector<std::string> Items(int id) {
    auto control = driver.Control(id);
    return control ? control->items : std::vector<std::string>{};
  }
  // Texts of the message boxes still waiting for an answer.
  std::vector<std::string> OpenBoxes() {
    std::vector<std::string> texts;
    for (const auto& box : driver.MessageBoxes())
      if (!box.answer) texts.push_back(box.text);
    return texts;
  }

  sim::Machine machine;
  sim::Driver driver{machine, DialerProgram()};
};

TEST_F(ServerListTest, NamesInTheAnsiCodePageAreShownAsText) {
  // "首尔" in code page 936.
  ServeServerList("\xCA\xD7\xB6\xFB=10.0.0.1\r\n");
  driver.Start();
  EXPECT_EQ(Items(IDC_SERVER), (Texts{"首尔"}));
}

// Both lists keep their first hundred lines: the main window's list and the
// server-select window's (command 1041).
TEST_F(ServerListTest, ListsKeepTheFirstHundredLines) {
  std::string body;
  for (int i = 1; i <= 150; ++i) body += "S" + std::to_string(i) + "=10.0.0." + std::to_string(i) + "\r\n";
  ServeServerList(body);
  ServeSelectList(body);
  driver.Start();
  Texts items = Items(IDC_SERVER);
  ASSERT_EQ(items.size(), 100u);
  EXPECT_EQ(items.front(), "S1");
  EXPECT_EQ(items.back(), "S100");

  driver.ShowControl(IDC_SELECT_SERVER);
  ASSERT_EQ(driver.Click(IDC_SELECT_SERVER), "");
  items = Items(IDC_SERVER_SELECT_COMBO);
  ASSERT_EQ(items.size(), 100u);
  EXPECT_EQ(items.front(), "S1=10.0.0.1");
  EXPECT_EQ(items.back(), "S100=10.0.0.100");
}

// Lines of 512 bytes are kept whole, longer ones cut to 512 at a whole
// character.
TEST_F(ServerListTest, LongLinesAreCutAtWholeCharactersAndAnHttpsRedirectIsFollowed) {
  std::string name;
  for (int i = 0; i < 400; ++i) name += "가";  // three bytes each
  machine.Web().Redirect(endpoints::kDirectoryHost, endpoints::kServerListPath, 302,
                         std::string("https://") + endpoints::kDirectoryHost + "/list");
  machine.Web().Serve(
      endpoints::kDirectoryHost, "/list", 200,
      "\xB0\xA1=10.0.0.1\r\n" + std::string(512, 'y') + "\r\n" + std::string(513, 'x') + "\r\n");
  driver.Start();
  Texts items = Items(IDC_SERVER);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[1], std::string(512, 'y'));
  EXPECT_EQ(items[2], std::string(512, 'x'));
  EXPECT_EQ(CutServerLine(CString(name)).GetLength(), 510);
}

class FailedDownloadTest : public ServerListTest {
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
  // The log names the bound or the fault that ended the download.
  void ExpectLogged(const std::string& why, const std::string& list = "serverlist.txt") {
    auto lock = machine.Lock();
    std::string log = machine.Disk().ReadBytes("C:\\ProgramData\\Velk VPN\\Dorvanta.log").value_or("");
    EXPECT_NE(log.find(list + "\" to \"C:\\Program Files\\Velk VPN\\server.ini\": failed, " + why),
              std::string::npos)
        << log;
  }
};

TEST_F(FailedDownloadTest, UnwritableListFileFails) {
  ServeServerList("Seoul 1=10.0.0.1\r\n");
  machine.Disk().MakeFolder("C:\\Program Files\\Velk VPN");
  machine.Disk().DenyAccess("C:\\Program Files\\Velk VPN\\server.ini");
  driver.Start();
  ExpectFailureMessageThenOpenWindow();
  ExpectLogged("the file could not be written (status 200, 18 bytes, 0 ms, direct)");
}

// A download follows 10 redirects and takes a body of 1 MiB: the main
// window's list comes through 10 and is 1,048,576 bytes long; the
// server-select window's, through 11 or of 1,048,577 bytes, fails.
TEST_F(FailedDownloadTest, TenRedirectsAndOneMebibyteAreTheBounds) {
  auto chain = [&](std::string at, int hops, const std::string& stem, const std::string& body) {
    for (int hop = 1; hop <= hops; ++hop) {
      machine.Web().Redirect(endpoints::kDirectoryHost, at, 302, stem + std::to_string(hop));
      at = stem + std::to_string(hop);
    }
    machine.Web().Serve(endpoints::kDirectoryHost, at, 200, body);
  };
  chain(endpoints::kServerListPath, 10, "/main", std::string(1048576, 'a'));
  chain(endpoints::kServerSelectPath, 11, "/select", "x=abcde\r\n");
  driver.Start();
  EXPECT_EQ(Items(IDC_SERVER), (Texts{std::string(512, 'a')}));
  driver.ShowControl(IDC_SELECT_SERVER);
  for (int attempt = 0; attempt < 2; ++attempt) {
    ASSERT_EQ(driver.Click(IDC_SELECT_SERVER), "");
    EXPECT_EQ(OpenBoxes(), (Texts{"서버정보 불러오기 실패"})) << attempt;
    EXPECT_EQ(driver.Answer(IDOK), "");
    EXPECT_EQ(machine.Web().Requests(endpoints::kDirectoryHost, "/select11"), 0);
    ServeSelectList(std::string(1048577, 'b'));
  }
  ExpectLogged("more than 10 redirects, or one to another scheme (status 302, 0 bytes,", "server.txt");
  ExpectLogged("the body passed 1048576 bytes (status 200, 1048577 bytes,", "server.txt");
}

TEST_F(FailedDownloadTest, RedirectToAnotherSchemeFails) {
  machine.Web().Redirect(endpoints::kDirectoryHost, endpoints::kServerListPath, 302,
                         std::string("ftp://") + endpoints::kDirectoryHost + "/list");
  machine.Web().Serve(endpoints::kDirectoryHost, "/list", 200, "Seoul 1=10.0.0.1\r\n");
  driver.Start();
  ExpectFailureMessageThenOpenWindow();
  ExpectLogged("more than 10 redirects, or one to another scheme (status 302,");
}

}  // namespace
