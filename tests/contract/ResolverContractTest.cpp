// Contract of the resolver: the name every computer gives itself.
#include <gtest/gtest.h>

#include <vector>

#include "platform/Ports.h"
#include "tests/contract/ContractEnvironment.h"

namespace {

TEST(ResolverContract, LocalhostResolvesToLoopbackFirst) {
  auto env = MakeContractEnvironment();
  std::vector<DWORD> addresses;
  ASSERT_EQ(plat::Current().sockets->Resolve("localhost", addresses), 0);
  ASSERT_FALSE(addresses.empty());
  const BYTE* bytes = reinterpret_cast<const BYTE*>(&addresses.front());
  EXPECT_EQ(bytes[0], 127);  // network byte order: 127.x.x.x
}

TEST(ResolverContract, DottedAddressResolvesToItself) {
  auto env = MakeContractEnvironment();
  std::vector<DWORD> addresses;
  ASSERT_EQ(plat::Current().sockets->Resolve("10.1.2.3", addresses), 0);
  ASSERT_EQ(addresses.size(), 1u);
  EXPECT_EQ(addresses[0], DWORD{0x0302010A});
}

}  // namespace
