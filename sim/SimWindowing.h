// The windows-and-controls port of a simulated process, over the headless
// desktop.
#pragma once

#include "platform/Windowing.h"

namespace sim {

class Machine;
struct Process;

class SimWindowing final : public plat::IWindowing {
 public:
  SimWindowing(Machine& machine, Process& process) : m_machine(machine), m_process(process) {}

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

 private:
  Machine& m_machine;
  Process& m_process;
};

}  // namespace sim
