// The remote-access policy step run before an L2TP dial: the main window's side.
#include "app/MainDlg.h"
#include "connection/MainDlgL2tpView.h"

int CMainDlgL2tpView::AskUser(const CString& strText, const CString& strCaption, UINT nType) {
  return m_dlg.MessageBox(strText, strCaption, nType);
}

void CMainDlgL2tpView::ShowRestartProgress(int nPos) {
  m_dlg.m_progress.SetPos(nPos);
  m_dlg.UpdateData(FALSE);
}

void CMainDlgL2tpView::HideRestartProgress() {
  m_dlg.m_progress.ShowWindow(SW_HIDE);
}

bool CMainDlg::ApplyL2tpPolicy() {
  if (!m_pL2tpPolicy) {
    const plat::Ports& ports = plat::Current();
    m_pL2tpView = std::make_unique<CMainDlgL2tpView>(*this);
    m_pL2tpPolicy = std::make_unique<CL2tpPolicy>(*ports.registry, *ports.services, *ports.processes,
                                                  *ports.system, *m_pL2tpView, m_strSysDir);
  }
  return m_pL2tpPolicy->ApplyL2tpPolicy() == CL2tpPolicy::kContinue;
}
