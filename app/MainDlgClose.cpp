// The ways out: the close command and the tray menu's exit command.
#include "app/MainDlg.h"
#include "connection/DialState.h"
#include "framework/CStdioFile.h"

namespace {

constexpr const char* kMainPhonebookPath = "C:\\0001.tmp";
constexpr int kButtonTextMax = 256;

// Creates the phonebook file first so that the deletion always finds one.
void RemoveMainPhonebook() {
  CStdioFile file;
  if (file.Open(kMainPhonebookPath, CFile::modeCreate | CFile::modeReadWrite)) file.Close();
  CFile::Remove(kMainPhonebookPath);
}

}  // namespace

void CMainDlg::OnClose() {
  RemoveMainPhonebook();
  CString strButton = m_btnConnect.GetWindowText(kButtonTextMax);
  if (MessageBox("접속을 해제하고 프로그램을 종료합니다", "종료", MB_YESNO | MB_ICONQUESTION) != IDYES) {
    ShowWindow(SW_HIDE);
    return;
  }
  if (strButton == "Disconnect") {
    if (MessageBox("접속을 해제하시겠습니까?", "접속해제", MB_YESNO | MB_ICONQUESTION) == IDYES) OnConnect();
  } else if (g_mainConn) {
    plat::Current().ras->HangUp(g_mainConn);
  }
  m_trayIcon.ShowFromResource(0);
  plat::Current().system->ExitProcess(1);
}

void CMainDlg::OnTrayExit() {
  UpdateData(TRUE);
  CString strButton = m_btnConnect.GetWindowText(kButtonTextMax);
  UpdateData(FALSE);
  if (strButton != "Disconnect") {
    OnOK();
    return;
  }
  if (MessageBox("접속을 해제하고 프로그램을 종료하시겠습니까?", "종료", MB_YESNO | MB_ICONQUESTION) ==
      IDYES) {
    OnConnect();
    OnOK();
  }
}
