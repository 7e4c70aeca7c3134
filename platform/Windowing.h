// Port: windows and their controls (modal dialogs, texts, visibility,
// focus, buttons, lists, progress bars), the message queue and timers.
// All texts are UTF-8.
#pragma once

#include <string>
#include <string_view>

#include "platform/DialogTemplate.h"
#include "platform/Geometry.h"
#include "platform/WinTypes.h"

namespace plat {

// Receives every message of one window; set handled to false for the
// window system's default processing.
class IWindowSink {
 public:
  virtual LRESULT OnWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) = 0;

 protected:
  ~IWindowSink() = default;
};

class IWindowing {
 public:
  virtual ~IWindowing() = default;

  // Modal dialog: creates the window and its controls, sends WM_CREATE and
  // then WM_INITDIALOG to the sink, and dispatches until EndDialog.
  virtual INT_PTR DialogBox(const DialogTemplate& tmpl, HWND parent, IWindowSink& sink) = 0;
  virtual void EndDialog(HWND dlg, INT_PTR result) = 0;

  // Windows and controls.
  virtual HWND GetDlgItem(HWND dlg, int id) = 0;
  virtual std::string GetWindowText(HWND hwnd) = 0;
  virtual void SetWindowText(HWND hwnd, std::string_view text) = 0;
  virtual bool ShowWindow(HWND hwnd, int cmd) = 0;  // returns previous visibility
  virtual bool IsWindowVisible(HWND hwnd) = 0;
  virtual bool IsIconic(HWND hwnd) = 0;
  virtual void EnableWindow(HWND hwnd, bool enable) = 0;
  virtual bool IsWindowEnabled(HWND hwnd) = 0;
  virtual Rect GetWindowRect(HWND hwnd) = 0;  // pixels, screen
  virtual Rect GetClientRect(HWND hwnd) = 0;
  virtual void SetWindowSize(HWND hwnd, int cx, int cy) = 0;
  virtual HWND FindWindow(std::string_view title) = 0;
  virtual bool SetForegroundWindow(HWND hwnd) = 0;
  virtual void SetIcon(HWND hwnd, HICON icon, bool big) = 0;
  virtual HICON LoadIcon(int resourceId) = 0;
  virtual void SetDefaultId(HWND dlg, int id) = 0;
  // Paints a minimised window: icon background erased, icon drawn at (x, y).
  virtual void PaintIcon(HWND hwnd, int x, int y, HICON icon) = 0;
  virtual Point GetIconSize() = 0;  // the system's icon metrics

  // Keyboard focus. SetFocus moves it as the dialog manager does (the
  // default button follows); GetFocus names the dialog's control that has
  // it (a combo box for its edit field), or null. Tab and Shift+Tab reach
  // the dialog as WM_NEXTDLGCTL (wParam 0 forward, 1 back, lParam 0); not
  // handled, they go through the template's order.
  virtual void SetFocus(HWND dlg, HWND control) = 0;
  virtual HWND GetFocus() = 0;

  // Buttons.
  virtual int GetCheck(HWND button) = 0;
  virtual void SetCheck(HWND button, int state) = 0;
  // Bitmap resources for a bitmap button: normal, selected, focused, disabled (0 = none).
  virtual void SetButtonBitmaps(HWND button, int normal, int selected, int focused, int disabled) = 0;
  virtual void SizeToBitmap(HWND button) = 0;

  // Combo boxes and list boxes share one set of operations.
  virtual int AddString(HWND list, std::string_view text) = 0;
  virtual int DeleteString(HWND list, int index) = 0;  // remaining count, or -1
  virtual void ResetContent(HWND list) = 0;
  virtual int GetCount(HWND list) = 0;
  virtual int GetCurSel(HWND list) = 0;
  // -1 when out of range; the selection (and a combo box's text) is then cleared.
  virtual int SetCurSel(HWND list, int index) = 0;
  virtual int GetItemText(HWND list, int index, std::string& text) = 0;  // length, or -1 and text empty
  // List boxes: scrolls so that the entry is the top row, as far as the list goes.
  virtual int SetTopIndex(HWND list, int index) = 0;  // LB_ERR when out of range

  // Progress bar.
  virtual void SetProgressRange(HWND bar, int low, int high) = 0;
  virtual int SetProgressPos(HWND bar, int pos) = 0;

  // Messages and timers.
  virtual bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) = 0;
  virtual LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) = 0;
  virtual UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs) = 0;
  virtual bool KillTimer(HWND hwnd, UINT_PTR id) = 0;

  // Lets the calling thread's windows repaint while it is busy; no input
  // or other message is dispatched.
  virtual void DispatchPaintMessages() = 0;
};

}  // namespace plat
