// The route file's lines and addresses as inet_addr reads them.
#include <gtest/gtest.h>

#include "routing/RouteText.h"

namespace {

TEST(RouteAddress, ReadsDottedAndShortFormsInNetworkOrder) {
  EXPECT_EQ(ParseRouteAddress("10.20.30.40"), DWORD{0x281E140A});
  EXPECT_EQ(ParseRouteAddress("255.255.255.255"), DWORD{0xFFFFFFFF});
  EXPECT_EQ(ParseRouteAddress("0.0.0.0"), DWORD{0});
  EXPECT_EQ(ParseRouteAddress("10.1"), ParseRouteAddress("10.0.0.1"));
  EXPECT_EQ(ParseRouteAddress("10.1.2"), ParseRouteAddress("10.1.0.2"));
  EXPECT_EQ(ParseRouteAddress("0x0A.010.0.1"), ParseRouteAddress("10.8.0.1"));
  EXPECT_EQ(ParseRouteAddress("167772161"), ParseRouteAddress("10.0.0.1"));
}

TEST(RouteAddress, RejectsWhatInetAddrRejects) {
  for (const char* text : {"", "10.0.0.", "256.0.0.1", "1.2.3.4.5", "10.0.0.1 ", "cdn.velk.example",
                           "08.0.0.1", "1.2.3.256", "1.2.65536"})
    EXPECT_FALSE(ParseRouteAddress(text)) << text;
}

TEST(RouteAddress, FormatsInDottedForm) {
  EXPECT_EQ(FormatRouteAddress(*ParseRouteAddress("10.8.0.2")), "10.8.0.2");
  EXPECT_EQ(FormatRouteAddress(0xFFFFFFFF), "255.255.255.255");
}

TEST(RouteLine, SplitsAtTheFirstBarAndSkipsShortLinesAndLinesWithoutBar) {
  auto line = ParseRouteLine("10.20.0.0|255.255.0.0");
  ASSERT_TRUE(line);
  EXPECT_EQ(line->strDestination, "10.20.0.0");
  EXPECT_EQ(line->strMask, "255.255.0.0");
  EXPECT_FALSE(line->IsHostName());

  EXPECT_FALSE(ParseRouteLine("10.1|255.0.0.0"));  // 14 characters
  EXPECT_TRUE(ParseRouteLine("10.1|255.0.0.00"));  // 15
  EXPECT_FALSE(ParseRouteLine("10.20.0.0 255.255.0.0"));

  auto host = ParseRouteLine("cdn.velk.example|255.255.255.255|x");
  ASSERT_TRUE(host);
  EXPECT_TRUE(host->IsHostName());
  EXPECT_EQ(host->strMask, "255.255.255.255|x");
}

}  // namespace
