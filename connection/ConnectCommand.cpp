// The Connect / Disconnect command: server choice, then dial or hang up.
#include <cstdlib>

#include "app/MainDlg.h"
#include "connection/DialEngine.h"
#include "connection/DialState.h"
#include "connection/ServerChoice.h"
#include "framework/CWinApp.h"

namespace {
constexpr int kMinAddressLength = 4;
constexpr int kButtonTextMax = 256;
constexpr int kServerSlots = 100;
}  // namespace

void CMainDlg::OnConnect() {
  RunConnectCommand(0);
}

void CMainDlg::RunConnectCommand(int nRefusals) {
  CString strAddress;
  if (!ChooseServerAddress(strAddress)) {
    AfxMessageBox("올바른 서버를 선택하세요");
    return;
  }
  UpdateData(TRUE);
  if (m_btnConnect.GetWindowText(kButtonTextMax) == "Disconnect")
    DisconnectMainLine();
  else
    ConnectMainLine(strAddress, nRefusals);
}

// The selected entry's address; a random-pick entry gives one of the
// entries before it. False when there is no usable address.
bool CMainDlg::ChooseServerAddress(CString& strAddress) {
  int nSel = m_comboServer.GetCurSel();
  if (nSel < 0 || nSel >= kServerSlots || m_aServerAddr[nSel].GetLength() < kMinAddressLength) return false;
  strAddress = m_aServerAddr[nSel];
  if (strAddress.Find(kRandomPickMarker) < 0) return true;
  int nPick = RandomPickIndex(nSel, std::rand());
  if (nPick < 0) return false;
  strAddress = m_aServerAddr[nPick];
  return true;
}

void CMainDlg::DisconnectMainLine() {
  KillTimer(kMainLineTimer);
  if (HangUpEntry(m_strEntryName)) {
    g_mainConn = nullptr;
    ShowConnectLook(false);
    m_strStatus = "접속종료";
    EnableLockedControls(true);
  }
  UpdateData(FALSE);
}
