// Windows and controls on real HWNDs (W functions; texts UTF-8 in the port).
#pragma once

#include <vector>

#include "platform/Windowing.h"
#include "platform/win32/BrowserHostWin32.h"
#include "platform/win32/ButtonImages.h"
#include "platform/win32/FocusMark.h"
#include "platform/win32/PixelLayout.h"
#include "platform/win32/WinApi.h"

namespace win32 {

class WindowingWin32 final : public plat::IWindowing {
 public:
  // The dialogs' browser placeholders get their controls from browsers.
  WindowingWin32(HMODULE module, BrowserHosts& browsers) : m_module(module), m_browsers(browsers) {}

  INT_PTR DialogBox(const plat::DialogTemplate& tmpl, HWND parent, plat::IWindowSink& sink) override;
  void EndDialog(HWND dlg, INT_PTR result) override;

  HWND GetDlgItem(HWND dlg, int id) override;
  void SetFocus(HWND dlg, HWND control) override;
  HWND GetFocus() override;
  std::string GetWindowText(HWND hwnd) override;
  void SetWindowText(HWND hwnd, std::string_view text) override;
  bool ShowWindow(HWND hwnd, int cmd) override;
  bool IsWindowVisible(HWND hwnd) override;
  bool IsIconic(HWND hwnd) override;
  void EnableWindow(HWND hwnd, bool enable) override;
  bool IsWindowEnabled(HWND hwnd) override;
  plat::Rect GetWindowRect(HWND hwnd) override;
  plat::Rect GetClientRect(HWND hwnd) override;
  void SetWindowSize(HWND hwnd, int cx, int cy) override;
  HWND FindWindow(std::string_view title) override;
  bool SetForegroundWindow(HWND hwnd) override;
  void SetIcon(HWND hwnd, HICON icon, bool big) override;
  HICON LoadIcon(int resourceId) override;
  void SetDefaultId(HWND dlg, int id) override;
  void PaintIcon(HWND hwnd, int x, int y, HICON icon) override;
  void DispatchPaintMessages() override;
  plat::Point GetIconSize() override;

  int GetCheck(HWND button) override;
  void SetCheck(HWND button, int state) override;
  void SetButtonBitmaps(HWND button, int normal, int selected, int focused, int disabled) override;
  void SizeToBitmap(HWND button) override;

  int AddString(HWND list, std::string_view text) override;
  int DeleteString(HWND list, int index) override;
  void ResetContent(HWND list) override;
  int GetCount(HWND list) override;
  int SetTopIndex(HWND list, int index) override;
  int GetCurSel(HWND list) override;
  int SetCurSel(HWND list, int index) override;
  int GetItemText(HWND list, int index, std::string& text) override;

  void SetProgressRange(HWND bar, int low, int high) override;
  int SetProgressPos(HWND bar, int pos) override;

  bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
  UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs) override;
  bool KillTimer(HWND hwnd, UINT_PTR id) override;

 private:
  struct DialogContext {
    plat::IWindowSink* sink;
    WindowingWin32* windows;
    PixelLayout* layout;          // null for dialogs laid out by their font
    std::vector<int> browserIds;  // placeholders that get the browser control
    int backgroundId;             // a skinned dialog's background picture, or 0
  };
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static INT_PTR InitDialog(HWND hwnd, DialogContext& context);
  static bool HandleDpiMessage(HWND hwnd, DialogContext& context, UINT msg, WPARAM wParam, LPARAM lParam);
  INT_PTR DefaultProcessing(HWND hwnd, UINT msg, LPARAM lParam);

  HMODULE m_module;
  ButtonImages m_buttonImages;
  FocusMarks m_focusMarks;
  BrowserHosts& m_browsers;
};

}  // namespace win32
