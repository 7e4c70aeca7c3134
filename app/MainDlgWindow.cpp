// System menu, minimising, painting and the About box.
#include "app/AboutDlg.h"
#include "app/MainDlg.h"

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
