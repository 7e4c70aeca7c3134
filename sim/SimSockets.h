// The sockets port of a simulated process.
#pragma once

#include "platform/Sockets.h"

namespace sim {

class Machine;
struct Process;

class SimSockets final : public plat::ISockets {
 public:
  SimSockets(Machine& machine, Process&) : m_machine(machine) {}

  int Resolve(std::string_view host, std::vector<DWORD>& addresses) override;

 private:
  Machine& m_machine;
};

}  // namespace sim
