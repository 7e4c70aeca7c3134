#include <gtest/gtest.h>

#include "sim/Network.h"

namespace {

TEST(Network, DottedAddressesParseInNetworkOrderAndRejectTheRest) {
  EXPECT_EQ(sim::ParseDottedAddress("10.0.0.1"), std::optional<DWORD>(0x0100000Au));
  EXPECT_EQ(sim::FormatDottedAddress(0x0100000Au), "10.0.0.1");
  for (const char* text : {"", "10.0.0", "10.0.0.256", "10.0.0.1.", "a.b.c.d", "10..0.1", "10.0.0.1 "})
    EXPECT_FALSE(sim::ParseDottedAddress(text)) << text;
}

TEST(Network, NamesResolveIgnoringCaseInTheirOrder) {
  sim::Network network;
  network.SetHost("CDN.velk.example", {0x0700010Au, 0x0800010Au});
  std::vector<DWORD> addresses;
  ASSERT_EQ(network.Resolve("cdn.VELK.example", addresses), 0);
  EXPECT_EQ(addresses, (std::vector<DWORD>{0x0700010Au, 0x0800010Au}));
  EXPECT_EQ(network.Resolve("other.example", addresses), 11001);
  EXPECT_TRUE(addresses.empty());
  network.RemoveHost("cdn.velk.example");
  EXPECT_EQ(network.Resolve("cdn.velk.example", addresses), 11001);
}

}  // namespace
