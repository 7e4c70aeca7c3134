// The relay button (1023): raises or drops the second tunnel through a relay line.
#pragma once

#include "connection/DialSession.h"

class IRelayView : public IDialView {
 public:
  // The chosen relay line's entry text.
  virtual CString RelayLineText() = 0;

 protected:
  ~IRelayView() = default;
};

class CRelayCommand final : private IDialAttempt {
 public:
  CRelayCommand(CDialSession& session, IRelayView& view) : m_session(session), m_view(view) {}

  void OnRelay();
  // Start-up: a relay line left up by an earlier run is taken over, unwatched.
  void AdoptRunningLine();

 private:
  bool PrepareDial(CDialRequest& request) override;
  void ConnectRelayLine();
  void DisconnectRelayLine();

  CDialSession& m_session;
  IRelayView& m_view;
};
