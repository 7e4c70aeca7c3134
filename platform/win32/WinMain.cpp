// Start of the Windows program: the real ports, then the framework.
#include "platform/win32/Win32Ports.h"
#include "platform/win32/WinApi.h"

// From app/ClientApp.h, whose message constants clash with <windows.h>.
// Calling it links the application object in.
int DialerMain();

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  static win32::Win32Ports ports;
  plat::SetProcessDefault(&ports.Ports());
  plat::SetCurrent(&ports.Ports());

  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS;
  ::InitCommonControlsEx(&controls);

  return DialerMain();
}
