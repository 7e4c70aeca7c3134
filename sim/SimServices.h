// The service-control port of a simulated process, over the machine's services.
#pragma once

#include "platform/Services.h"

namespace sim {

class Machine;
struct Process;

class SimServices final : public plat::IServices {
 public:
  SimServices(Machine& machine, Process&) : m_machine(machine) {}

  std::unique_ptr<plat::IServiceManager> OpenManager() override;

 private:
  Machine& m_machine;
};

}  // namespace sim
