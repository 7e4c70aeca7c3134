// The console's demo service fills the window.
#include "console/DemoWorld.h"
#include "resources/resource.h"
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

TEST_F(DemoDirectoryTest, BannerShowsItsFrameAndItsLinkLeadsToTheNotices) {
  sim::SetUpDemoWorld(machine);
  driver.Start();
  const std::string banner = "http://dir.velk.example:8000/webadmin/logo1.php";
  const std::string news = "http://dir.velk.example:8000/webadmin/logo_news.php";
  const std::string notice = "http://content.velk.example/App/Notice/app_notice.asp";
  auto browser = driver.Control(IDC_BROWSER_BANNER);
  ASSERT_TRUE(browser);
  ASSERT_EQ(browser->browser.documents.size(), 2u);
  EXPECT_TRUE(browser->browser.documents[0].fetched);
  EXPECT_TRUE(browser->browser.documents[1].fetched);
  EXPECT_EQ(browser->browser.documents[0].scroll, "no");
  ASSERT_EQ(browser->browser.completions.size(), 2u);
  EXPECT_EQ(browser->browser.completions[0].url, news);
  EXPECT_EQ(browser->browser.completions[1].url, banner);

  EXPECT_EQ(driver.FollowLink(IDC_BROWSER_BANNER, notice), "");
  browser = driver.Control(IDC_BROWSER_BANNER);
  EXPECT_EQ(browser->navigations, (Texts{banner, notice}));
  ASSERT_FALSE(browser->browser.documents.empty());
  EXPECT_TRUE(browser->browser.documents[0].fetched);
  EXPECT_EQ(browser->browser.documents[0].scroll, "no");
  EXPECT_TRUE(driver.Control(IDC_BROWSER_SMALL)->navigations.empty());
}

}  // namespace
