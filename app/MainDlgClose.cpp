// The ways out: the close command and the tray menu's exit command.
#include "app/MainDlg.h"
#include "log/ProgramLines.h"
#include "resources/Texts.h"

// The questions are modal: the monitor may find the line gone while one is
// open, so "Yes" hangs up only a line that is still up and never dials. A
// close taken inside a relay command's message box ends the program before
// that command removes its file, so both lines' files go first.
void CMainDlg::OnClose() {
  m_mainLine->DiscardPhonebookFile();
  m_relayLine->DiscardPhonebookFile();
  bool bLineUp = m_mainLine->IsUp();
  if (MessageBox(texts::ko::kCloseQuestion, texts::ko::kExitCaption, MB_YESNO | MB_ICONQUESTION) != IDYES) {
    ShowWindow(SW_HIDE);
    return;
  }
  if (bLineUp) {
    if (MessageBox(texts::ko::kDisconnectQuestion, texts::ko::kDisconnectCaption,
                   MB_YESNO | MB_ICONQUESTION) == IDYES)
      m_connect->DisconnectIfUp();
  } else {
    m_connect->HangUpWithoutWaiting();
  }
  m_trayIcon.ShowFromResource(0);
  m_dialLog.Finish(EndLine("the close command", 1));
  m_ports.system->ExitProcess(1);
}

void CMainDlg::OnTrayExit() {
  UpdateData(TRUE);
  bool bLineUp = m_mainLine->IsUp();
  UpdateData(FALSE);
  if (!bLineUp) {
    OnOK();
    return;
  }
  if (MessageBox(texts::ko::kExitQuestion, texts::ko::kExitCaption, MB_YESNO | MB_ICONQUESTION) == IDYES) {
    m_connect->DisconnectIfUp();
    OnOK();
  }
}
