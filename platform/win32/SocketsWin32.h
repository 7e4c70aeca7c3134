// Sockets: Winsock, started for the life of the port set.
#pragma once

#include "platform/Sockets.h"

namespace win32 {

class SocketsWin32 final : public plat::ISockets {
 public:
  SocketsWin32();
  ~SocketsWin32() override;
  SocketsWin32(const SocketsWin32&) = delete;
  SocketsWin32& operator=(const SocketsWin32&) = delete;

  int Resolve(std::string_view host, std::vector<DWORD>& addresses) override;

 private:
  bool m_started = false;
};

}  // namespace win32
