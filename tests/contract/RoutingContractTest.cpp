// Contract of the routing-table port: the size query, the read, and a route
// created and deleted again.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/Ports.h"
#include "tests/contract/ContractEnvironment.h"
#include "tests/contract/WineDeparture.h"

namespace {

constexpr BYTE kSentinel = 0xCD;
constexpr DWORD kErrorNoData = 232;

DWORD HostOrder(DWORD address) {
  const BYTE* b = reinterpret_cast<const BYTE*>(&address);
  return (DWORD{b[0]} << 24) | (DWORD{b[1]} << 16) | (DWORD{b[2]} << 8) | b[3];
}

class RoutingContract : public ContractTest {
 protected:
  plat::IRouting& Routing() { return *plat::Current().routing; }

  // The table read with the size the query gives; empty when there is none.
  std::vector<plat::IpForwardRow> Read(bool sorted) {
    DWORD size = 0;
    DWORD result = Routing().GetIpForwardTable(nullptr, size, sorted);
    if (result == kErrorNoData) return {};
    EXPECT_EQ(result, plat::kErrorInsufficientBuffer);
    EXPECT_GE(size, plat::kForwardTableHeaderSize);
    std::vector<BYTE> table(size + 64, kSentinel);
    DWORD given = size;
    EXPECT_EQ(Routing().GetIpForwardTable(table.data(), given, sorted), 0u);
    for (size_t i = size; i < table.size(); ++i) EXPECT_EQ(table[i], kSentinel) << "byte " << i;
    DWORD count = 0;
    std::memcpy(&count, table.data(), sizeof(count));
    EXPECT_LE(plat::kForwardTableHeaderSize + count * sizeof(plat::IpForwardRow), size);
    return plat::ForwardTableRows(table.data(), size);
  }
};

TEST_F(RoutingContract, SizeQueryThenReadGivesSortedRows) {
  std::vector<plat::IpForwardRow> rows = Read(true);
  if (rows.empty() && !m_env->IsSimulated()) GTEST_SKIP() << "known gap: this machine has no IPv4 routes";
  ASSERT_FALSE(rows.empty());
  EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
    return HostOrder(a.dwForwardDest) < HostOrder(b.dwForwardDest);
  }));
  for (const plat::IpForwardRow& row : rows) {
    EXPECT_EQ(row.dwForwardDest & ~row.dwForwardMask, 0u) << "destination outside its mask";
    EXPECT_NE(row.dwForwardIfIndex, 0u);
  }
}

TEST_F(RoutingContract, TooSmallBufferAnswers122WithTheSizeAndWritesNothing) {
  DWORD size = 0;
  if (Routing().GetIpForwardTable(nullptr, size, true) == kErrorNoData)
    GTEST_SKIP() << "known gap: this machine has no IPv4 routes";
  std::vector<BYTE> table(size + 16, kSentinel);
  DWORD small = 2;
  EXPECT_EQ(Routing().GetIpForwardTable(table.data(), small, true), plat::kErrorInsufficientBuffer);
  EXPECT_EQ(small, size);
  for (size_t i = 2; i < table.size(); ++i) EXPECT_EQ(table[i], kSentinel) << "byte " << i;
}

TEST_F(RoutingContract, CreatedRouteIsInTheTableUntilDeleted) {
  std::vector<plat::IpForwardRow> rows = Read(true);
  auto model = std::find_if(rows.begin(), rows.end(), [](const auto& r) { return r.dwForwardDest == 0; });
  if (model == rows.end()) GTEST_SKIP() << "known gap: no default route to model a new route on";
  plat::IpForwardRow row = *model;
  row.dwForwardDest = 0x006433C6;  // 198.51.100.0, a documentation network
  row.dwForwardMask = 0x00FFFFFF;  // 255.255.255.0
  DWORD created = Routing().CreateIpForwardEntry(row);
  if (created != 0 && !m_env->IsSimulated())
    GTEST_SKIP() << "known gap: creating a route needs rights this machine does not give (" << created << ")";
  ASSERT_EQ(created, 0u);
  auto has = [&](const std::vector<plat::IpForwardRow>& table) {
    return std::any_of(table.begin(), table.end(), [&](const auto& r) {
      return r.dwForwardDest == row.dwForwardDest && r.dwForwardMask == row.dwForwardMask;
    });
  };
  // Wine answers success without changing the table.
  const bool bInTable = has(Read(true));
  EXPECT_WINDOWS_ANSWER(*m_env, true, "a created route is not in the table", bInTable);
  if (!bInTable) return;
  EXPECT_EQ(Routing().DeleteIpForwardEntry(row), 0u);
  EXPECT_FALSE(has(Read(true)));
}

}  // namespace
