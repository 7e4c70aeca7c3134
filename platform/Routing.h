// Port: the IPv4 routing table (GetIpForwardTable, CreateIpForwardEntry,
// DeleteIpForwardEntry).
#pragma once

#include <cstring>
#include <vector>

#include "platform/WinTypes.h"

namespace plat {

// One route, laid out as MIB_IPFORWARDROW. Addresses in network byte order.
struct IpForwardRow {
  DWORD dwForwardDest = 0;
  DWORD dwForwardMask = 0;
  DWORD dwForwardPolicy = 0;
  DWORD dwForwardNextHop = 0;
  DWORD dwForwardIfIndex = 0;
  DWORD dwForwardType = 0;
  DWORD dwForwardProto = 0;
  DWORD dwForwardAge = 0;
  DWORD dwForwardNextHopAS = 0;
  DWORD dwForwardMetric1 = 0;
  DWORD dwForwardMetric2 = 0;
  DWORD dwForwardMetric3 = 0;
  DWORD dwForwardMetric4 = 0;
  DWORD dwForwardMetric5 = 0;
};
static_assert(sizeof(IpForwardRow) == 56);

constexpr DWORD kErrorInsufficientBuffer = 122;
// A MIB_IPFORWARDTABLE: the row count, then the rows.
constexpr DWORD kForwardTableHeaderSize = 4;

class IRouting {
 public:
  virtual ~IRouting() = default;
  // Fills table (size bytes) with the table, rows in ascending order when
  // sorted. When size is too small (table may then be null): 122, and size
  // receives the bytes needed. Nothing is written past size.
  virtual DWORD GetIpForwardTable(BYTE* table, DWORD& size, bool sorted) = 0;
  virtual DWORD CreateIpForwardEntry(const IpForwardRow& row) = 0;
  virtual DWORD DeleteIpForwardEntry(const IpForwardRow& row) = 0;
};

// The rows of a filled table of size bytes; never reads past size.
inline std::vector<IpForwardRow> ForwardTableRows(const BYTE* table, DWORD size) {
  std::vector<IpForwardRow> rows;
  if (table == nullptr || size < kForwardTableHeaderSize) return rows;
  DWORD count = 0;
  std::memcpy(&count, table, sizeof(count));
  DWORD fit = (size - kForwardTableHeaderSize) / sizeof(IpForwardRow);
  if (count > fit) count = fit;
  rows.resize(count);
  if (count) std::memcpy(rows.data(), table + kForwardTableHeaderSize, count * sizeof(IpForwardRow));
  return rows;
}

}  // namespace plat
