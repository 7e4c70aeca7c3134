// Accessible names and roles of controls, annotated on their windows for
// the system's accessibility proxies, and read back through the system's
// accessibility interface. oleacc.dll is loaded from the system directory
// on first use; annotation goes through COM.
#pragma once

#include <string_view>

#include "platform/WindowSystem.h"
#include "platform/win32/ComPtr.h"
#include "platform/win32/WinApi.h"
#include "platform/win32/WinHandles.h"

// After the Windows headers.
#include <oleacc.h>

namespace win32 {

class AccessibilityWin32 {
 public:
  void SetName(HWND control, std::string_view name);
  void SetRole(HWND control, long role);
  bool Read(HWND control, plat::AccessibleFacts& facts);

 private:
  IAccPropServices* Services();

  struct LibraryTraits {
    static HMODULE Invalid() { return nullptr; }
    static void Close(HMODULE h) { ::FreeLibrary(h); }
  };
  ComPtr<IAccPropServices> m_services;
  bool m_servicesTried = false;
  UniqueWinHandle<HMODULE, LibraryTraits> m_oleacc;
};

}  // namespace win32
