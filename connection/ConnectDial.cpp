// The connect half of the Connect command: phonebook, dial, outcome.
#include <cstdlib>

#include "app/MainDlg.h"
#include "connection/DialEngine.h"
#include "connection/DialProgressText.h"
#include "connection/DialState.h"
#include "connection/Phonebook.h"
#include "framework/CStdioFile.h"

namespace {

constexpr const char* kConnectedBalloon = "VPN 연결되었습니다";

void StartDial() {
  g_dialDone.store(0, std::memory_order_relaxed);
  SetDialStatusText(CString());
}

}  // namespace

void CMainDlg::ConnectMainLine(const CString& strAddress, int nRefusals) {
  g_mainConn = nullptr;
  if (m_strUser.IsEmpty() || m_strPassword.IsEmpty()) {
    MessageBox("请完整输入用户名和密码！", "提示", MB_OK);
    return;
  }
  UpdateData(TRUE);
  LoadSaveConfig(FALSE);

  if (!CreatePhonebookFile(kMainPhonebookPath)) {
    ReportPhonebookFailure();
    return;
  }
  PhonebookTemplate tmpl = PhonebookTemplate::P;
  if (m_bL2tp > 0) {
    if (!ApplyL2tpPolicy()) return;
    tmpl = PhonebookTemplate::L;
  }

  UpdateData(TRUE);
  m_bSplitRoute = m_nRouteMode != 0 ? 1 : 0;
  if (!WritePhonebookEntry(kMainPhonebookPath, tmpl, m_strEntryName, true,
                           m_bSplitRoute && m_bVistaOrLater)) {
    CFile::Remove(kMainPhonebookPath);
    ReportPhonebookFailure();
    return;
  }

  StartDial();
  g_mainConn = nullptr;
  DWORD result =
      DialEntry(kMainSlot, kMainPhonebookPath, m_strEntryName, strAddress, m_strUser, m_strPassword, "");
  if (result == plat::kRasErrorAlreadyDialing && nRefusals < kMaxDialRefusals) {
    std::srand(plat::Current().system->GetTickCount());
    m_strEntryName.Format("tarno%d", std::rand() % 100);
    RunConnectCommand(nRefusals + 1);
    return;
  }
  if (result != 0)
    SetDialStatusText(DialErrorText(result, RasErrorString(result)));
  else
    WaitForDialOutcome();

  if (GetDialStatusText() == kDialSuccessText)
    OnMainLineConnected();
  else
    OnMainDialFailed();
  UpdateData(FALSE);
  CFile::Remove(kMainPhonebookPath);
}

void CMainDlg::OnMainDialFailed() {
  if (g_mainConn) plat::Current().ras->HangUp(g_mainConn);
  CString strText = FlattenDialStatusText();
  m_strStatus = strText;
  MessageBox(strText, "연결실패", MB_OK | MB_ICONINFORMATION);
  HangUpConnection(g_mainConn);
}

void CMainDlg::OnMainLineConnected() {
  ShowConnectLook(true);
  EnableLockedControls(false);
  std::string strTunnelIp;
  if (plat::Current().ras->GetIpAddress(g_mainConn, strTunnelIp) != 0) strTunnelIp.clear();
  m_strStatus = GetDialStatusText();
  ShowBalloon(kConnectedBalloon);
  ShowWindow(SW_HIDE);
  if (m_bSplitRoute == 1) AddTunnelRoutes(strTunnelIp);
  SetTimer(kMainLineTimer, kMonitorPeriodMs);
}
