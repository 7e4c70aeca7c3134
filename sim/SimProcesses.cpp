#include "sim/SimProcesses.h"

#include "platform/WinConstants.h"
#include "sim/Machine.h"
#include "sim/SystemTools.h"

namespace sim {

namespace {

class SimChildProcess : public plat::ICapturedChild {
 public:
  SimChildProcess(Machine& machine, int pid) : m_machine(machine), m_pid(pid) {}

  DWORD Wait(DWORD timeoutMs) override {
    auto lock = m_machine.Lock();
    Scheduler& sched = m_machine.Sched();
    SimChild* child = m_machine.Children().Find(m_pid);
    if (child == nullptr) return 0xFFFFFFFF;  // WAIT_FAILED
    std::optional<VirtualTime> until = child->endsAt;
    if (timeoutMs != INFINITE) {
      VirtualTime limit = sched.Now() + timeoutMs;
      if (!until || limit < *until) until = limit;
    }
    if (!until || sched.Now() < *until)
      sched.Block(
          lock, [] { return false; }, until);
    return child->Ended(sched.Now()) ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
  }

  DWORD ExitCode() override {
    auto lock = m_machine.Lock();
    SimChild* child = m_machine.Children().Find(m_pid);
    if (child == nullptr || !child->Ended(m_machine.Sched().Now())) return plat::kStillActive;
    return static_cast<DWORD>(child->exitCode);
  }

  plat::PipeRead ReadOutput(std::string& chunk, DWORD maxBytes) override {
    auto lock = m_machine.Lock();
    SimChild* child = m_machine.Children().Find(m_pid);
    chunk.clear();
    if (child == nullptr) return plat::PipeRead::kClosed;
    if (child->read < child->output.size()) {
      chunk = child->output.substr(child->read, maxBytes);
      child->read += chunk.size();
      return plat::PipeRead::kData;
    }
    return child->Ended(m_machine.Sched().Now()) ? plat::PipeRead::kClosed : plat::PipeRead::kEmpty;
  }

 private:
  Machine& m_machine;
  int m_pid;
};

}  // namespace

// The system directory's command processor runs the line as "cmd.exe /c LINE".
int SimProcesses::RunCommandProcessor(std::string_view commandLine) {
  auto lock = m_machine.Lock();
  ToolRun run =
      RunSystemTool(m_machine, m_machine.SystemDirectory() + "\\cmd.exe", "/c " + std::string(commandLine));
  auto [program, parameters] = SplitCommandLine(commandLine);
  ChildRecord record{m_machine.Sched().Now(), m_process.pid, ChildKind::kCommandProcessor, program,
                     parameters};
  m_machine.Children().Start(std::move(record), true, {}, run.exitCode);
  return run.exitCode;
}

std::unique_ptr<plat::ICapturedChild> SimProcesses::StartCaptured(std::string_view program,
                                                                  std::string_view commandLine) {
  auto lock = m_machine.Lock();
  std::string parameters = SplitCommandLine(commandLine).second;
  ToolRun run = RunSystemTool(m_machine, program, parameters);
  ChildRecord record{m_machine.Sched().Now(), m_process.pid, ChildKind::kCaptured, std::string(program),
                     parameters};
  SimChild* child = m_machine.Children().Start(std::move(record), run.found, run.output, run.exitCode);
  if (child == nullptr) return nullptr;
  return std::make_unique<SimChildProcess>(m_machine, child->pid);
}

std::unique_ptr<plat::IChildProcess> SimProcesses::StartHidden(std::string_view file,
                                                               std::string_view parameters) {
  auto lock = m_machine.Lock();
  ToolRun run = RunSystemTool(m_machine, file, parameters);
  ChildRecord record{m_machine.Sched().Now(), m_process.pid, ChildKind::kShell, std::string(file),
                     std::string(parameters)};
  SimChild* child = m_machine.Children().Start(std::move(record), run.found, run.output, run.exitCode);
  if (child == nullptr) return nullptr;
  return std::make_unique<SimChildProcess>(m_machine, child->pid);
}

}  // namespace sim
