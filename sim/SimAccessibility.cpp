#include "sim/SimAccessibility.h"

#include "sim/WindowLookup.h"

namespace sim {

void SimAccessibility::SetAccessibleName(HWND control, std::string_view name) {
  With(m_machine, control, 0, [&](SimWnd& w) {
    w.accessibleName = name;
    return 0;
  });
}

void SimAccessibility::SetAccessibleRole(HWND control, long role) {
  With(m_machine, control, 0, [&](SimWnd& w) {
    w.accessibleRole = role;
    return 0;
  });
}

bool SimAccessibility::GetAccessibleFacts(HWND control, plat::AccessibleFacts& facts) {
  return With(m_machine, control, false, [&](SimWnd& w) {
    facts = m_machine.Screen().Accessible(w);
    return true;
  });
}

}  // namespace sim
