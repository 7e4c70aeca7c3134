// The registry port of a simulated process, over the machine's hive.
#pragma once

#include "platform/Registry.h"

namespace sim {

class Machine;
struct Process;

class SimRegistry final : public plat::IRegistry {
 public:
  SimRegistry(Machine& machine, Process&) : m_machine(machine) {}

  std::unique_ptr<plat::IRegistryKey> OpenKey(plat::RegistryRoot root, std::string_view path,
                                              LONG& result) override;

 private:
  Machine& m_machine;
};

}  // namespace sim
