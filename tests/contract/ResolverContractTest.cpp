// Contract of the resolver: a dotted address is itself, and the name every
// computer gives itself is a loopback address first.
#include <gtest/gtest.h>

#include <vector>

#include "platform/Ports.h"
#include "tests/contract/ContractEnvironment.h"

namespace {

TEST(ResolverContract, DottedAddressesAndLocalhost) {
  auto env = MakeContractEnvironment();
  std::vector<DWORD> addresses;
  for (auto [dotted, address] :
       {std::pair{"10.1.2.3", DWORD{0x0302010A}}, {"127.0.0.1", DWORD{0x0100007F}}}) {
    ASSERT_EQ(plat::Current().sockets->Resolve(dotted, addresses), 0) << dotted;
    EXPECT_EQ(addresses, std::vector<DWORD>{address}) << dotted;
  }
  ASSERT_EQ(plat::Current().sockets->Resolve("localhost", addresses), 0);
  ASSERT_FALSE(addresses.empty());
  EXPECT_EQ(addresses.front() & 0xFF, 127u);  // network byte order: 127.x.x.x
}

}  // namespace
