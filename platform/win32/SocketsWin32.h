// Sockets: Winsock, started for the life of the port set.
#pragma once

#include <atomic>

#include "platform/Sockets.h"

namespace win32 {

class SocketsWin32 final : public plat::ISockets {
 public:
  SocketsWin32();
  ~SocketsWin32() override;
  SocketsWin32(const SocketsWin32&) = delete;
  SocketsWin32& operator=(const SocketsWin32&) = delete;

  int Resolve(std::string_view host, std::vector<DWORD>& addresses) override;
  plat::RawSocket OpenIcmpSocket() override;
  int SendTo(const plat::RawSocket& socket, const BYTE* data, int length, DWORD address) override;
  int WaitReadable(const plat::RawSocket& socket, DWORD timeoutMs) override;
  int ReceiveFrom(const plat::RawSocket& socket, BYTE* buffer, int size, DWORD& fromAddress) override;
  int CloseSocket(plat::RawSocket& socket) override;
  int LastError() override;
  DWORD TakeEchoSerial() override { return m_nextEchoSerial++; }

 protected:
  void Discard(std::uintptr_t socket) override;

 private:
  bool m_started = false;
  std::atomic<DWORD> m_nextEchoSerial{1};
};

}  // namespace win32
