#include "probe/SpeedTestDlg.h"

#include <cstdlib>

#include "probe/BusyIndicator.h"
#include "probe/PingMessages.h"
#include "resources/Texts.h"
#include "resources/resource.h"

namespace {

constexpr UINT kPingCount = 4;
constexpr UINT kPingStartMs = 500;
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
    : CDialog(IDD_SPEEDTEST, pParent), m_log(log), m_run(sockets, system, windows, *this, kPingTickTimer) {}

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
  m_run.Start({m_strAddress}, kPingCount, GetSafeHwnd());
  UpdateData(FALSE);
}

void CSpeedTestDlg::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent == kPingStartTimer) {
    KillTimer(kPingStartTimer);
    OnPing();
  }
  m_run.OnTick();
  Default();
}

LRESULT CSpeedTestDlg::OnPingResult(WPARAM wParam, LPARAM lParam) {
  m_run.OnResult(wParam, lParam);
  return 0;
}

LRESULT CSpeedTestDlg::OnPingDone(WPARAM, LPARAM) {
  m_run.OnDone();
  return 0;
}

// The mark stops and the bar empties until the next Ping.
void CSpeedTestDlg::ShowProbing(bool bProbing) {
  if (!bProbing) m_progressBusy.SetPos(CBusyIndicator::kLow);
}

void CSpeedTestDlg::ShowBusy(int nPos) {
  m_progressBusy.SetPos(nPos);
}

void CSpeedTestDlg::ShowResult(const CString& strText) {
  m_listResults.AddString(SpeedTestRow(strText));
  int nCount = m_listResults.GetCount();
  m_listResults.SetTopIndex(nCount - 1);
}

void CSpeedTestDlg::ShowServer(int, const CString& strAddress, const CProbeSamples& samples) {
  m_log.Printf("probe: speed test of %s: %s", strAddress.GetString(), SamplesSummary(samples).GetString());
}
