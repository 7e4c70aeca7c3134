#include "sim/RoutingTable.h"

#include <algorithm>
#include <tuple>

#include "sim/Network.h"

namespace sim {

namespace {

constexpr DWORD kTypeDirect = 3;
constexpr DWORD kTypeIndirect = 4;
constexpr DWORD kProtoLocal = 2;
constexpr DWORD kProtoNetMgmt = 3;
constexpr DWORD kLoopbackIf = 1;
constexpr DWORD kLanIf = 2;

DWORD Dotted(const char* text) {
  return *ParseDottedAddress(text);
}

plat::IpForwardRow Row(DWORD dest, DWORD mask, DWORD nextHop, DWORD ifIndex, DWORD type, DWORD proto,
                       DWORD metric) {
  plat::IpForwardRow row;
  row.dwForwardDest = dest;
  row.dwForwardMask = mask;
  row.dwForwardNextHop = nextHop;
  row.dwForwardIfIndex = ifIndex;
  row.dwForwardType = type;
  row.dwForwardProto = proto;
  row.dwForwardMetric1 = metric;
  row.dwForwardMetric2 = row.dwForwardMetric3 = row.dwForwardMetric4 = row.dwForwardMetric5 = 0xFFFFFFFF;
  return row;
}

// Network byte order to a number that sorts as the address does.
DWORD HostOrder(DWORD address) {
  return ((address & 0xFF) << 24) | ((address & 0xFF00) << 8) | ((address >> 8) & 0xFF00) | (address >> 24);
}

}  // namespace

RoutingTable::RoutingTable() {
  DWORD lan = Dotted("192.168.1.100");
  m_rows = {
      Row(0, 0, Dotted("192.168.1.1"), kLanIf, kTypeIndirect, kProtoNetMgmt, 20),
      Row(Dotted("127.0.0.0"), Dotted("255.0.0.0"), Dotted("127.0.0.1"), kLoopbackIf, kTypeDirect,
          kProtoLocal, 1),
      Row(Dotted("192.168.1.0"), Dotted("255.255.255.0"), lan, kLanIf, kTypeDirect, kProtoLocal, 20),
      Row(lan, Dotted("255.255.255.255"), Dotted("127.0.0.1"), kLoopbackIf, kTypeDirect, kProtoLocal, 20),
  };
}

std::vector<plat::IpForwardRow> RoutingTable::SortedRows() const {
  std::vector<plat::IpForwardRow> rows = m_rows;
  std::stable_sort(rows.begin(), rows.end(), [](const plat::IpForwardRow& a, const plat::IpForwardRow& b) {
    return std::tuple(HostOrder(a.dwForwardDest), HostOrder(a.dwForwardMask), a.dwForwardPolicy,
                      HostOrder(a.dwForwardNextHop)) <
           std::tuple(HostOrder(b.dwForwardDest), HostOrder(b.dwForwardMask), b.dwForwardPolicy,
                      HostOrder(b.dwForwardNextHop));
  });
  return rows;
}

bool RoutingTable::Remove(const plat::IpForwardRow& row) {
  return std::erase_if(m_rows, [&](const plat::IpForwardRow& r) {
           return r.dwForwardDest == row.dwForwardDest && r.dwForwardMask == row.dwForwardMask &&
                  r.dwForwardNextHop == row.dwForwardNextHop && r.dwForwardIfIndex == row.dwForwardIfIndex;
         }) > 0;
}

void RoutingTable::AddTunnel(HRASCONN line, DWORD tunnel, const plat::OsVersion& version) {
  if (!m_tunnelRows) return;
  DWORD ifIndex = m_nextIfIndex++;
  m_tunnels.push_back({line, ifIndex});
  const DWORD host = Dotted("255.255.255.255");
  if (version.major <= 5) {
    m_rows.push_back(Row(0, 0, tunnel, ifIndex, kTypeIndirect, kProtoNetMgmt, 1));
    m_rows.push_back(Row(tunnel, host, Dotted("127.0.0.1"), ifIndex, kTypeDirect, kProtoNetMgmt, 50));
  } else {
    m_rows.push_back(Row(host, host, tunnel, ifIndex, kTypeDirect, kProtoLocal, 286));
    m_rows.push_back(Row(tunnel, host, tunnel, ifIndex, kTypeDirect, kProtoLocal, 286));
  }
}

void RoutingTable::RemoveTunnel(HRASCONN line) {
  for (const Tunnel& tunnel : m_tunnels)
    if (tunnel.line == line)
      std::erase_if(m_rows,
                    [&](const plat::IpForwardRow& r) { return r.dwForwardIfIndex == tunnel.ifIndex; });
  std::erase_if(m_tunnels, [line](const Tunnel& t) { return t.line == line; });
}

bool RoutingTable::TakeGrowth() {
  if (m_growReads <= 0) return false;
  --m_growReads;
  return true;
}

}  // namespace sim
