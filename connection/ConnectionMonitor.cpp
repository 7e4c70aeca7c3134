// The connection monitor: timer 1 watches the main line, timer 12 the relay line.
#include "app/MainDlg.h"
#include "connection/DialProgressText.h"
#include "connection/DialState.h"
#include "framework/CWinApp.h"

namespace {

bool LineIsUp(HRASCONN conn) {
  DWORD state = 0;
  return plat::Current().ras->GetConnectStatus(conn, state) == 0 && state == RASCS_Connected;
}

}  // namespace

void CMainDlg::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent == kMainLineTimer)
    CheckMainLine();
  else if (nIDEvent == kRelayLineTimer)
    CheckRelayLine();
  else
    OnProbeTick();
  Default();
}

void CMainDlg::CheckMainLine() {
  if (g_mainConn == nullptr || LineIsUp(g_mainConn)) return;
  KillTimer(kMainLineTimer);
  g_mainConn = nullptr;
  ShowConnectLook(false);
  m_strStatus = "접속이 끊겼습니다";
  EnableLockedControls(true);
  UpdateData(FALSE);
  MessageBox("접속이 끊겼습니다", AfxGetAppName(), MB_OK);
}

void CMainDlg::CheckRelayLine() {
  if (g_relayConn == nullptr || LineIsUp(g_relayConn)) return;
  KillTimer(kMainLineTimer);
  KillTimer(kRelayLineTimer);
  g_relayConn = nullptr;
  g_mainConn = nullptr;
  ShowConnectLook(false);
  m_btnRelay.SetWindowText("启用");
  m_strStatus = "접속이 끊겼습니다!";
  EnableLockedControls(true);
  UpdateData(FALSE);
  MessageBox("접속이 끊겼습니다!", AfxGetAppName(), MB_OK);
}
