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
