#include "connection/ConnectionMonitor.h"

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
bool CConnectionMonitor::IsDown(const CDialSession& session) {
  return session.Handle() != nullptr && !m_engine.IsLineUp(session.Handle());
}

void CConnectionMonitor::CheckMainLine() {
  if (!IsDown(m_mainLine)) return;
  m_view.StopTimer(m_mainLine.Line().nTimerId);
  m_mainLine.SetHandle(nullptr);
  m_view.ShowConnectLook(false);
  m_view.SetStatus(texts::ko::kLineDropped);
  m_view.LockControls(false);
  m_view.PushFields();
  m_view.AppNamedMessageBox(texts::ko::kLineDropped);
}

// A relay drop resets the main line's side of the window too.
void CConnectionMonitor::CheckRelayLine() {
  if (!IsDown(m_relayLine)) return;
  m_view.StopTimer(m_mainLine.Line().nTimerId);
  m_view.StopTimer(m_relayLine.Line().nTimerId);
  m_relayLine.SetHandle(nullptr);
  m_mainLine.SetHandle(nullptr);
  m_view.ShowConnectLook(false);
  m_view.SetRelayCaption(texts::kRelayOff);
  m_view.SetStatus(texts::ko::kRelayLineDropped);
  m_view.LockControls(false);
  m_view.PushFields();
  m_view.AppNamedMessageBox(texts::ko::kRelayLineDropped);
}
