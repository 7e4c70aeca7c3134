// What the subsystems may see and change of the main window.
#include "app/MainDlg.h"
#include "directory/ServerDirectory.h"
#include "framework/CWinApp.h"
#include "resources/Texts.h"

namespace {

constexpr int kLockedControls[] = {IDC_LINE,     IDC_GROUP, IDC_USER, IDC_PASSWORD,
                                   IDC_REMEMBER, IDC_SPEED, IDC_RELAY};

}  // namespace

void CMainDlg::SetStatus(const CString& strText) {
  m_strStatus = strText;
}

void CMainDlg::PushFields() {
  UpdateData(FALSE);
}

void CMainDlg::PullFields() {
  UpdateData(TRUE);
}

void CMainDlg::KeepPainted() {
  Windows().DispatchPaintMessages();
}

int CMainDlg::MessageBox(const CString& strText, const CString& strCaption, UINT nType) {
  return CDialog::MessageBox(strText, strCaption, nType);
}

int CMainDlg::AppMessageBox(const CString& strText, UINT nType) {
  return AfxMessageBox(strText, nType);
}

int CMainDlg::AppNamedMessageBox(const CString& strText) {
  return CDialog::MessageBox(strText, AfxGetAppName(), MB_OK);
}

int CMainDlg::ServerSelection() {
  return m_comboServer.GetCurSel();
}

CLoginFields CMainDlg::LoginFields() {
  return CLoginFields{m_strUser, m_strPassword, m_nRouteMode, m_bL2tp, m_bRemember};
}

void CMainDlg::SetLoginFields(const CLoginFields& login) {
  m_strUser = login.strUser;
  m_strPassword = login.strPassword;
  m_nRouteMode = login.nRouteMode;
  m_bL2tp = login.bL2tp;
  m_bRemember = login.bRemember;
}

void CMainDlg::ShowConnectLook(bool bConnected) {
  if (bConnected) {
    m_btnConnect.SetWindowText(texts::kDisconnect);
    m_btnConnect.LoadBitmaps(IDB_DISCONNECT, IDB_DISCONNECT_DOWN, IDB_DISCONNECT, IDB_DISCONNECT);
  } else {
    m_btnConnect.SetWindowText(texts::kConnect);
    m_btnConnect.LoadBitmaps(IDB_CONNECT, IDB_CONNECT_DOWN, IDB_CONNECT, IDB_CONNECT);
  }
  m_btnConnect.SizeToContent();
  if (m_access) m_access->NameConnect(bConnected);
}

void CMainDlg::LockControls(bool bLock) {
  for (int id : kLockedControls) Windows().EnableWindow(GetDlgItem(id), !bLock);
}

// The attempt's own fields, as its one pull read them.
void CMainDlg::SaveSettings(const CLoginFields& login) {
  m_settings->Save(login);
}

void CMainDlg::HideWindow() {
  ShowWindow(SW_HIDE);
}

void CMainDlg::StartTimer(UINT_PTR nId, UINT nPeriodMs) {
  SetTimer(nId, nPeriodMs);
  m_runningTimers.insert(nId);
}

void CMainDlg::StopTimer(UINT_PTR nId) {
  KillTimer(nId);
  m_runningTimers.erase(nId);
}

bool CMainDlg::IsTimerRunning(UINT_PTR nId) {
  return m_runningTimers.contains(nId);
}

CString CMainDlg::RelayLineText() {
  int nSel = m_comboRelay.GetCurSel();
  return nSel >= 0 ? m_comboRelay.GetItemText(nSel) : m_comboRelay.GetWindowText();
}

void CMainDlg::ShowRelayLook(bool bOn) {
  m_btnRelay.SetWindowText(bOn ? texts::kRelayOn : texts::kRelayOff);
}

int CMainDlg::AskUser(const CString& strText, const CString& strCaption, UINT nType) {
  return CDialog::MessageBox(strText, strCaption, nType);
}

void CMainDlg::ShowRestartProgress(int nPos) {
  m_progress.SetPos(nPos);
  UpdateData(FALSE);
}

void CMainDlg::HideRestartProgress() {
  m_progress.ShowWindow(SW_HIDE);
}
