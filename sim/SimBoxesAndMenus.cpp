#include "sim/SimBoxesAndMenus.h"

#include <string>

#include "platform/WinConstants.h"
#include "sim/Machine.h"
#include "sim/WindowLookup.h"

namespace sim {

int SimBoxesAndMenus::MessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type) {
  auto lock = m_machine.Lock();
  return m_machine.Screen().RunMessageBox(lock, m_process.pid, owner, std::string(text), std::string(caption),
                                          type);
}

void SimBoxesAndMenus::AppendSystemMenu(HWND hwnd, UINT flags, UINT id, std::string_view text) {
  With(m_machine, hwnd, 0, [&](SimWnd& w) {
    w.systemMenu.emplace_back((flags & MF_SEPARATOR) ? 0 : id, std::string(text));
    return 0;
  });
}

plat::Point SimBoxesAndMenus::GetCursorPos() {
  auto lock = m_machine.Lock();
  return m_machine.Screen().cursor;
}

void SimBoxesAndMenus::TrackPopupMenu(const plat::MenuTemplate& menu, UINT, plat::Point at, HWND owner) {
  auto lock = m_machine.Lock();
  m_machine.Screen().RunPopupMenu(lock, m_process.pid, menu, at, owner);
}

void SimBoxesAndMenus::SetCursorShape(int systemCursorId) {
  auto lock = m_machine.Lock();
  m_machine.Screen().cursorShape = systemCursorId;
}

}  // namespace sim
