// The main window's part in the fastest-server run: the run over the chosen
// group, and what the window shows of it.
#include "app/MainDlg.h"
#include "probe/GroupServers.h"

namespace {

constexpr int kProbingLocked[] = {IDC_AUTO_SELECT, IDC_GROUP, IDC_CONNECT};
constexpr int kProbingHidden[] = {IDC_LINE, IDC_SPEED};
constexpr int kProbingShown[] = {IDC_PROGRESS, IDC_PROBE_BUSY};

}  // namespace

void CMainDlg::StartFastestRun() {
  CString strGroup = m_comboGroup.GetWindowText(kDirectoryValueBuffer - 1);
  std::vector<CString> servers = GroupServers(*m_directory, strGroup);
  m_dialLog.Log().Printf("probe: the fastest of group \"%s\", %u servers", strGroup.GetString(),
                         static_cast<unsigned>(servers.size()));
  m_probeRun->Start(std::move(servers), kFastestProbePings, GetSafeHwnd());
}

void CMainDlg::CProbeView::ShowProbing(bool bProbing) {
  m_dlg.m_progress.SetRange(0, 100);
  plat::IWindowing& windows = CWnd::Windows();
  for (int nId : kProbingLocked) windows.EnableWindow(m_dlg.GetDlgItem(nId), !bProbing);
  for (int nId : kProbingHidden) windows.ShowWindow(m_dlg.GetDlgItem(nId), bProbing ? SW_HIDE : SW_SHOW);
  for (int nId : kProbingShown) windows.ShowWindow(m_dlg.GetDlgItem(nId), bProbing ? SW_SHOW : SW_HIDE);
}

void CMainDlg::CProbeView::ShowBusy(int nPos) {
  CWnd::Windows().SetProgressPos(m_dlg.GetDlgItem(IDC_PROBE_BUSY), nPos);
}

void CMainDlg::CProbeView::ShowProgress(int nPercent) {
  m_dlg.m_progress.SetPos(nPercent);
}

void CMainDlg::CProbeView::ShowServer(int nServer, const CString& strAddress, const CProbeSamples& samples) {
  m_dlg.m_dialLog.Log().Printf("probe: server %d, %s: %s", nServer, strAddress.GetString(),
                               SamplesSummary(samples).GetString());
}

// The run ends with the auto-select box cleared and, where the Line list
// holds the fastest server, that server chosen.
void CMainDlg::CProbeView::ShowFastest(int nServer) {
  m_dlg.m_bAutoSelect = 0;
  int nEntry = LineEntryOf(nServer, m_dlg.m_comboLine.GetCount());
  if (nEntry < 0) {
    m_dlg.m_dialLog.Log().Write("probe: no server chosen, the line stays");
    return;
  }
  m_dlg.m_comboLine.SetCurSel(nEntry);
  m_dlg.m_dialLog.Log().Printf("probe: server %d is the fastest, line %d chosen", nServer, nEntry);
}
