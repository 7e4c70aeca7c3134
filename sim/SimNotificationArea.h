// The notification-area port of a simulated process.
#pragma once

#include "platform/NotificationArea.h"

namespace sim {

class Machine;
struct Process;

class SimNotificationArea final : public plat::INotificationArea {
 public:
  SimNotificationArea(Machine& machine, Process& process) : m_machine(machine), m_process(process) {}

  bool NotifyIcon(DWORD operation, const plat::NotifyIconRecord& record) override;
  UINT RegisterWindowMessage(std::string_view name) override;
  bool AllowMessageFromShell(HWND hwnd, UINT msg) override;

 private:
  Machine& m_machine;
  Process& m_process;
};

}  // namespace sim
