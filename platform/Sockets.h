// Port: sockets (raw ICMP, select, name resolution).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/WinTypes.h"

namespace plat {

class ISockets {
 public:
  virtual ~ISockets() = default;
  // Resolves a host name or dotted address; 0 when unknown (network byte order).
  virtual DWORD Resolve(std::string_view host) = 0;
};

}  // namespace plat
