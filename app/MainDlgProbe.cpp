// The main window's side of the latency probing: its handlers hand each
// event to the fastest-server choice, which sees the window through the view.
#include "app/MainDlg.h"
#include "directory/ServerDirectory.h"
#include "probe/PingMessages.h"

namespace {

constexpr UINT kProbeTickMs = 100;

class CMainDlgProbeView final : public IProbeView {
 public:
  explicit CMainDlgProbeView(CMainDlg& dlg) : m_dlg(dlg) {}

  void UpdateData(BOOL bSaveAndValidate) override { m_dlg.UpdateData(bSaveAndValidate); }
  HWND GetSafeHwnd() override { return m_dlg.GetSafeHwnd(); }
  bool IsAutoSelectTicked() override { return m_dlg.m_bAutoSelect != 0; }
  void ClearAutoSelect() override { m_dlg.m_bAutoSelect = 0; }
  CString GroupText() override { return m_dlg.m_comboGroup.GetWindowText(kDirectoryValueBuffer - 1); }
  CString LineText() override { return m_dlg.m_comboLine.GetWindowText(); }
  int GetLineCount() override { return m_dlg.m_comboLine.GetCount(); }
  void SelectLine(int nIndex) override { m_dlg.m_comboLine.SetCurSel(nIndex); }
  void EnableControl(int nId, bool bEnable) override { CWnd::Windows().EnableWindow(Item(nId), bEnable); }
  void ShowControl(int nId, bool bShow) override {
    CWnd::Windows().ShowWindow(Item(nId), bShow ? SW_SHOW : SW_HIDE);
  }
  void SetProgressRange(int nLow, int nHigh) override { m_dlg.m_progress.SetRange(nLow, nHigh); }
  void SetProgressPos(int nPos) override { m_dlg.m_progress.SetPos(nPos); }
  void SetBusyPos(int nPos) override { CWnd::Windows().SetProgressPos(Item(IDC_PROBE_BUSY), nPos); }
  void SetProbeTimer(bool bRun) override {
    if (bRun)
      m_dlg.SetTimer(kProbeTickTimer, kProbeTickMs);
    else
      m_dlg.KillTimer(kProbeTickTimer);
  }

 private:
  HWND Item(int nId) { return m_dlg.GetDlgItem(nId); }

  CMainDlg& m_dlg;
};

}  // namespace

void CMainDlg::OnSpeed() {
  CMainDlgProbeView view(*this);
  m_fastest->OnSpeed(view);
}

void CMainDlg::OnAutoSelect() {
  CMainDlgProbeView view(*this);
  m_fastest->OnAutoSelect(view);
}

LRESULT CMainDlg::OnPingResult(WPARAM wParam, LPARAM lParam) {
  return m_fastest->OnPingResult(wParam, lParam);
}

LRESULT CMainDlg::OnPingDone(WPARAM, LPARAM) {
  CMainDlgProbeView view(*this);
  return m_fastest->OnPingDone(view);
}

void CMainDlg::OnProbeTick() {
  CMainDlgProbeView view(*this);
  m_fastest->OnProbeTick(view);
}
