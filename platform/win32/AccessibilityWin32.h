// Accessible names and roles of controls, annotated on their windows for
// the system's accessibility proxies, and read back through the system's
// accessibility interface. oleacc.dll is loaded from the system directory
// on first use; annotation goes through COM.
#pragma once

#include <string_view>

#include "platform/Accessibility.h"
#include "platform/win32/ComPtr.h"
#include "platform/win32/WinApi.h"
#include "platform/win32/WinHandles.h"

// After the Windows headers.
#include <oleacc.h>

namespace win32 {

class AccessibilityWin32 final : public plat::IAccessibility {
 public:
  void SetAccessibleName(HWND control, std::string_view name) override;
  void SetAccessibleRole(HWND control, long role) override;
  bool GetAccessibleFacts(HWND control, plat::AccessibleFacts& facts) override;

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
