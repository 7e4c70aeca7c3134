// The simulated machine's services: each with its state, the shared ones
// carried by one service host process ("svchost.exe") with a process id,
// and what the task list prints about that host. Guarded by the machine lock.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Services.h"

namespace sim {

struct SimService {
  std::string name;
  DWORD state = plat::kServiceStopped;
  bool shared = true;  // runs inside the service host
};

struct ServiceHost {
  int pid = 1044;
  std::string imageName = "svchost.exe";  // as the task list spells it
  bool running = false;
};

// What "tasklist /FI \"services eq NAME\"" prints: the usual table, nothing
// at all, or a text given by a scenario.
struct TaskListOutput {
  enum class Kind { kTable, kEmpty, kText } kind = Kind::kTable;
  std::string text;
};

class ServiceManager {
 public:
  // Adds or changes a service; a shared running service brings its host up.
  void SetService(std::string_view name, DWORD state, bool shared = true);
  SimService* Find(std::string_view name);
  const std::vector<SimService>& Services() const { return m_services; }
  // The manager refuses to be opened.
  void SetManagerDenied(bool denied) { m_managerDenied = denied; }
  bool ManagerDenied() const { return m_managerDenied; }

  ServiceHost& Host() { return m_host; }
  void SetTaskListOutput(TaskListOutput output) { m_taskList = std::move(output); }

  // The task list's standard output for the services filter.
  std::string TaskList(std::string_view service) const;
  // taskkill /F /T /PID: ends the host (and stops its services) when it has that pid.
  bool Kill(int pid);
  // net start: 0, or the tool's exit code (2: no such service or already running).
  int Start(std::string_view name);

 private:
  std::vector<SimService> m_services;
  ServiceHost m_host;
  int m_nextHostPid = 2100;
  bool m_managerDenied = false;
  TaskListOutput m_taskList;
};

}  // namespace sim
