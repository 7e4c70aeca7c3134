// The simulated machine's view of the network: host names and their
// addresses. Guarded by the machine lock.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/WinTypes.h"

namespace sim {

// "a.b.c.d" in network byte order, as inet_addr gives it; nothing when the
// text is not a dotted IPv4 address.
std::optional<DWORD> ParseDottedAddress(std::string_view text);
std::string FormatDottedAddress(DWORD address);

class Network {
 public:
  // A name that resolves to these addresses, in this order (names ignore case).
  void SetHost(std::string_view name, std::vector<DWORD> addresses);
  void RemoveHost(std::string_view name);
  // Dotted addresses resolve to themselves; unknown names fail with 11001.
  int Resolve(std::string_view host, std::vector<DWORD>& addresses) const;

 private:
  std::map<std::string, std::vector<DWORD>> m_hosts;
};

}  // namespace sim
