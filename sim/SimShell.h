// The shell port of a simulated process: every call is recorded on the machine.
#pragma once

#include <string>

#include "platform/Shell.h"

namespace sim {

class Machine;
struct Process;

struct ShellCall {
  int pid = 0;
  std::string verb;
  std::string file;
  std::string parameters;
  std::string directory;
  int showCommand = 0;
  bool waited = false;      // run and waited for
  bool unelevated = false;  // opened at the signed-in user's level
};

class SimShell final : public plat::IShell {
 public:
  SimShell(Machine& machine, Process& process) : m_machine(machine), m_process(process) {}

  // Opens anything and reports success (a value above 32).
  INT_PTR Execute(std::string_view verb, std::string_view file, std::string_view parameters,
                  std::string_view directory, int showCommand) override;
  // Recorded as opened at the user's level.
  INT_PTR OpenAsUser(std::string_view file, int showCommand) override;
  // The program runs and ends at once.
  bool ExecuteAndWait(std::string_view file, std::string_view parameters, int showCommand) override;

 private:
  Machine& m_machine;
  Process& m_process;
};

}  // namespace sim
