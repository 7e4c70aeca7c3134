// Start of the Windows program: the real ports, then the framework.
#include "platform/win32/Dpi.h"
#include "platform/win32/SystemLibrary.h"
#include "platform/win32/Win32Ports.h"
#include "platform/win32/WinApi.h"

// After the Windows headers.
#include <ole2.h>

#include <cstddef>

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

// The image's load configuration: the loader takes the program's own
// imports from the system directory only (Windows 10 1607 on; before, the
// restriction that wWinMain makes first thing holds from there on). It
// ends before the exception handler table, where Windows XP expects it to
// end on x86 (64 bytes). The build points the image's directory at its
// section (scripts/pe-load-config).
extern "C" {
extern const IMAGE_LOAD_CONFIG_DIRECTORY _load_config_used;
__attribute__((used, section(".ldcfg"))) const IMAGE_LOAD_CONFIG_DIRECTORY _load_config_used = {
    .Size = offsetof(IMAGE_LOAD_CONFIG_DIRECTORY, SEHandlerTable),
    .Reserved1 = LOAD_LIBRARY_SEARCH_SYSTEM32,  // DependentLoadFlags
};
}

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
