// The simulated browser's pages: addresses resolved against the page, and
// the frames and links read from a served page.
#include <gtest/gtest.h>

#include "sim/SimBrowser.h"
#include "sim/WebServers.h"

namespace {

TEST(SimBrowserTest, ResolvesAddressesAgainstThePage) {
  const char* page = "http://dir.velk.example:8000/webadmin/logo1.php";
  EXPECT_EQ(sim::ResolveUrl(page, "frame.php"), "http://dir.velk.example:8000/webadmin/frame.php");
  EXPECT_EQ(sim::ResolveUrl(page, "/App/x.asp"), "http://dir.velk.example:8000/App/x.asp");
  EXPECT_EQ(sim::ResolveUrl(page, "HTTP://other.example/"), "HTTP://other.example/");
  EXPECT_EQ(sim::ResolveUrl("http://host.example", "a.html"), "http://host.example/a.html");
}

TEST(SimBrowserTest, LoadsThePageAndItsFramesWithTheirLinks) {
  sim::WebServers web;
  web.Serve(
      "a.example", "/top.html", 200,
      "<HTML><BODY><IFRAME SRC='in/f.html'></IFRAME><a class=x href=\"/next.html\">n</a></BODY></HTML>");
  web.Serve("a.example", "/in/f.html", 200, "<html><body><a href=deep.html>d</a></body></html>");
  std::vector<sim::SimDocument> documents = sim::LoadPage(web, "http://a.example/top.html");
  ASSERT_EQ(documents.size(), 2u);
  EXPECT_TRUE(documents[0].fetched);
  EXPECT_TRUE(documents[0].hasBody);
  EXPECT_EQ(documents[0].frames, std::vector<std::string>{"http://a.example/in/f.html"});
  EXPECT_EQ(documents[0].links, std::vector<std::string>{"http://a.example/next.html"});
  EXPECT_EQ(documents[1].url, "http://a.example/in/f.html");
  EXPECT_EQ(documents[1].links, std::vector<std::string>{"http://a.example/in/deep.html"});
}

TEST(SimBrowserTest, FramesetPageHasNoBodyAndMissingPagesAreNotFetched) {
  sim::WebServers web;
  web.Serve("a.example", "/set.html", 200, "<frameset><frame src=\"gone.html\"></frameset>");
  std::vector<sim::SimDocument> documents = sim::LoadPage(web, "http://a.example/set.html");
  ASSERT_EQ(documents.size(), 2u);
  EXPECT_FALSE(documents[0].hasBody);
  EXPECT_FALSE(documents[1].fetched);
  EXPECT_FALSE(sim::LoadPage(web, "http://nowhere.example/").front().fetched);
}

}  // namespace
