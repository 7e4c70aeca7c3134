// The simulated machine's IPv4 routing table: the computer's own routes and
// the rows a remote-access line adds when it connects, as each system
// version makes them. Guarded by the machine lock.
#pragma once

#include <optional>
#include <vector>

#include "platform/Routing.h"
#include "platform/System.h"

namespace sim {

class RoutingTable {
 public:
  // The computer's own routes: loopback, its network 192.168.1.0/24 on
  // interface 2 with the address 192.168.1.100, and its default route via
  // 192.168.1.1.
  RoutingTable();

  const std::vector<plat::IpForwardRow>& Rows() const { return m_rows; }
  // Rows in ascending order of destination, mask, policy and next hop.
  std::vector<plat::IpForwardRow> SortedRows() const;
  void Add(const plat::IpForwardRow& row) { m_rows.push_back(row); }
  // Removes rows that match in destination, mask, next hop and interface; false if none.
  bool Remove(const plat::IpForwardRow& row);

  // A line connected with tunnel address T: 5.x adds the default route via
  // T and the host route of T via 127.0.0.1; 6.x adds the
  // limited-broadcast route via T and the route to T itself, both on the
  // tunnel's interface. The rows on that interface go with the line.
  void AddTunnel(HRASCONN line, DWORD tunnelAddress, const plat::OsVersion& version);
  void RemoveTunnel(HRASCONN line);
  void SetTunnelRows(bool on) { m_tunnelRows = on; }

  // The next reads answer 122 again, as if the table grew by a row after
  // each size query.
  void GrowOnReads(int count) { m_growReads = count; }
  bool TakeGrowth();

  // Calls of the routing port, for "nothing touched the table".
  int calls = 0;

 private:
  std::vector<plat::IpForwardRow> m_rows;
  struct Tunnel {
    HRASCONN line;
    DWORD ifIndex;
  };
  std::vector<Tunnel> m_tunnels;
  DWORD m_nextIfIndex = 0x10003;
  bool m_tunnelRows = true;
  int m_growReads = 0;
};

}  // namespace sim
