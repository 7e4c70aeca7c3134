// Port: sockets (raw ICMP, select, name resolution).
#pragma once

#include <string_view>
#include <vector>

#include "platform/WinTypes.h"

namespace plat {

constexpr int kWsaHostNotFound = 11001;

class ISockets {
 public:
  virtual ~ISockets() = default;
  // gethostbyname: a host name or a dotted IPv4 address. Fills the host's
  // addresses in the resolver's order, in network byte order. 0 on success,
  // else the socket layer's error code.
  virtual int Resolve(std::string_view host, std::vector<DWORD>& addresses) = 0;
};

}  // namespace plat
