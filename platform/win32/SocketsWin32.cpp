#include "platform/win32/SocketsWin32.h"

#include <winsock2.h>

#include <cstring>
#include <string>

namespace win32 {

namespace {

SOCKET Handle(const plat::RawSocket& socket) {
  return socket ? static_cast<SOCKET>(socket.Get()) : INVALID_SOCKET;
}

sockaddr_in Destination(DWORD address) {
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = 0;
  to.sin_addr.s_addr = address;
  return to;
}

}  // namespace

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

plat::RawSocket SocketsWin32::OpenIcmpSocket() {
  SOCKET socket = ::socket(AF_INET, SOCK_RAW, IPPROTO_ICMP);
  if (socket == INVALID_SOCKET) return {};
  return plat::RawSocket(this, static_cast<std::uintptr_t>(socket));
}

int SocketsWin32::SendTo(const plat::RawSocket& socket, const BYTE* data, int length, DWORD address) {
  sockaddr_in to = Destination(address);
  return ::sendto(Handle(socket), reinterpret_cast<const char*>(data), length, 0,
                  reinterpret_cast<const sockaddr*>(&to), sizeof(to));
}

int SocketsWin32::WaitReadable(const plat::RawSocket& socket, DWORD timeoutMs) {
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(Handle(socket), &readable);
  timeval timeout{static_cast<long>(timeoutMs / 1000), static_cast<long>((timeoutMs % 1000) * 1000)};
  return ::select(0, &readable, nullptr, nullptr, &timeout);
}

int SocketsWin32::ReceiveFrom(const plat::RawSocket& socket, BYTE* buffer, int size, DWORD& fromAddress) {
  sockaddr_in from{};
  int fromLength = sizeof(from);
  int received = ::recvfrom(Handle(socket), reinterpret_cast<char*>(buffer), size, 0,
                            reinterpret_cast<sockaddr*>(&from), &fromLength);
  fromAddress = from.sin_addr.s_addr;
  return received;
}

int SocketsWin32::CloseSocket(plat::RawSocket& socket) {
  if (!socket) {
    ::WSASetLastError(WSAENOTSOCK);
    return plat::kSocketError;
  }
  return ::closesocket(static_cast<SOCKET>(socket.Release()));
}

int SocketsWin32::LastError() {
  return ::WSAGetLastError();
}

void SocketsWin32::Discard(std::uintptr_t socket) {
  ::closesocket(static_cast<SOCKET>(socket));
}

}  // namespace win32
