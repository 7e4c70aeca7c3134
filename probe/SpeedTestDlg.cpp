#include "probe/SpeedTestDlg.h"

#include <cstdlib>

#include "probe/PingMessages.h"
#include "resources/Texts.h"
#include "resources/resource.h"

namespace {

constexpr UINT kPingCount = 4;
constexpr UINT kPingStartMs = 500;
constexpr UINT kPingTickMs = 100;
constexpr long kLongestShownRtt = 400;

}  // namespace

CString SpeedTestRow(const CString& strText) {
  if (strText == texts::zh::kPingHeader) return strText;
  long nValue = std::strtol(strText, nullptr, 10);
  if (nValue < 0) return texts::kPingTimedOut;
  if (nValue > kLongestShownRtt) return texts::kPingLongest;
  return strText + texts::kPingMilliseconds;
}

CSpeedTestDlg::CSpeedTestDlg(plat::ISockets& sockets, plat::ISystem& system, plat::IWindowing& windows,
                             ILog& log, CWnd* pParent)
    : CDialog(IDD_SPEEDTEST, pParent), m_worker(sockets, system, windows), m_log(log) {}

CSpeedTestDlg::~CSpeedTestDlg() = default;

void CSpeedTestDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_PING_LIST, m_listResults);
  DDX_Text(pDX, IDC_PING_ADDRESS, m_strAddress);
  DDX_Control(pDX, IDC_PING_BUSY, m_progressBusy);
}

// clang-format off
BEGIN_MESSAGE_MAP(CSpeedTestDlg, CDialog)
  ON_BN_CLICKED(IDC_PING_EXIT, OnOK)
  ON_BN_CLICKED(IDC_PING, OnPing)
  ON_WM_TIMER()
  ON_MESSAGE(WM_PING_RESULT, OnPingResult)
  ON_MESSAGE(WM_PING_DONE, OnPingDone)
END_MESSAGE_MAP()
// clang-format on

BOOL CSpeedTestDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  UpdateData(TRUE);
  m_progressBusy.SetRange(CBusyIndicator::kLow, CBusyIndicator::kHigh);
  SetAccessibleName(IDC_PING_LIST, texts::names::kPingResults);
  SetTimer(kPingStartTimer, kPingStartMs);
  UpdateData(FALSE);
  return TRUE;
}

void CSpeedTestDlg::OnPing() {
  UpdateData(TRUE);
  m_worker.Start(kPingCount, m_strAddress, GetSafeHwnd());
  m_nSamples = m_nLost = 0;
  m_nRttSum = 0;
  m_busy.Reset();
  m_bProbing = true;
  ShowBusy();
  SetTimer(kPingTickTimer, kPingTickMs);
  UpdateData(FALSE);
}

void CSpeedTestDlg::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent == kPingStartTimer) {
    KillTimer(kPingStartTimer);
    OnPing();
  }
  if (m_bProbing) {
    m_busy.Step();
    ShowBusy();
  }
  Default();
}

LRESULT CSpeedTestDlg::OnPingResult(WPARAM wParam, LPARAM lParam) {
  CString strText = m_worker.TakeText(lParam);
  if (wParam == kPingTimeout) ++m_nLost;
  if (wParam == kPingReply) {
    ++m_nSamples;
    m_nRttSum += std::strtol(strText, nullptr, 10);
  }
  m_listResults.AddString(SpeedTestRow(strText));
  int nCount = m_listResults.GetCount();
  m_listResults.SetTopIndex(nCount - 1);
  return 0;
}

// The mark stops and the bar empties until the next Ping.
LRESULT CSpeedTestDlg::OnPingDone(WPARAM, LPARAM) {
  CString strAverage = "no average";
  if (m_nSamples > 0) strAverage.Format("average %ld ms", m_nRttSum / m_nSamples);
  m_log.Printf("probe: speed test of %s: %d sample%s, %d lost, %s", m_strAddress.GetString(), m_nSamples,
               m_nSamples == 1 ? "" : "s", m_nLost, strAverage.GetString());
  m_bProbing = false;
  m_busy.Reset();
  ShowBusy();
  KillTimer(kPingTickTimer);
  return 0;
}

void CSpeedTestDlg::ShowBusy() {
  m_progressBusy.SetPos(m_busy.Pos());
}
