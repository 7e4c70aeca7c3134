// The console's demo service fills the window.
#include "resources/resource.h"
#include "console/DemoWorld.h"
#include "tests/behaviour/ServiceFixture.h"

namespace {

using Texts = std::vector<std::string>;

class DemoDirectoryTest : public ServiceTest {};

TEST_F(DemoDirectoryTest, StartsWithAFilledWindowAndNoUpdate) {
  sim::SetUpDemoWorld(machine);
  driver.Start();
  EXPECT_TRUE(OpenBoxes().empty());
  Texts servers = Items(IDC_SERVER);
  ASSERT_EQ(servers.size(), 13u);
  EXPECT_EQ(servers.front(), "首尔 1");
  EXPECT_EQ(driver.Control(IDC_SERVER)->text, "首尔 1");
  EXPECT_EQ(Items(IDC_GROUP), (Texts{"香港", "日本", "韩国"}));
  EXPECT_EQ(Items(IDC_RELAY_LINE).size(), 2u);
  EXPECT_TRUE(ShellCalls().empty());

  driver.ShowControl(IDC_GROUP);
  driver.Select(IDC_GROUP, 2);
  EXPECT_EQ(Items(IDC_LINE).size(), 3u);
}

}  // namespace
