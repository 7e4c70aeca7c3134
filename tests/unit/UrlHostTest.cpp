#include <gtest/gtest.h>

#include "platform/UrlHost.h"

namespace {

const std::vector<std::string> kHosts = {"dir.velk.example", "content.velk.example"};

TEST(UrlHost, OnlyTheAuthorityDecides) {
  EXPECT_TRUE(plat::UrlOnHosts("HTTPS://Dir.Velk.Example:8000/webadmin/logo1.php", kHosts));
  EXPECT_TRUE(plat::UrlOnHosts("http://user@content.velk.example/ad.html", kHosts));
  EXPECT_TRUE(plat::UrlOnHosts("about:blank", kHosts));
  // The host is what follows the last '@' and ends at '/', '\', '?', '#' or ':'.
  for (const char* url : {"http://dir.velk.example@ads.example/", "http://ads.example\\@dir.velk.example/",
                          "http://ads.example?dir.velk.example", "http://dir.velk.example.ads.example/",
                          "file://dir.velk.example/c$/x", "javascript:location='http://ads.example/'",
                          "res://ieframe.dll/x", ""})
    EXPECT_FALSE(plat::UrlOnHosts(url, kHosts)) << url;
  EXPECT_EQ(plat::UrlHost("http://a@b@Ads.Example:81#x"), "ads.example");
}

}  // namespace
