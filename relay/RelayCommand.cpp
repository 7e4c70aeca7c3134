// The relay button: raises or drops the second tunnel through a relay line.
#include <cstdlib>

#include "app/MainDlg.h"
#include "connection/DialEngine.h"
#include "connection/DialProgressText.h"
#include "connection/DialState.h"
#include "connection/Phonebook.h"
#include "connection/ServerChoice.h"
#include "framework/CStdioFile.h"

namespace {
constexpr int kButtonTextMax = 256;
}

void CMainDlg::OnRelay() {
  RunRelayCommand(0);
}

void CMainDlg::RunRelayCommand(int nRefusals) {
  UpdateData(TRUE);
  if (m_btnRelay.GetWindowText(kButtonTextMax) == "断开")
    DisconnectRelayLine();
  else
    ConnectRelayLine(nRefusals);
}

void CMainDlg::DisconnectRelayLine() {
  KillTimer(kRelayLineTimer);
  if (HangUpEntry(m_strRelayEntryName)) {
    g_relayConn = nullptr;
    m_btnRelay.SetWindowText("启用");
    m_strStatus = "中转连接已断开！";
  }
  UpdateData(FALSE);
}

void CMainDlg::ConnectRelayLine(int nRefusals) {
  g_relayConn = nullptr;
  if (m_strUser.IsEmpty() || m_strPassword.IsEmpty()) {
    MessageBox("请完整输入用户名和密码！", "提示", MB_OK);
    return;
  }
  int nRelaySel = m_comboRelay.GetCurSel();
  CString strItem = nRelaySel >= 0 ? m_comboRelay.GetItemText(nRelaySel) : m_comboRelay.GetWindowText();
  if (strItem.IsEmpty()) {
    MessageBox("请输入或者选择一个IP地址。", "提示", MB_OK);
    return;
  }
  UpdateData(TRUE);
  LoadSaveConfig(FALSE);

  if (!WritePhonebookEntry(kRelayPhonebookPath, PhonebookTemplate::L, m_strRelayEntryName, false, false)) {
    CFile::Remove(kRelayPhonebookPath);
    ReportPhonebookFailure();
    return;
  }
  CString strPhone = AddressOfListItem(strItem);

  g_dialDone.store(0, std::memory_order_relaxed);
  g_relayConn = nullptr;
  SetDialStatusText(CString());
  DWORD result =
      DialEntry(kRelaySlot, kRelayPhonebookPath, m_strRelayEntryName, strPhone, m_strUser, m_strPassword, "");
  if (result == plat::kRasErrorAlreadyDialing && nRefusals < kMaxDialRefusals) {
    std::srand(plat::Current().system->GetTickCount());
    m_strRelayEntryName.Format("TarnoTransfer%d", std::rand() % 100);
    RunRelayCommand(nRefusals + 1);
    return;
  }
  if (result != 0)
    SetDialStatusText(DialErrorText(result, RasErrorString(result)));
  else
    WaitForDialOutcome();

  if (GetDialStatusText() == kDialSuccessText) {
    m_btnRelay.SetWindowText("断开");
    m_strStatus = GetDialStatusText();
    MessageBox(m_strStatus, "연결성공", MB_OK | MB_ICONINFORMATION);
    SetTimer(kRelayLineTimer, kMonitorPeriodMs);
  } else {
    if (g_relayConn) plat::Current().ras->HangUp(g_relayConn);
    m_strStatus = FlattenDialStatusText();
    MessageBox(m_strStatus, "연결실패", MB_OK | MB_ICONINFORMATION);
    HangUpConnection(g_relayConn);
  }
  UpdateData(FALSE);
  CFile::Remove(kRelayPhonebookPath);
}
