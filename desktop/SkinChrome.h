// The skinned window's own chrome: dragging the window by any bare spot, the
// hand cursor over the main clickable spots, and the skin's close and hide
// buttons.
#pragma once

#include "platform/BoxesAndMenus.h"
#include "platform/Windowing.h"

class CSkinChrome {
 public:
  CSkinChrome(plat::IWindowing& windows, plat::IBoxesAndMenus& pointer, HWND hwndMain)
      : m_windows(windows), m_pointer(pointer), m_hwndMain(hwndMain) {}

  // A press on the bare window: the system drags the window as by its
  // caption, from the client point the press carried.
  void BeginDrag(LPARAM lClientPoint);
  // True when the cursor lies over one of the hand-cursor spots, visible or
  // not, enabled or not; the hand is then set.
  bool SetHandCursor();
  // The skin's close buttons close as the caption's close box does.
  void Close();
  void Hide();

 private:
  bool CursorOver(int nControlId, plat::Point cursor);

  plat::IWindowing& m_windows;
  plat::IBoxesAndMenus& m_pointer;
  HWND m_hwndMain;
};
