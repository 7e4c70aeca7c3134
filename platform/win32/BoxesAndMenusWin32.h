// Message boxes, the system menu, popup menus and the pointer on the real
// desktop (W functions; texts UTF-8 in the port).
#pragma once

#include "platform/BoxesAndMenus.h"
#include "platform/win32/WinApi.h"

namespace win32 {

class BoxesAndMenusWin32 final : public plat::IBoxesAndMenus {
 public:
  int MessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type) override;
  void AppendSystemMenu(HWND hwnd, UINT flags, UINT id, std::string_view text) override;
  void TrackPopupMenu(const plat::MenuTemplate& menu, UINT flags, plat::Point at, HWND owner) override;
  plat::Point GetCursorPos() override;
  void SetCursorShape(int systemCursorId) override;
};

}  // namespace win32
