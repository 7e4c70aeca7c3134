#include "platform/win32/RoutingWin32.h"

#include <cstring>

#include "platform/win32/WinApi.h"

namespace win32 {

namespace {

static_assert(sizeof(MIB_IPFORWARDROW) == sizeof(plat::IpForwardRow));
static_assert(offsetof(MIB_IPFORWARDTABLE, table) == plat::kForwardTableHeaderSize);

MIB_IPFORWARDROW ToMib(const plat::IpForwardRow& row) {
  MIB_IPFORWARDROW mib;
  std::memcpy(&mib, &row, sizeof(mib));
  return mib;
}

}  // namespace

DWORD RoutingWin32::GetIpForwardTable(BYTE* table, DWORD& size, bool sorted) {
  ULONG bytes = size;
  DWORD result =
      ::GetIpForwardTable(reinterpret_cast<MIB_IPFORWARDTABLE*>(table), &bytes, sorted ? TRUE : FALSE);
  size = bytes;
  return result;
}

DWORD RoutingWin32::CreateIpForwardEntry(const plat::IpForwardRow& row) {
  MIB_IPFORWARDROW mib = ToMib(row);
  return ::CreateIpForwardEntry(&mib);
}

DWORD RoutingWin32::DeleteIpForwardEntry(const plat::IpForwardRow& row) {
  MIB_IPFORWARDROW mib = ToMib(row);
  return ::DeleteIpForwardEntry(&mib);
}

}  // namespace win32
