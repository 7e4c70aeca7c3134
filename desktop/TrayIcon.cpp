#include "desktop/TrayIcon.h"

#include "framework/CWinApp.h"
#include "framework/Resources.h"
#include "resources/resource.h"

namespace {

constexpr UINT kBalloonTimeoutMs = 1000;
// Sent to every top-level window when the shell's taskbar has been created.
constexpr const char* kShellRestartMessage = "TaskbarCreated";

plat::INotificationArea& NotificationArea() {
  return *AfxGetApp()->Ports().notificationArea;
}

void LoadTip(UINT uID, char (&tip)[128]) {
  CString text;
  AfxLoadString(static_cast<int>(uID), text);
  CopyTextToField(tip, sizeof tip, text.View());
}

}  // namespace

CTrayIcon::CTrayIcon(UINT uID) {
  m_nid = plat::NotifyIconRecord{};
  m_nid.cbSize = kRecordSize;
  m_nid.uID = uID;
  LoadTip(uID, m_nid.szTip);
}

CTrayIcon::~CTrayIcon() {
  ShowFromResource(0);
}

void CTrayIcon::AttachWindow(CWnd* pWnd, UINT uCallbackMessage) {
  m_nid.hWnd = pWnd ? pWnd->GetSafeHwnd() : nullptr;
  m_nid.uCallbackMessage = uCallbackMessage;
}

BOOL CTrayIcon::ShowFromResource(UINT uID) {
  if (uID == 0) return ShowIcon(nullptr, nullptr);
  LoadTip(uID, m_nid.szTip);
  return ShowIcon(CWnd::Windows().LoadIcon(static_cast<int>(uID)), nullptr);
}

BOOL CTrayIcon::ShowIcon(HICON hIcon, const char* pszTip) {
  m_hWantedIcon = hIcon;
  m_nid.uFlags = 0;
  DWORD operation;
  if (hIcon) {
    operation = m_nid.hIcon ? NIM_MODIFY : NIM_ADD;
    m_nid.hIcon = hIcon;
    m_nid.uFlags = NIF_ICON;
  } else {
    if (m_nid.hIcon == nullptr) return TRUE;
    operation = NIM_DELETE;
  }
  if (pszTip) CopyTextToField(m_nid.szTip, sizeof m_nid.szTip, pszTip);
  if (m_nid.szTip[0] != '\0') m_nid.uFlags |= NIF_TIP;
  if (m_nid.uCallbackMessage && m_nid.hWnd) m_nid.uFlags |= NIF_MESSAGE;
  BOOL result = NotificationArea().NotifyIcon(operation, m_nid) ? TRUE : FALSE;
  if (operation == NIM_DELETE || !result) m_nid.hIcon = nullptr;
  return result;
}

BOOL CTrayIcon::ShowBalloon(const CString& strTitle, const CString& strText, const CString& strTip) {
  m_nid.uFlags = NIF_TIP | NIF_INFO;
  m_nid.uTimeout = kBalloonTimeoutMs;
  m_nid.dwInfoFlags = NIIF_USER;
  CopyTextToField(m_nid.szInfoTitle, sizeof m_nid.szInfoTitle, strTitle.View());
  CopyTextToField(m_nid.szInfo, sizeof m_nid.szInfo, strText.View());
  CopyTextToField(m_nid.szTip, sizeof m_nid.szTip, strTip.View());
  return NotificationArea().NotifyIcon(NIM_MODIFY, m_nid) ? TRUE : FALSE;
}

LRESULT CTrayIcon::HandleNotify(WPARAM wID, LPARAM lEvent) {
  if (wID != m_nid.uID) return 0;
  if (lEvent != WM_RBUTTONUP && lEvent != WM_LBUTTONDBLCLK) return 0;
  const plat::MenuTemplate* menu = AfxFindMenu(IDR_TRAY_MENU);
  if (menu == nullptr || menu->itemCount == 0) return 0;
  if (lEvent == WM_RBUTTONUP) {
    plat::IBoxesAndMenus& menus = CWnd::BoxesAndMenus();
    plat::Point at = menus.GetCursorPos();
    CWnd::Windows().SetForegroundWindow(m_nid.hWnd);
    menus.TrackPopupMenu(*menu, 0, at, m_nid.hWnd);
  }
  return 1;
}

void CTrayIcon::ListenForShellRestart() {
  plat::INotificationArea& area = NotificationArea();
  m_uShellRestart = area.RegisterWindowMessage(kShellRestartMessage);
  if (m_nid.hWnd == nullptr) return;
  if (m_uShellRestart) area.AllowMessageFromShell(m_nid.hWnd, m_uShellRestart);
  if (m_nid.uCallbackMessage) area.AllowMessageFromShell(m_nid.hWnd, m_nid.uCallbackMessage);
}

// Also an icon whose add the old shell refused (it was not up yet, say).
BOOL CTrayIcon::Restore() {
  if (m_hWantedIcon == nullptr) return TRUE;
  m_nid.hIcon = nullptr;
  return ShowIcon(m_hWantedIcon, nullptr);
}
