// The main window and the program's state record.
#pragma once

#include "desktop/TrayIcon.h"
#include "framework/CDialog.h"
#include "framework/Controls.h"
#include "probe/FastestServerChoice.h"
#include "resources/resource.h"

constexpr UINT WM_TRAY_NOTIFY = WM_USER + 100;

// Main-window timers.
constexpr UINT_PTR kMainLineTimer = 1;
constexpr UINT_PTR kRelayLineTimer = 12;
constexpr UINT kMonitorPeriodMs = 3000;

class CMainDlg : public CDialog {
 public:
  explicit CMainDlg(CWnd* pParent = nullptr);
  ~CMainDlg() override;

  void ShowBalloon(const CString& strText);
  void LoadSaveConfig(BOOL bLoad);

  // The latency probing: m_prober, m_aRtt and the run's averages live here.
  CFastestServerChoice m_fastest{*plat::Current().sockets, *plat::Current().system, *plat::Current().windows,
                                 *plat::Current().files};
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
  CWnd m_browserSmall;
  CString m_strUser;
  CString m_strPassword;
  int m_bRemember = 0;
  CString m_strStatus;
  CWnd m_browserBanner;
  int m_bAutoSelect = 0;
  int m_nRouteMode = 0;
  int m_bL2tp = 0;
  HICON m_hIcon = nullptr;
  CTrayIcon m_trayIcon{IDI_MAIN};
  CString m_strSysDir;
  CString m_strEntryName;
  CString m_strRelayEntryName;
  int m_bSplitRoute = 0;
  CString m_aServerAddr[100];

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  // Window and shell.
  int OnCreate();
  LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
  void OnSysCommand(UINT nID, LPARAM lParam);
  void OnPaint();
  HICON OnQueryDragIcon();
  void OnClose();
  void OnTrayExit();
  void OnNothing() {}

  // Connection.
  void OnConnect();
  void RunConnectCommand(int nRefusals);
  bool ChooseServerAddress(CString& strAddress);
  void ConnectMainLine(const CString& strAddress, int nRefusals);
  void OnMainDialFailed();
  void OnMainLineConnected();
  void DisconnectMainLine();
  void WaitForDialOutcome();
  void EnableLockedControls(bool bEnable);
  void ReportPhonebookFailure();
  bool ApplyL2tpPolicy();
  void AddTunnelRoutes(const std::string& strTunnelIp);
  void OnTimer(UINT_PTR nIDEvent);
  void CheckMainLine();
  void CheckRelayLine();

  // Relay line.
  void OnRelay();
  void RunRelayCommand(int nRefusals);
  void ConnectRelayLine(int nRefusals);
  void DisconnectRelayLine();

  // Start-up steps of later subsystems.
  void AdoptRunningLines();
  void ShowConnectLook(bool bConnected);
  void NavigateBanner();
  bool DownloadServerList();
  void LoadServerList();
  void LoadDirectoryLists();

  // Server directory and self-update.
  void OnGroupChange();
  void FillLineList(const CString& strSection);
  void OnChooseServer();
  void OnUpdate();

  // Latency probing (probe/MainDlgProbe.cpp).
  void OnSpeed();
  void OnAutoSelect();
  LRESULT OnPingResult(WPARAM wParam, LPARAM lParam);
  LRESULT OnPingDone(WPARAM wParam, LPARAM lParam);
  void OnProbeTick();

  DECLARE_MESSAGE_MAP()
};
