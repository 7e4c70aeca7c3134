// System menu, minimising, painting, the About box, the tray icon and its menu's log item.
#include "app/AboutDlg.h"
#include "app/MainDlg.h"

int CMainDlg::OnCreate() {
  if (CDialog::OnCreate() == -1) return -1;
  m_trayIcon.AttachWindow(this, WM_TRAY_NOTIFY);
  m_trayIcon.ListenForShellRestart();
  m_trayIcon.ShowFromResource(IDI_TRAY);
  return 0;
}

LRESULT CMainDlg::OnTrayNotify(WPARAM wParam, LPARAM lParam) {
  if (static_cast<UINT>(lParam) == WM_LBUTTONDOWN) ShowWindow(SW_SHOW);
  return m_trayIcon.HandleNotify(wParam, lParam);
}

void CMainDlg::OnOpenLog() {
  m_dialLog.OpenForUser();
}

void CMainDlg::OnSysCommand(UINT nID, LPARAM) {
  switch (nID & 0xFFF0) {
    case IDM_ABOUTBOX: {
      CAboutDlg dlgAbout;
      dlgAbout.DoModal();
      break;
    }
    case SC_MINIMIZE:
      // The window lives on in the notification area instead of the task bar.
      ShowWindow(SW_HIDE);
      break;
    default:
      Default();
  }
}

void CMainDlg::OnPaint() {
  if (!IsIconic()) {
    Default();
    return;
  }
  plat::Point icon = Windows().GetIconSize();
  plat::Rect rect = GetClientRect();
  int x = (rect.Width() - icon.x + 1) / 2;
  int y = (rect.Height() - icon.y + 1) / 2;
  Windows().PaintIcon(m_hWnd, x, y, m_hIcon);
}

HICON CMainDlg::OnQueryDragIcon() {
  return m_hIcon;
}
