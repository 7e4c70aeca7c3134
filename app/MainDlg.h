// The main window: the template's controls and their data-exchange members,
// the message map, and handlers that hand each command to its subsystem.
#pragma once

#include <memory>
#include <set>

#include "app/Settings.h"
#include "connection/ConnectCommand.h"
#include "connection/ConnectionMonitor.h"
#include "desktop/SkinAccess.h"
#include "desktop/SkinChrome.h"
#include "desktop/TrayIcon.h"
#include "desktop/WebBrowser2.h"
#include "desktop/WebLinks.h"
#include "directory/ServerDirectory.h"
#include "directory/ServerList.h"
#include "framework/CDialog.h"
#include "framework/Controls.h"
#include "log/DialLog.h"
#include "probe/ProbeRun.h"
#include "relay/RelayCommand.h"
#include "resources/Messages.h"
#include "resources/resource.h"
#include "update/Updater.h"

class CMainDlg : public CDialog,
                 private IConnectView,
                 private IRelayView,
                 private IMonitorView,
                 private IL2tpPolicyView {
 public:
  CMainDlg(const plat::Ports& ports, CDialLog& dialLog, CWnd* pParent = nullptr);
  ~CMainDlg() override;

  void LoadSaveConfig(BOOL bLoad);
  void ShowBalloon(const CString& strText) override;

  BOOL m_bVistaOrLater = 0;
  BOOL m_bWindows7 = 0;
  CBitmapButton m_btnButton18;  // bound only, never given bitmaps
  CBitmapButton m_btnSelectServer;
  CStatic m_staticBackground;
  CComboBox m_comboServer;
  CButton m_btnRelay;
  CComboBox m_comboRelay;
  CProgressCtrl m_progress;
  CComboBox m_comboGroup;
  CBitmapButton m_btnConnect;
  CComboBox m_comboLine;
  CWebBrowser2 m_browserSmall;
  CString m_strUser;
  CString m_strPassword;
  int m_bRemember = 0;
  CString m_strStatus;
  CWebBrowser2 m_browserBanner;
  int m_bAutoSelect = 0;
  int m_nRouteMode = 0;
  int m_bL2tp = 0;
  HICON m_hIcon = nullptr;
  CTrayIcon m_trayIcon{IDI_MAIN};
  CString m_strSysDir;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;

  // Window and shell.
  int OnCreate();
  LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
  void OnSysCommand(UINT nID, LPARAM lParam);
  void OnPaint();
  HICON OnQueryDragIcon();
  void OnClose();
  void OnTrayExit();
  void OnOpenLog();
  void OnNothing() {}

  // The desktop's events: the session's end, sleep.
  LRESULT OnQueryEndSession(WPARAM wParam, LPARAM lParam);
  LRESULT OnEndSession(WPARAM wParam, LPARAM lParam);
  LRESULT OnPowerBroadcast(WPARAM wParam, LPARAM lParam);

  // Commands.
  void OnConnect();
  void OnRelay();
  void OnTimer(UINT_PTR nIDEvent);
  void OnGroupChange();
  void OnChooseServer();
  void OnUpdate();
  void OnSpeed();
  void OnAutoSelect();
  LRESULT OnPingResult(WPARAM wParam, LPARAM lParam);
  LRESULT OnPingDone(WPARAM wParam, LPARAM lParam);
  void OnProbeTick();
  void StartFastestRun();

  // Skin chrome and links.
  LRESULT OnDrawItem(WPARAM wParam, LPARAM lParam);
  void OnLButtonDown(UINT nFlags, LPARAM lPoint);
  LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
  void OnSkinClose();
  void OnSkinHide();
  template <int nLinkId>
  void OnLink() {
    m_links->Follow(nLinkId);
  }
  void OnDocumentCompleteBanner();
  LRESULT OnNextDlgCtl(WPARAM wParam, LPARAM lParam);
  void OnNavigationRefusedBanner();

  DECLARE_MESSAGE_MAP()
  DECLARE_EVENTSINK_MAP()

 private:
  // Start-up steps, in the order OnInitDialog runs them.
  void AddAboutMenuItem();
  void SetUpWindowFace();
  void ReadSystemFacts();
  void BuildSubsystems();
  void AdoptRunningLines();
  void LoadDirectoryLists();
  bool DownloadServerList();
  void LoadServerList();

  // The views the subsystems are given.
  void SetStatus(const CString& strText) override;
  void PushFields() override;
  void PullFields() override;
  void KeepPainted() override;
  int MessageBox(const CString& strText, const CString& strCaption, UINT nType) override;
  int AppMessageBox(const CString& strText, UINT nType) override;
  int AppNamedMessageBox(const CString& strText) override;
  int ServerSelection() override;
  CLoginFields LoginFields() override;
  void SetLoginFields(const CLoginFields& login);
  void LockControls(bool bLock) override;
  void SaveSettings(const CLoginFields& login) override;
  void HideWindow() override;
  void StartTimer(UINT_PTR nId, UINT nPeriodMs) override;
  void StopTimer(UINT_PTR nId) override;
  bool IsTimerRunning(UINT_PTR nId) override;
  CString RelayLineText() override;
  int AskUser(const CString& strText, const CString& strCaption, UINT nType) override;
  void ShowRestartProgress(int nPos) override;
  void HideRestartProgress() override;

  // The lines' looks, drawn by their sessions.
  void ShowConnectLook(bool bConnected);
  void ShowRelayLook(bool bOn);
  class CLineLook final : public ILineLook {
   public:
    CLineLook(CMainDlg& dlg, void (CMainDlg::*pfnShow)(bool)) : m_dlg(dlg), m_pfnShow(pfnShow) {}
    void ShowLineUp(bool bUp) override { (m_dlg.*m_pfnShow)(bUp); }

   private:
    CMainDlg& m_dlg;
    void (CMainDlg::*m_pfnShow)(bool);
  };
  CLineLook m_connectLook{*this, &CMainDlg::ShowConnectLook};
  CLineLook m_relayLook{*this, &CMainDlg::ShowRelayLook};

  // The probe run's view: an adapter onto the window's controls, kept
  // apart from the window's other views.
  class CProbeView final : public IProbeView {
   public:
    explicit CProbeView(CMainDlg& dlg) : m_dlg(dlg) {}
    void ShowProbing(bool bProbing) override;
    void ShowBusy(int nPos) override;
    void ShowProgress(int nPercent) override;
    void ShowResult(const CString&) override {}  // the window lists no rows
    void ShowServer(int nServer, const CString& strAddress, const CProbeSamples& samples) override;
    void ShowFastest(int nServer) override;

   private:
    CMainDlg& m_dlg;
  };
  CProbeView m_probeView{*this};

  // The timers started through StartTimer and not stopped since.
  std::set<UINT_PTR> m_runningTimers;

  // Handed to the subsystems when they are built.
  const plat::Ports& m_ports;
  CDialLog& m_dialLog;
  std::unique_ptr<CSettings> m_settings;
  std::unique_ptr<CServerList> m_serverList;
  std::unique_ptr<CServerDirectory> m_directory;
  // The fastest-server run: its worker, samples and choice.
  std::unique_ptr<CProbeRun> m_probeRun;
  std::unique_ptr<CUpdater> m_updater;
  std::unique_ptr<CDialEngine> m_dialEngine;
  std::unique_ptr<CDialSession> m_mainLine;
  std::unique_ptr<CDialSession> m_relayLine;
  std::unique_ptr<CL2tpPolicy> m_l2tpPolicy;
  std::unique_ptr<CRouteStep> m_routeStep;
  std::unique_ptr<CConnectCommand> m_connect;
  std::unique_ptr<CRelayCommand> m_relay;
  std::unique_ptr<CConnectionMonitor> m_monitor;
  std::unique_ptr<CSkinChrome> m_chrome;
  std::unique_ptr<CSkinAccess> m_access;
  std::unique_ptr<CWebLinks> m_links;
};
