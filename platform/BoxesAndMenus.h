// Port: message boxes, the system menu, popup menus and the pointer.
// All texts are UTF-8.
#pragma once

#include <string_view>

#include "platform/Geometry.h"
#include "platform/WinTypes.h"

namespace plat {

struct MenuItem {
  UINT id;  // 0 for a separator
  const char* text;
};
struct MenuTemplate {
  int id;
  const char* popupTitle;
  const MenuItem* items;
  int itemCount;
};

class IBoxesAndMenus {
 public:
  virtual ~IBoxesAndMenus() = default;

  // Message box on the calling thread; returns IDOK, IDYES or IDNO.
  virtual int MessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type) = 0;

  virtual void AppendSystemMenu(HWND hwnd, UINT flags, UINT id, std::string_view text) = 0;
  // Shows the popup and sends the chosen item's command to owner as WM_COMMAND.
  virtual void TrackPopupMenu(const MenuTemplate& menu, UINT flags, Point at, HWND owner) = 0;

  virtual Point GetCursorPos() = 0;
  // Sets one of the system's cursors (IDC_HAND, IDC_ARROW) for the pointer.
  virtual void SetCursorShape(int systemCursorId) = 0;
};

}  // namespace plat
