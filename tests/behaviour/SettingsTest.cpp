// The settings file Config.dat: loaded at start, saved before a dial.
#include "console/DialerProgram.h"
#include "resources/resource.h"
#include "tests/behaviour/ServiceFixture.h"

namespace {

class SettingsTest : public ServiceTest {
 protected:
  void SetUp() override { ServeServerList("Seoul 1=10.0.0.1\r\n"); }

  // The Connect command saves the settings before it dials.
  void ConnectAs(const std::string& user, const std::string& password, bool remember) {
    driver.Type(IDC_USER, user);
    driver.Type(IDC_PASSWORD, password);
    if ((driver.Control(IDC_REMEMBER)->check == 1) != remember) driver.Click(IDC_REMEMBER);
    driver.Click(IDC_CONNECT);
  }
};

TEST_F(SettingsTest, LoadFillsTheFieldsAndTheRememberBox) {
  WriteSystemFile("Config.dat", "userkim\r\npassuser1234\r\nmode2\r\nl2tp1\r\n");
  driver.Start();
  EXPECT_EQ(driver.Control(IDC_USER)->text, "kim");
  EXPECT_EQ(driver.Control(IDC_PASSWORD)->text, "user1234");
  EXPECT_EQ(driver.Control(IDC_REMEMBER)->check, 1);
  EXPECT_EQ(driver.Control(IDC_L2TP)->check, 1);
  // The routing mode always starts global.
  EXPECT_EQ(driver.Control(IDC_ROUTE_GLOBAL)->check, 1);
  EXPECT_EQ(driver.Control(IDC_ROUTE_GAME)->check, 0);
}

TEST_F(SettingsTest, OnlyAnL2tpLineLeavesTheCredentialsAndTheBoxClear) {
  WriteSystemFile("Config.dat", "l2tp1\r\n");
  driver.Start();
  EXPECT_EQ(driver.Control(IDC_USER)->text, "");
  EXPECT_EQ(driver.Control(IDC_PASSWORD)->text, "");
  EXPECT_EQ(driver.Control(IDC_REMEMBER)->check, 0);
  EXPECT_EQ(driver.Control(IDC_L2TP)->check, 1);
}

TEST_F(SettingsTest, AnyOtherL2tpValueClearsTheBox) {
  for (const char* line : {"l2tp0", "l2tp", "l2tp11", "l2tpyes"}) {
    sim::Machine box;
    sim::Driver hands(box, DialerProgram());
    box.Web().Serve(endpoints::kDirectoryHost, endpoints::kServerListPath, 200, "A=1.1.1.1\r\n");
    ASSERT_TRUE(box.Disk().WriteBytes(std::string(kSystemDir) + "Config.dat", std::string(line) + "\r\n"));
    hands.Start();
    EXPECT_EQ(hands.Control(IDC_L2TP)->check, 0) << line;
  }
}

TEST_F(SettingsTest, ChineseNamesComeFromTheAnsiCodePage) {
  // "王" in code page 936.
  WriteSystemFile("Config.dat", "user\xCD\xF5\r\n");
  driver.Start();
  EXPECT_EQ(driver.Control(IDC_USER)->text, "王");
}

TEST_F(SettingsTest, MissingFileIsCreatedEmpty) {
  driver.Start();
  EXPECT_EQ(SystemFile("Config.dat"), "");
  EXPECT_EQ(driver.Control(IDC_REMEMBER)->check, 0);
}

TEST_F(SettingsTest, UnopenableFileIsSkipped) {
  machine.Disk().DenyAccess(std::string(kSystemDir) + "Config.dat");
  driver.Start();
  EXPECT_TRUE(driver.Running());
  EXPECT_EQ(driver.Control(IDC_USER)->text, "");
  EXPECT_FALSE(SystemFile("Config.dat"));
}

TEST_F(SettingsTest, SaveWithTheBoxSetWritesFourLinesWithCrLf) {
  driver.Start();
  ConnectAs("a", "b", true);
  EXPECT_EQ(SystemFile("Config.dat"), "usera\r\npassb\r\nmode0\r\nl2tp0\r\n");
  // Written beside it first and moved into place: no temporary file stays.
  EXPECT_FALSE(SystemFile("Config.dat.tmp"));
}

TEST_F(SettingsTest, SaveStoresTheAnsiCodePageAndThePasswordComesBackIntact) {
  driver.Start();
  ConnectAs("王", "userpass", true);
  EXPECT_EQ(SystemFile("Config.dat"), "user\xCD\xF5\r\npassuserpass\r\nmode0\r\nl2tp0\r\n");

  sim::Machine next({.root = machine.Disk().Root()});
  sim::Driver hands(next, DialerProgram());
  next.Web().Serve(endpoints::kDirectoryHost, endpoints::kServerListPath, 200, "A=1.1.1.1\r\n");
  hands.Start();
  EXPECT_EQ(hands.Control(IDC_USER)->text, "王");
  EXPECT_EQ(hands.Control(IDC_PASSWORD)->text, "userpass");
}

TEST_F(SettingsTest, SaveWithTheBoxClearedDeletesTheFile) {
  WriteSystemFile("Config.dat", "userold\r\npassold\r\n");
  driver.Start();
  ConnectAs("a", "b", false);
  EXPECT_FALSE(SystemFile("Config.dat"));
}

TEST_F(SettingsTest, SaveIntoAReadOnlyFileKeepsTheOldBytesWhole) {
  WriteSystemFile("Config.dat", "userold\r\npassold\r\nmode0\r\nl2tp0\r\n");
  machine.Disk().SetReadOnly(std::string(kSystemDir) + "Config.dat", true);
  driver.Start();
  ConnectAs("new", "pass", true);
  EXPECT_TRUE(driver.Running());
  EXPECT_EQ(SystemFile("Config.dat"), "userold\r\npassold\r\nmode0\r\nl2tp0\r\n");
  EXPECT_FALSE(SystemFile("Config.dat.tmp"));
}

}  // namespace
