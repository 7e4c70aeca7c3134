// Initialisation of the main window, step by step.
#include "app/MainDlg.h"
#include "directory/ServerListFile.h"
#include "framework/CWinApp.h"
#include "framework/Resources.h"
#include "resources/Texts.h"

BOOL CMainDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  AddAboutMenuItem();
  SetUpWindowFace();
  SetWindowText(texts::kWindowTitle);
  m_nRouteMode = 0;
  UpdateData(FALSE);
  ReadSystemFacts();
  BuildSubsystems();
  AdoptRunningLines();
  LoadSaveConfig(TRUE);
  LoadDirectoryLists();
  UpdateData(FALSE);
  m_ports.system->TrimWorkingSet();
  m_links->NavigateBanner();
  if (!DownloadServerList()) return TRUE;
  LoadServerList();
  return TRUE;
}

void CMainDlg::AddAboutMenuItem() {
  CString strAboutMenu;
  AfxLoadString(IDS_ABOUTBOX, strAboutMenu);
  if (strAboutMenu.IsEmpty()) return;
  CMenu sysMenu(m_hWnd);
  sysMenu.AppendMenu(MF_SEPARATOR);
  sysMenu.AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
}

void CMainDlg::SetUpWindowFace() {
  SetIcon(m_hIcon, TRUE);
  SetIcon(m_hIcon, FALSE);
  Windows().SetDefaultId(m_hWnd, IDC_CONNECT);
  m_btnSelectServer.LoadBitmaps(IDB_SELECT_SERVER, IDB_SELECT_SERVER, IDB_SELECT_SERVER, IDB_SELECT_SERVER);
}

void CMainDlg::ReadSystemFacts() {
  plat::OsVersion version = m_ports.system->GetVersion();
  m_bVistaOrLater = version.major > 5 ? 1 : 0;
  m_bWindows7 = version.major == 6 && version.minor == 1 ? 1 : 0;
  m_strSysDir = CString(m_ports.system->GetSystemDirectory()) + "\\";
}

// Every subsystem gets the ports it needs and, where it changes what the
// window shows, the window's view of itself.
void CMainDlg::BuildSubsystems() {
  plat::ISystem& system = *m_ports.system;
  ILog& log = m_dialLog.Log();
  m_settings = std::make_unique<CSettings>(*m_ports.files, log, m_strSysDir);
  m_serverList = std::make_unique<CServerList>(*m_ports.download, system, *m_ports.files, log,
                                               CString(PrepareServerListFile(system, *m_ports.files)));
  m_directory = std::make_unique<CServerDirectory>(*m_ports.files, m_strSysDir);
  m_probeRun =
      std::make_unique<CProbeRun>(*m_ports.sockets, system, *m_ports.windows, m_probeView, kProbeTickTimer);
  m_updater = std::make_unique<CUpdater>(system, *m_ports.shell, log);
  m_dialEngine = std::make_unique<CDialEngine>(*m_ports.ras, system);
  m_mainLine = std::make_unique<CDialSession>(kMainLine, *m_dialEngine, *m_ports.files, m_dialLog.SharedLog(),
                                              m_connectLook);
  m_relayLine = std::make_unique<CDialSession>(kRelayLine, *m_dialEngine, *m_ports.files,
                                               m_dialLog.SharedLog(), m_relayLook);
  IL2tpPolicyView& l2tpView = *this;
  m_l2tpPolicy = std::make_unique<CL2tpPolicy>(*m_ports.registry, *m_ports.services, *m_ports.processes,
                                               system, l2tpView, log, m_strSysDir);
  m_routeStep = std::make_unique<CRouteStep>(*m_ports.routing, *m_ports.sockets, *m_ports.files, log,
                                             CRouteSystem{m_bVistaOrLater, m_bWindows7, m_strSysDir.Str()});
  IConnectView& connectView = *this;
  IRelayView& relayView = *this;
  IMonitorView& monitorView = *this;
  m_connect = std::make_unique<CConnectCommand>(
      *m_mainLine, CConnectSteps{*m_serverList, *m_l2tpPolicy, *m_routeStep}, connectView, m_bVistaOrLater);
  m_relay = std::make_unique<CRelayCommand>(*m_relayLine, relayView);
  m_monitor = std::make_unique<CConnectionMonitor>(*m_mainLine, *m_relayLine, *m_dialEngine, monitorView);
  m_chrome = std::make_unique<CSkinChrome>(*m_ports.windows, *m_ports.boxesAndMenus, m_hWnd);
  m_access = std::make_unique<CSkinAccess>(*m_ports.windows, *m_ports.accessibility, m_hWnd);
  m_access->NameControls();
  m_links = std::make_unique<CWebLinks>(*m_ports.shell, m_browserBanner, m_trayIcon);
}

// Lines left up by an earlier run keep their entry names; take them over.
void CMainDlg::AdoptRunningLines() {
  m_connect->AdoptRunningLine();
  m_relay->AdoptRunningLine();
}

// The version check runs before the lists are filled.
void CMainDlg::LoadDirectoryLists() {
  m_updater->CheckPublishedVersion(m_directory->ReadPublishedVersion());
  for (const CString& strGroup : m_directory->ReadGroups()) m_comboGroup.AddString(strGroup);
  for (const CString& strRelay : m_directory->ReadRelayLines()) m_comboRelay.AddString(strRelay);
}

bool CMainDlg::DownloadServerList() {
  if (m_serverList->DownloadServerList()) return true;
  AfxMessageBox(texts::ko::kServerListFailed, MB_OK | MB_ICONEXCLAMATION);
  return false;
}

void CMainDlg::LoadServerList() {
  for (const CString& strName : m_serverList->LoadServerList()) m_comboServer.AddString(strName);
  m_comboServer.SetCurSel(0);
}
