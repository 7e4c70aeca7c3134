// Start of the Windows program: the real ports, then the framework.
#include "platform/win32/Dpi.h"
#include "platform/win32/SystemLibrary.h"
#include "platform/win32/Win32Ports.h"
#include "platform/win32/WinApi.h"

// After the Windows headers.
#include <ole2.h>

// From app/ClientApp.h, whose message constants clash with <windows.h>.
int DialerMain(const plat::Ports& ports);

namespace {

// OLE for the GUI thread: the shell calls and the browser control use it.
class OleScope {
 public:
  OleScope() : m_initialized(SUCCEEDED(::OleInitialize(nullptr))) {}
  OleScope(const OleScope&) = delete;
  OleScope& operator=(const OleScope&) = delete;
  ~OleScope() {
    if (m_initialized) ::OleUninitialize();
  }

 private:
  bool m_initialized;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  win32::RestrictDllSearchToSystem();
  win32::DeclareDpiAwareness();
  static win32::Win32Ports ports;
  plat::ScopedPorts installed(ports.Ports());

  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS;
  ::InitCommonControlsEx(&controls);
  OleScope ole;

  return DialerMain(ports.Ports());
}
