#include "connection/ConnectionMonitor.h"

#include "connection/DialProgressText.h"
#include "resources/Texts.h"

bool CConnectionMonitor::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent == m_mainLine.Line().nTimerId)
    CheckMainLine();
  else if (nIDEvent == m_relayLine.Line().nTimerId)
    CheckRelayLine();
  else
    return false;
  return true;
}

void CConnectionMonitor::OnResume() {
  if (m_view.IsTimerRunning(m_mainLine.Line().nTimerId)) CheckMainLine();
  if (m_view.IsTimerRunning(m_relayLine.Line().nTimerId)) CheckRelayLine();
}

// A null handle is no line to watch; a failed status query counts as down.
bool CConnectionMonitor::IsDown(CDialSession& session) {
  if (session.Handle() == nullptr) return false;
  DWORD dwState = 0;
  DWORD dwResult = m_engine.LineStatus(session.Handle(), dwState);
  if (dwResult == 0 && dwState == plat::kRasConnected) return false;
  if (dwResult != 0)
    session.Log().Printf("monitor: the line \"%s\" is gone, status %lu, the service says \"%s\"",
                         session.EntryName().GetString(), static_cast<unsigned long>(dwResult),
                         m_engine.RasErrorString(dwResult).GetString());
  else
    session.Log().Printf("monitor: the line \"%s\" is down, state %lu", session.EntryName().GetString(),
                         static_cast<unsigned long>(dwState));
  return true;
}

void CConnectionMonitor::CheckMainLine() {
  if (!IsDown(m_mainLine)) return;
  m_view.StopTimer(m_mainLine.Line().nTimerId);
  m_mainLine.MarkDown();
  m_view.SetStatus(texts::ko::kLineDropped);
  m_view.LockControls(false);
  m_view.PushFields();
  m_view.AppNamedMessageBox(texts::ko::kLineDropped);
}

// A relay drop resets the main line's side of the window too, unwatched
// and counted idle, whether the main line is up or not.
void CConnectionMonitor::CheckRelayLine() {
  if (!IsDown(m_relayLine)) return;
  m_view.StopTimer(m_mainLine.Line().nTimerId);
  m_view.StopTimer(m_relayLine.Line().nTimerId);
  m_mainLine.MarkDown();
  m_relayLine.MarkDown();
  m_view.SetStatus(texts::ko::kRelayLineDropped);
  m_view.LockControls(false);
  m_view.PushFields();
  m_view.AppNamedMessageBox(texts::ko::kRelayLineDropped);
}
