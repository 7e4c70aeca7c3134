// Child processes the dialer starts on the simulated machine: a record of
// each start, the children's output and how long they run, and a restart
// of the computer when one is pending. Guarded by the machine lock.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/WinTypes.h"
#include "sim/Scheduler.h"

namespace sim {

enum class ChildKind {
  kCommandProcessor,  // system()
  kCaptured,          // CreateProcess, hidden, output through a pipe
  kShell,             // ShellExecuteEx, hidden
};

struct ChildRecord {
  VirtualTime at = 0;
  int parentPid = 0;
  ChildKind kind = ChildKind::kShell;
  std::string program;     // as the dialer named it
  std::string parameters;  // the rest of the command line, leading blanks dropped
  int pid = 0;             // 0: it could not start
};

struct SimChild {
  int pid = 0;
  std::string output;
  size_t read = 0;
  std::optional<VirtualTime> endsAt;  // never, when empty
  int exitCode = 0;
  bool Ended(VirtualTime now) const { return endsAt && now >= *endsAt; }
};

struct PendingRestart {
  VirtualTime at = 0;
  int seconds = 0;
};

// "C:\\Windows\\system32\\net.exe" -> "net.exe"; a name without extension gets ".exe".
std::string ToolName(std::string_view program);
// The first token of a command line (quotes removed) and the rest.
std::pair<std::string, std::string> SplitCommandLine(std::string_view commandLine);

class ChildProcesses {
 public:
  // A tool (by its file name, e.g. "net.exe") runs this long, or never ends.
  void SetRunTime(std::string_view tool, std::optional<DWORD> ms);
  std::optional<DWORD> RunTime(std::string_view tool) const;

  // Records a start; a started child gets a pid and runs from now.
  SimChild* Start(ChildRecord record, bool started, std::string output, int exitCode);
  SimChild* Find(int pid);
  const std::vector<ChildRecord>& Records() const { return m_records; }

  void SetPendingRestart(PendingRestart restart) { m_restart = restart; }
  const std::optional<PendingRestart>& Restart() const { return m_restart; }

 private:
  std::vector<ChildRecord> m_records;
  std::map<int, SimChild> m_children;
  std::map<std::string, std::optional<DWORD>> m_runTimes;  // lower-case tool names
  std::optional<PendingRestart> m_restart;
  int m_nextPid = 3000;
};

}  // namespace sim
