// The boxes-and-menus port of a simulated process: modal on the calling
// thread of the headless desktop.
#pragma once

#include "platform/BoxesAndMenus.h"

namespace sim {

class Machine;
struct Process;

class SimBoxesAndMenus final : public plat::IBoxesAndMenus {
 public:
  SimBoxesAndMenus(Machine& machine, Process& process) : m_machine(machine), m_process(process) {}

  int MessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type) override;
  void AppendSystemMenu(HWND hwnd, UINT flags, UINT id, std::string_view text) override;
  plat::Point GetCursorPos() override;
  void SetCursorShape(int systemCursorId) override;
  void TrackPopupMenu(const plat::MenuTemplate& menu, UINT flags, plat::Point at, HWND owner) override;

 private:
  Machine& m_machine;
  Process& m_process;
};

}  // namespace sim
