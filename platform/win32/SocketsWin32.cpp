#include "platform/win32/SocketsWin32.h"

#include <winsock2.h>

#include <cstring>
#include <string>

namespace win32 {

SocketsWin32::SocketsWin32() {
  WSADATA data;
  m_started = ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
}

SocketsWin32::~SocketsWin32() {
  if (m_started) ::WSACleanup();
}

int SocketsWin32::Resolve(std::string_view host, std::vector<DWORD>& addresses) {
  addresses.clear();
  std::string name(host);
  const hostent* entry = ::gethostbyname(name.c_str());
  if (entry == nullptr) return ::WSAGetLastError();
  if (entry->h_addrtype != AF_INET || entry->h_length != 4) return plat::kWsaHostNotFound;
  for (char** at = entry->h_addr_list; *at != nullptr; ++at) {
    DWORD address = 0;
    std::memcpy(&address, *at, sizeof(address));
    addresses.push_back(address);
  }
  return 0;
}

}  // namespace win32
