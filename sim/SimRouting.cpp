#include "sim/SimRouting.h"

#include <cstring>

#include "sim/Machine.h"

namespace sim {

namespace {
constexpr DWORD kErrorNotFound = 1168;
constexpr DWORD kErrorObjectExists = 5010;
}  // namespace

DWORD SimRouting::GetIpForwardTable(BYTE* table, DWORD& size, bool sorted) {
  auto lock = m_machine.Lock();
  RoutingTable& routes = m_machine.Routes();
  ++routes.calls;
  std::vector<plat::IpForwardRow> rows = sorted ? routes.SortedRows() : routes.Rows();
  DWORD needed = plat::kForwardTableHeaderSize + static_cast<DWORD>(rows.size() * sizeof(plat::IpForwardRow));
  // A table that grew since the caller asked for its size.
  if (table != nullptr && size >= needed && routes.TakeGrowth()) needed = size + sizeof(plat::IpForwardRow);
  if (table == nullptr || size < needed) {
    size = needed;
    return plat::kErrorInsufficientBuffer;
  }
  DWORD count = static_cast<DWORD>(rows.size());
  std::memcpy(table, &count, sizeof(count));
  if (count)
    std::memcpy(table + plat::kForwardTableHeaderSize, rows.data(), count * sizeof(plat::IpForwardRow));
  return 0;
}

DWORD SimRouting::CreateIpForwardEntry(const plat::IpForwardRow& row) {
  auto lock = m_machine.Lock();
  RoutingTable& routes = m_machine.Routes();
  ++routes.calls;
  for (const plat::IpForwardRow& r : routes.Rows())
    if (r.dwForwardDest == row.dwForwardDest && r.dwForwardMask == row.dwForwardMask &&
        r.dwForwardNextHop == row.dwForwardNextHop && r.dwForwardIfIndex == row.dwForwardIfIndex)
      return kErrorObjectExists;
  routes.Add(row);
  return 0;
}

DWORD SimRouting::DeleteIpForwardEntry(const plat::IpForwardRow& row) {
  auto lock = m_machine.Lock();
  RoutingTable& routes = m_machine.Routes();
  ++routes.calls;
  return routes.Remove(row) ? 0 : kErrorNotFound;
}

}  // namespace sim
