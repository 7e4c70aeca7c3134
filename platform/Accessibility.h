// Port: what the system's accessibility interface tells a screen reader of
// a control. All texts are UTF-8.
#pragma once

#include <string>
#include <string_view>

#include "platform/WinTypes.h"

namespace plat {

// A control's name, role and state (the MSAA role and state numbers).
struct AccessibleFacts {
  std::string name;
  long role = 0;
  long state = 0;
};

// Accessibility roles and states (MSAA numbers).
enum AccessibleRole : long {
  kRoleClient = 0x0A,
  kRoleLink = 0x1E,
  kRoleList = 0x21,
  kRoleGraphic = 0x28,
  kRoleStaticText = 0x29,
  kRoleText = 0x2A,
  kRolePushButton = 0x2B,
  kRoleCheckButton = 0x2C,
  kRoleRadioButton = 0x2D,
  kRoleComboBox = 0x2E,
  kRoleProgressBar = 0x30,
};
enum AccessibleState : long {
  kStateUnavailable = 0x1,
  kStateFocused = 0x4,
  kStatePressed = 0x8,
  kStateChecked = 0x10,
  kStateInvisible = 0x8000,
  kStateFocusable = 0x100000,
  kStateProtected = 0x20000000,
};

class IAccessibility {
 public:
  virtual ~IAccessibility() = default;

  // The name (and role) the system's proxies report for a control,
  // annotated on the window; role 0 keeps the proxy's own.
  virtual void SetAccessibleName(HWND control, std::string_view name) = 0;
  virtual void SetAccessibleRole(HWND control, long role) = 0;
  // Asks the system's accessibility interface; false when it gives no answer.
  virtual bool GetAccessibleFacts(HWND control, AccessibleFacts& facts) = 0;
};

}  // namespace plat
