#include "sim/SimShell.h"

#include "sim/Machine.h"

namespace sim {

namespace {
constexpr INT_PTR kShellOk = 42;
}

INT_PTR SimShell::Execute(std::string_view verb, std::string_view file, std::string_view parameters,
                          std::string_view directory, int showCommand) {
  auto lock = m_machine.Lock();
  m_machine.ShellCalls().push_back(ShellCall{m_process.pid, std::string(verb), std::string(file),
                                             std::string(parameters), std::string(directory), showCommand,
                                             false});
  return kShellOk;
}

// The machine's desktop shell always offers the unelevated way.
INT_PTR SimShell::OpenAsUser(std::string_view file, int showCommand) {
  auto lock = m_machine.Lock();
  m_machine.ShellCalls().push_back(
      ShellCall{m_process.pid, "open", std::string(file), "", "", showCommand, false, true});
  return kShellOk;
}

bool SimShell::ExecuteAndWait(std::string_view file, std::string_view parameters, int showCommand) {
  auto lock = m_machine.Lock();
  m_machine.ShellCalls().push_back(
      ShellCall{m_process.pid, "open", std::string(file), std::string(parameters), "", showCommand, true});
  return true;
}

}  // namespace sim
