// The registry port of a simulated process, over the machine's hive.
#pragma once

#include "platform/Registry.h"

namespace sim {

class Machine;
struct Process;

class SimRegistry final : public plat::IRegistry {
 public:
  SimRegistry(Machine& machine, Process& process) : m_machine(machine), m_process(process) {}

  std::unique_ptr<plat::IRegistryKey> OpenKey(plat::RegistryRoot root, std::string_view path,
                                              plat::RegistryView view, LONG& result) override;

 private:
  Machine& m_machine;
  Process& m_process;
};

}  // namespace sim
