// The IPv4 routing table through the IP helper library.
#pragma once

#include "platform/Routing.h"

namespace win32 {

class RoutingWin32 final : public plat::IRouting {
 public:
  DWORD GetIpForwardTable(BYTE* table, DWORD& size, bool sorted) override;
  DWORD CreateIpForwardEntry(const plat::IpForwardRow& row) override;
  DWORD DeleteIpForwardEntry(const plat::IpForwardRow& row) override;
};

}  // namespace win32
