// Port: the shell's notification area and the messages it sends.
// All texts are UTF-8.
#pragma once

#include <string_view>

#include "platform/WinTypes.h"

namespace plat {

// The shell's notification record (ANSI layout sizes, UTF-8 text).
struct NotifyIconRecord {
  DWORD cbSize = 0;
  HWND hWnd = nullptr;
  UINT uID = 0;
  UINT uFlags = 0;
  UINT uCallbackMessage = 0;
  HICON hIcon = nullptr;
  char szTip[128] = {};
  DWORD dwState = 0;
  DWORD dwStateMask = 0;
  char szInfo[256] = {};
  UINT uTimeout = 0;
  char szInfoTitle[64] = {};
  DWORD dwInfoFlags = 0;
};

class INotificationArea {
 public:
  virtual ~INotificationArea() = default;

  virtual bool NotifyIcon(DWORD operation, const NotifyIconRecord& record) = 0;
  // A message that the system numbers by its name, the same number in every
  // program of the session (the shell's "TaskbarCreated"); 0 when it cannot.
  virtual UINT RegisterWindowMessage(std::string_view name) = 0;
  // Lets msg reach the window from programs of a lower level, such as the
  // unelevated shell, where the system filters what an elevated window gets.
  virtual bool AllowMessageFromShell(HWND hwnd, UINT msg) = 0;
};

}  // namespace plat
