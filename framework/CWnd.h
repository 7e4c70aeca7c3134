// Window objects over the window-system port.
#pragma once

#include "framework/CString.h"
#include "framework/MessageMap.h"
#include "platform/Ports.h"
#include "platform/WinConstants.h"

class CWnd : public CCmdTarget, public plat::IWindowSink {
 public:
  CWnd() = default;
  explicit CWnd(HWND hwnd) : m_hWnd(hwnd) {}
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND GetSafeHwnd() const { return m_hWnd; }
  HWND GetDlgItem(int id) const;
  // The name (and role, unless 0) a screen reader is told of a control.
  void SetAccessibleName(int id, const CString& name, long role = 0) const;

  void SetWindowText(const CString& text);
  CString GetWindowText() const;
  // The window's text cut to at most maxChars characters (a buffer of maxChars + 1).
  CString GetWindowText(int maxChars) const;
  bool ShowWindow(int cmd);
  bool IsWindowVisible() const;
  bool IsIconic() const;
  void EnableWindow(bool enable = true);
  bool IsWindowEnabled() const;
  bool SetForegroundWindow();
  plat::Rect GetClientRect() const;
  void SetIcon(HICON icon, bool big);

  UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs);
  bool KillTimer(UINT_PTR id);
  bool PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  int MessageBox(const CString& text, const CString& caption, UINT type = MB_OK);

  // The ports of the application object that runs on this thread.
  static plat::IWindowing& Windows();
  static plat::IBoxesAndMenus& BoxesAndMenus();
  static plat::IAccessibility& Accessibility();

  // plat::IWindowSink
  LRESULT OnWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;

  HWND m_hWnd = nullptr;

 protected:
  // Asks for the window system's default processing of the current message.
  void Default() { m_bWantDefault = true; }
  virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual bool OnCommand(UINT id, UINT code, bool& handled);
  int OnCreate() { return 0; }

 private:
  bool m_bWantDefault = false;
};

// Tiny handle to a window's system menu.
class CMenu {
 public:
  explicit CMenu(HWND owner) : m_owner(owner) {}
  void AppendMenu(UINT flags, UINT id = 0, const CString& text = CString());

 private:
  HWND m_owner;
};
