// The sockets port of a simulated process.
#pragma once

#include <atomic>

#include "platform/Sockets.h"

namespace sim {

class Machine;
struct Process;

class SimSockets final : public plat::ISockets {
 public:
  SimSockets(Machine& machine, Process&) : m_machine(machine) {}

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
  Machine& m_machine;
  std::atomic<DWORD> m_nextEchoSerial{1};
};

}  // namespace sim
