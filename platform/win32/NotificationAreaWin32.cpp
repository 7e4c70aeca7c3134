#include "platform/win32/NotificationAreaWin32.h"

#include <cstring>
#include <iterator>

#include "platform/win32/SystemLibrary.h"
#include "platform/win32/WinText.h"

namespace win32 {

namespace {

// The text of a fixed, NUL-terminated field that may lack its NUL.
template <size_t N>
std::string_view FieldText(const char (&field)[N]) {
  return {field, ::strnlen(field, N)};
}

}  // namespace

bool NotificationAreaWin32::NotifyIcon(DWORD operation, const plat::NotifyIconRecord& record) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = record.hWnd;
  data.uID = record.uID;
  data.uFlags = record.uFlags;
  data.uCallbackMessage = record.uCallbackMessage;
  data.hIcon = record.hIcon;
  CopyToWideField(data.szTip, std::size(data.szTip), FieldText(record.szTip));
  data.dwState = record.dwState;
  data.dwStateMask = record.dwStateMask;
  CopyToWideField(data.szInfo, std::size(data.szInfo), FieldText(record.szInfo));
  data.uTimeout = record.uTimeout;
  CopyToWideField(data.szInfoTitle, std::size(data.szInfoTitle), FieldText(record.szInfoTitle));
  data.dwInfoFlags = record.dwInfoFlags;
  return ::Shell_NotifyIconW(operation, &data) != FALSE;
}

UINT NotificationAreaWin32::RegisterWindowMessage(std::string_view name) {
  return ::RegisterWindowMessageW(Utf8ToWide(name).c_str());
}

// ChangeWindowMessageFilterEx (Windows 7 on) for this window, else the
// process-wide ChangeWindowMessageFilter (Vista); before Vista nothing filters.
bool NotificationAreaWin32::AllowMessageFromShell(HWND hwnd, UINT msg) {
  constexpr DWORD kMsgFltAllow = 1;  // MSGFLT_ALLOW, and MSGFLT_ADD of the older call
  using FilterForWindow = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
  using FilterForProcess = BOOL(WINAPI*)(UINT, DWORD);
  HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
  if (auto allow = SystemProc<FilterForWindow>(user32, "ChangeWindowMessageFilterEx"))
    return allow(hwnd, msg, kMsgFltAllow, nullptr) != FALSE;
  if (auto allow = SystemProc<FilterForProcess>(user32, "ChangeWindowMessageFilter"))
    return allow(msg, kMsgFltAllow) != FALSE;
  return true;
}

}  // namespace win32
