// The window-system port of a simulated process, over the headless desktop.
#pragma once

#include "platform/WindowSystem.h"

namespace sim {

class Machine;
struct Process;
struct SimWnd;

class SimWindowSystem final : public plat::IWindowSystem {
 public:
  SimWindowSystem(Machine& machine, Process& process) : m_machine(machine), m_process(process) {}

  INT_PTR DialogBox(const plat::DialogTemplate& tmpl, HWND parent, plat::IWindowSink& sink) override;
  void EndDialog(HWND dlg, INT_PTR result) override;
  HWND GetDlgItem(HWND dlg, int id) override;
  void SetAccessibleName(HWND control, std::string_view name) override;
  void SetAccessibleRole(HWND control, long role) override;
  bool GetAccessibleFacts(HWND control, plat::AccessibleFacts& facts) override;
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
  plat::Point GetIconSize() override { return {32, 32}; }
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
  // The headless desktop paints nothing; the peek counts as a retrieval.
  void DispatchPaintMessages() override;
  int MessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type) override;
  void AppendSystemMenu(HWND hwnd, UINT flags, UINT id, std::string_view text) override;
  plat::Point GetCursorPos() override;
  void SetCursorShape(int systemCursorId) override;
  void TrackPopupMenu(const plat::MenuTemplate& menu, UINT flags, plat::Point at, HWND owner) override;
  bool NotifyIcon(DWORD operation, const plat::NotifyIconRecord& record) override;
  UINT RegisterWindowMessage(std::string_view name) override;
  bool AllowMessageFromShell(HWND hwnd, UINT msg) override;
  void Navigate(HWND browser, std::string_view url) override;
  void SetBrowserVisible(HWND browser, bool visible) override;
  std::unique_ptr<plat::IBrowserDocument> GetBrowserDocument(HWND browser) override;
  void ConfineBrowser(HWND browser, std::vector<std::string> hosts) override;
  std::optional<std::string> NextRefusedNavigation(HWND browser) override;

 private:
  Machine& m_machine;
  Process& m_process;
};

}  // namespace sim
