// The desktop's events: the shell starting anew, the session's end, sleep.
#include "app/MainDlg.h"
#include "log/ProgramLines.h"

// The shell's message has no fixed number for the message map.
LRESULT CMainDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) {
  if (!m_trayIcon.IsShellRestart(msg)) return CDialog::WindowProc(msg, wParam, lParam, handled);
  handled = true;
  BOOL bRestored = m_trayIcon.Restore();
  m_dialLog.Log().Printf("desktop: the shell started anew, the tray icon %s",
                         bRestored ? "shown again" : "could not be shown again");
  return 0;
}

// Nothing here ever holds the session up.
LRESULT CMainDlg::OnQueryEndSession(WPARAM, LPARAM) {
  return TRUE;
}

// The session ends, also while a question is open: the program ends at
// once, acting on no answer, so the line stays as it is and nothing is
// written. A line that is up is Windows' to end with the session (or to
// keep, where the machine is set to keep lines, for the next start to
// adopt); a dial still under way is hung up without waiting.
LRESULT CMainDlg::OnEndSession(WPARAM bEnding, LPARAM) {
  if (!bEnding) return 0;
  if (m_connect) m_connect->EndWithSession();
  m_trayIcon.ShowFromResource(0);
  m_dialLog.Finish(EndLine("the session's end", 0));
  m_ports.system->ExitProcess(0);
  return 0;
}

LRESULT CMainDlg::OnPowerBroadcast(WPARAM nEvent, LPARAM) {
  bool bResumed =
      nEvent == PBT_APMRESUMEAUTOMATIC || nEvent == PBT_APMRESUMESUSPEND || nEvent == PBT_APMRESUMECRITICAL;
  if (nEvent == PBT_APMSUSPEND) m_dialLog.Log().Write("desktop: the computer goes to sleep");
  if (!bResumed) return TRUE;
  m_dialLog.Log().Write("desktop: the computer has woken, the lines are checked");
  if (m_monitor) m_monitor->OnResume();
  return TRUE;
}
