#include "sim/SimNotificationArea.h"

#include "sim/Machine.h"
#include "sim/WindowLookup.h"

namespace sim {

bool SimNotificationArea::NotifyIcon(DWORD operation, const plat::NotifyIconRecord& record) {
  auto lock = m_machine.Lock();
  // After ExitProcess no code of the process runs: the unwind's calls do nothing.
  if (m_process.exitCode) return false;
  return m_machine.Screen().NotifyIcon(m_process.pid, operation, record);
}

UINT SimNotificationArea::RegisterWindowMessage(std::string_view name) {
  auto lock = m_machine.Lock();
  return m_machine.Screen().RegisterMessage(name);
}

bool SimNotificationArea::AllowMessageFromShell(HWND hwnd, UINT msg) {
  return With(m_machine, hwnd, false, [&](SimWnd& w) {
    w.allowedFromShell.push_back(msg);
    return true;
  });
}

}  // namespace sim
