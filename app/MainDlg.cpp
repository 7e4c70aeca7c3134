#include "app/MainDlg.h"

#include "probe/PingMessages.h"

CMainDlg::CMainDlg(const plat::Ports& ports, CDialLog& dialLog, CWnd* pParent)
    : CDialog(IDD_MAIN, pParent), m_ports(ports), m_dialLog(dialLog) {
  m_hIcon = Windows().LoadIcon(IDI_MAIN);
}

CMainDlg::~CMainDlg() = default;

void CMainDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_BUTTON18, m_btnButton18);
  DDX_Control(pDX, IDC_SELECT_SERVER, m_btnSelectServer);
  DDX_Control(pDX, IDC_BACKGROUND, m_staticBackground);
  DDX_Control(pDX, IDC_SERVER, m_comboServer);
  DDX_Control(pDX, IDC_RELAY, m_btnRelay);
  DDX_Control(pDX, IDC_RELAY_LINE, m_comboRelay);
  DDX_Control(pDX, IDC_PROGRESS, m_progress);
  DDX_Control(pDX, IDC_GROUP, m_comboGroup);
  DDX_Control(pDX, IDC_CONNECT, m_btnConnect);
  DDX_Control(pDX, IDC_LINE, m_comboLine);
  DDX_Control(pDX, IDC_BROWSER_SMALL, m_browserSmall);
  DDX_Text(pDX, IDC_USER, m_strUser);
  DDX_Text(pDX, IDC_PASSWORD, m_strPassword);
  DDX_Check(pDX, IDC_REMEMBER, m_bRemember);
  DDX_Text(pDX, IDC_STATUS, m_strStatus);
  DDX_Control(pDX, IDC_BROWSER_BANNER, m_browserBanner);
  DDX_Check(pDX, IDC_AUTO_SELECT, m_bAutoSelect);
  DDX_Radio(pDX, IDC_ROUTE_GLOBAL, m_nRouteMode);
  DDX_Check(pDX, IDC_L2TP, m_bL2tp);
}

// clang-format off
BEGIN_MESSAGE_MAP(CMainDlg, CDialog)
  ON_MESSAGE(WM_TRAY_NOTIFY, OnTrayNotify)
  ON_WM_SYSCOMMAND()
  ON_WM_PAINT()
  ON_WM_QUERYDRAGICON()
  ON_CBN_EDITCHANGE(IDC_LINE, OnNothing)
  ON_BN_CLICKED(IDC_CONNECT, OnConnect)
  ON_WM_CREATE()
  ON_COMMAND(ID_TRAY_EXIT, OnTrayExit)
  ON_COMMAND(ID_TRAY_OPEN_LOG, OnOpenLog)
  ON_WM_TIMER()
  ON_BN_CLICKED(IDC_LINK_G_WEBSITE, OnLink<IDC_LINK_G_WEBSITE>)
  ON_BN_CLICKED(IDC_GET_SERVER_LIST, OnNothing)
  ON_CBN_SELCHANGE(IDC_GROUP, OnGroupChange)
  ON_BN_CLICKED(IDC_SPEED, OnSpeed)
  ON_BN_CLICKED(IDC_LINK_OFFICIAL, OnLink<IDC_LINK_OFFICIAL>)
  ON_WM_CLOSE()
  ON_BN_CLICKED(IDC_AUTO_SELECT, OnAutoSelect)
  ON_BN_CLICKED(IDC_UPDATE, OnUpdate)
  ON_BN_CLICKED(IDC_RELAY, OnRelay)
  ON_WM_DRAWITEM()
  ON_WM_LBUTTONDOWN()
  ON_WM_SETCURSOR()
  ON_BN_CLICKED(IDC_SKIN_CLOSE, OnSkinClose)
  ON_BN_CLICKED(IDC_SKIN_HIDE, OnSkinHide)
  ON_BN_CLICKED(IDC_LINK_11, OnLink<IDC_LINK_11>)
  ON_BN_CLICKED(IDC_LINK_PRODUCT, OnLink<IDC_LINK_PRODUCT>)
  ON_BN_CLICKED(IDC_LINK_13, OnLink<IDC_LINK_13>)
  ON_BN_CLICKED(IDC_LINK_14, OnLink<IDC_LINK_14>)
  ON_BN_CLICKED(IDC_BALLOON_TEST, OnLink<IDC_BALLOON_TEST>)
  ON_BN_CLICKED(IDC_BUTTON16, OnNothing)
  ON_MESSAGE(WM_PING_RESULT, OnPingResult)
  ON_MESSAGE(WM_PING_DONE, OnPingDone)
  ON_BN_CLICKED(IDC_CLOSE_BUTTON, OnSkinClose)
  ON_BN_CLICKED(IDC_SELECT_SERVER, OnChooseServer)
  ON_MESSAGE(WM_NEXTDLGCTL, OnNextDlgCtl)
  ON_MESSAGE(WM_QUERYENDSESSION, OnQueryEndSession)
  ON_MESSAGE(WM_ENDSESSION, OnEndSession)
  ON_MESSAGE(WM_POWERBROADCAST, OnPowerBroadcast)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CMainDlg, CDialog)
  ON_EVENT(CMainDlg, IDC_BROWSER_BANNER, plat::kEventDocumentComplete, OnDocumentCompleteBanner)
  ON_EVENT(CMainDlg, IDC_BROWSER_BANNER, plat::kEventNavigationRefused, OnNavigationRefusedBanner)
END_EVENTSINK_MAP()
// clang-format on
