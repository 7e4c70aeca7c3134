// The shell's notification area (Shell_NotifyIconW) and the messages the
// shell sends to an elevated window.
#pragma once

#include "platform/NotificationArea.h"
#include "platform/win32/WinApi.h"

namespace win32 {

class NotificationAreaWin32 final : public plat::INotificationArea {
 public:
  bool NotifyIcon(DWORD operation, const plat::NotifyIconRecord& record) override;
  UINT RegisterWindowMessage(std::string_view name) override;
  bool AllowMessageFromShell(HWND hwnd, UINT msg) override;
};

}  // namespace win32
