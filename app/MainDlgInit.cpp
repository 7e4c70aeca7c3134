// Initialisation of the main window.
#include "app/MainDlg.h"
#include "connection/DialEngine.h"
#include "connection/DialState.h"
#include "framework/Resources.h"

namespace {
constexpr const char* kWindowTitle = "Velk VPN";
}

BOOL CMainDlg::OnInitDialog() {
  CDialog::OnInitDialog();

  CString strAboutMenu;
  AfxLoadString(IDS_ABOUTBOX, strAboutMenu);
  if (!strAboutMenu.IsEmpty()) {
    CMenu sysMenu(m_hWnd);
    sysMenu.AppendMenu(MF_SEPARATOR);
    sysMenu.AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
  }

  SetIcon(m_hIcon, TRUE);
  SetIcon(m_hIcon, FALSE);
  Windows().SetDefaultId(m_hWnd, IDC_CONNECT);
  m_btnSelectServer.LoadBitmaps(IDB_SELECT_SERVER, IDB_SELECT_SERVER, IDB_SELECT_SERVER, IDB_SELECT_SERVER);

  SetWindowText(kWindowTitle);

  m_nRouteMode = 0;
  UpdateData(FALSE);

  plat::OsVersion version = plat::Current().system->GetVersion();
  m_bVistaOrLater = version.major > 5 ? 1 : 0;
  m_bWindows7 = version.major == 6 && version.minor == 1 ? 1 : 0;

  m_strSysDir = CString(plat::Current().system->GetSystemDirectory()) + "\\";
  m_strEntryName = "tarno";
  m_strRelayEntryName = "TarnoTransfer";

  AdoptRunningLines();

  LoadSaveConfig(TRUE);

  m_bSplitRoute = 0;
  UpdateData(FALSE);

  plat::Current().system->TrimWorkingSet();

  NavigateBanner();

  if (!DownloadServerList()) return TRUE;
  LoadServerList();
  return TRUE;
}

// Lines left up by an earlier run keep their entry names; take them over.
void CMainDlg::AdoptRunningLines() {
  g_mainConn = FindConnection(m_strEntryName);
  if (g_mainConn) {
    UpdateData(TRUE);
    m_strStatus = "접속되었습니다";
    SetTimer(kMainLineTimer, kMonitorPeriodMs);
    ShowConnectLook(true);
    UpdateData(FALSE);
  } else {
    ShowConnectLook(false);
  }

  g_relayConn = FindConnection(m_strRelayEntryName);
  if (g_relayConn) {
    UpdateData(TRUE);
    m_btnRelay.SetWindowText("断开");
    UpdateData(FALSE);
  }
}

void CMainDlg::ShowConnectLook(bool bConnected) {
  if (bConnected) {
    m_btnConnect.SetWindowText("Disconnect");
    m_btnConnect.LoadBitmaps(IDB_DISCONNECT, IDB_DISCONNECT_DOWN, IDB_DISCONNECT, IDB_DISCONNECT);
  } else {
    m_btnConnect.SetWindowText("Connect");
    m_btnConnect.LoadBitmaps(IDB_CONNECT, IDB_CONNECT_DOWN, IDB_CONNECT, IDB_CONNECT);
  }
  m_btnConnect.SizeToContent();
}
