// The main window's side of the notification-area icon.
#include "app/MainDlg.h"

namespace {
constexpr const char* kBalloonTitle = "Velk VPN";
constexpr UINT kBalloonTimeoutMs = 1000;
}  // namespace

int CMainDlg::OnCreate() {
  if (CDialog::OnCreate() == -1) return -1;
  m_trayIcon.AttachWindow(this, WM_TRAY_NOTIFY);
  m_trayIcon.ShowFromResource(IDI_TRAY);
  return 0;
}

LRESULT CMainDlg::OnTrayNotify(WPARAM wParam, LPARAM lParam) {
  if (static_cast<UINT>(lParam) == WM_LBUTTONDOWN) ShowWindow(SW_SHOW);
  return m_trayIcon.HandleNotify(wParam, lParam);
}

void CMainDlg::ShowBalloon(const CString& strText) {
  plat::NotifyIconRecord& nid = m_trayIcon.Data();
  nid.uFlags = NIF_TIP | NIF_INFO;
  nid.uTimeout = kBalloonTimeoutMs;
  nid.dwInfoFlags = NIIF_USER;
  CopyTextToField(nid.szInfoTitle, sizeof nid.szInfoTitle, kBalloonTitle);
  CopyTextToField(nid.szInfo, sizeof nid.szInfo, strText.View());
  CopyTextToField(nid.szTip, sizeof nid.szTip, strText.View());
  Windows().NotifyIcon(NIM_MODIFY, nid);
}
