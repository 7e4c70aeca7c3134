#include "platform/win32/ShellWin32.h"

#include <string>

#include "platform/win32/DesktopShell.h"
#include "platform/win32/WinApi.h"
#include "platform/win32/WinHandles.h"
#include "platform/win32/WinText.h"

namespace win32 {

namespace {

// ShellExecute's "success" for a call that has no result of its own.
constexpr INT_PTR kOpenedByTheShell = 42;

// Empty texts stand for the null arguments of the shell calls.
const wchar_t* OrNull(const std::wstring& text) {
  return text.empty() ? nullptr : text.c_str();
}

}  // namespace

INT_PTR ShellWin32::Execute(std::string_view verb, std::string_view file, std::string_view parameters,
                            std::string_view directory, int showCommand) {
  std::wstring wVerb = Utf8ToWide(verb), wFile = Utf8ToWide(file), wParameters = Utf8ToWide(parameters),
               wDirectory = Utf8ToWide(directory);
  HINSTANCE result = ::ShellExecuteW(nullptr, OrNull(wVerb), wFile.c_str(), OrNull(wParameters),
                                     OrNull(wDirectory), showCommand);
  return reinterpret_cast<INT_PTR>(result);
}

INT_PTR ShellWin32::OpenAsUser(std::string_view file, int showCommand) {
  // Where the desktop shell runs elevated itself, or is missing, what it
  // would start runs as the program does anyway.
  if (OpenThroughDesktopShell(Utf8ToWide(file), showCommand)) return kOpenedByTheShell;
  return Execute("open", file, "", "", showCommand);
}

bool ShellWin32::ExecuteAndWait(std::string_view file, std::string_view parameters, int showCommand) {
  std::wstring wFile = Utf8ToWide(file), wParameters = Utf8ToWide(parameters);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  info.lpFile = wFile.c_str();
  info.lpParameters = OrNull(wParameters);
  info.nShow = showCommand;
  if (!::ShellExecuteExW(&info)) return false;
  UniqueHandle process(info.hProcess);
  if (process) ::WaitForSingleObject(process.Get(), INFINITE);
  return true;
}

}  // namespace win32
