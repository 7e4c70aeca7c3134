// The process port of a simulated process: the system's tools run as
// children on the machine, each start recorded.
#pragma once

#include "platform/Processes.h"

namespace sim {

class Machine;
struct Process;

class SimProcesses final : public plat::IProcesses {
 public:
  SimProcesses(Machine& machine, Process& process) : m_machine(machine), m_process(process) {}

  int RunCommandProcessor(std::string_view commandLine) override;
  std::unique_ptr<plat::ICapturedChild> StartCaptured(std::string_view program,
                                                      std::string_view commandLine) override;
  std::unique_ptr<plat::IChildProcess> StartHidden(std::string_view file,
                                                   std::string_view parameters) override;

 private:
  Machine& m_machine;
  Process& m_process;
};

}  // namespace sim
