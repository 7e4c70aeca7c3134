// Port: the IPv4 routing table.
#pragma once

#include <vector>

#include "platform/WinTypes.h"

namespace plat {

struct IpRoute {
  DWORD destination = 0;  // network byte order, as the routing table holds it
  DWORD mask = 0;
  DWORD nextHop = 0;
  DWORD interfaceIndex = 0;
  DWORD metric = 0;
  DWORD type = 0;
  DWORD proto = 0;
};

class IRouting {
 public:
  virtual ~IRouting() = default;
  virtual DWORD GetTable(std::vector<IpRoute>& routes) = 0;
  virtual DWORD Create(const IpRoute& route) = 0;
  virtual DWORD Delete(const IpRoute& route) = 0;
};

}  // namespace plat
