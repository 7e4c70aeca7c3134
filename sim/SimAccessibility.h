// The accessibility port of a simulated process.
#pragma once

#include "platform/Accessibility.h"

namespace sim {

class Machine;
struct Process;

class SimAccessibility final : public plat::IAccessibility {
 public:
  SimAccessibility(Machine& machine, Process&) : m_machine(machine) {}

  void SetAccessibleName(HWND control, std::string_view name) override;
  void SetAccessibleRole(HWND control, long role) override;
  bool GetAccessibleFacts(HWND control, plat::AccessibleFacts& facts) override;

 private:
  Machine& m_machine;
};

}  // namespace sim
