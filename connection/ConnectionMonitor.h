// The connection monitor: one timer watches the main line, one the relay
// line. A line that is no longer connected returns the window to its idle
// state; nothing is hung up or redialled.
#pragma once

#include "connection/DialSession.h"

class IMonitorView {
 public:
  virtual void StopTimer(UINT_PTR nId) = 0;
  virtual bool IsTimerRunning(UINT_PTR nId) = 0;
  virtual void SetStatus(const CString& strText) = 0;
  virtual void LockControls(bool bLock) = 0;
  virtual void PushFields() = 0;
  // A box captioned with the application's name.
  virtual int AppNamedMessageBox(const CString& strText) = 0;

 protected:
  ~IMonitorView() = default;
};

class CConnectionMonitor {
 public:
  CConnectionMonitor(CDialSession& mainLine, CDialSession& relayLine, CDialEngine& engine, IMonitorView& view)
      : m_mainLine(mainLine), m_relayLine(relayLine), m_engine(engine), m_view(view) {}

  // False for a timer that is not a monitor's.
  bool OnTimer(UINT_PTR nIDEvent);
  // The machine is awake again: each watched line is checked at once, as
  // its next tick would check it.
  void OnResume();

 private:
  void CheckMainLine();
  void CheckRelayLine();
  // A line that is down is logged with what the service said of it.
  bool IsDown(CDialSession& session);

  CDialSession& m_mainLine;
  CDialSession& m_relayLine;
  CDialEngine& m_engine;
  IMonitorView& m_view;
};
