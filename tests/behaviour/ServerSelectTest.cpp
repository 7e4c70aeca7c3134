// The server-select window (command 1041) keeps the first hundred lines.
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
};

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

}  // namespace
