// The focus mark of a skinned dialog: a frame drawn on its background
// picture around the control that has the keyboard focus, as wide as the
// dialog's DPI asks. The dialog's own controls draw no focus on the skin.
#pragma once

#include <map>

#include "platform/win32/WinApi.h"

namespace win32 {

class FocusMarks {
 public:
  // The dialog's background picture carries the mark from now on.
  void Attach(HWND dialog, HWND background);
  // Called after each message of the dialog: when the focus has moved,
  // repaints where the mark was and where it goes.
  void Follow(HWND dialog);
  void Forget(HWND dialog);

 private:
  struct Mark {
    HWND background = nullptr;
    HWND marked = nullptr;
  };
  static LRESULT CALLBACK BackgroundProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR data);
  static HWND FocusedChild(HWND dialog);
  static RECT FrameOf(HWND dialog, HWND control);
  static void Paint(HWND background, HWND control);

  std::map<HWND, Mark> m_marks;
};

}  // namespace win32
