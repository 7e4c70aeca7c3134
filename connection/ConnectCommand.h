// The Connect / Disconnect command of the main line (button 1004).
#pragma once

#include "connection/DialSession.h"
#include "connection/L2tpPolicyStep.h"
#include "directory/ServerList.h"
#include "routing/RouteStep.h"

class IConnectView : public IDialView {
 public:
  // The server list's selected entry, or -1.
  virtual int ServerSelection() = 0;
  virtual void LockControls(bool bLock) = 0;
  virtual int AppMessageBox(const CString& strText, UINT nType) = 0;
  virtual void ShowBalloon(const CString& strText) = 0;
  virtual void HideWindow() = 0;

 protected:
  ~IConnectView() = default;
};

// Collaborators of the command, built before it.
struct CConnectSteps {
  CServerList& serverList;
  CL2tpPolicy& policy;
  CRouteStep& routes;
};

class CConnectCommand final : private IDialAttempt {
 public:
  CConnectCommand(CDialSession& session, CConnectSteps steps, IConnectView& view, BOOL bVistaOrLater);

  void OnConnect();
  // Start-up: a main line left up by an earlier run is taken over.
  void AdoptRunningLine();
  // The close and exit paths: hangs up only a line that is still up, with
  // no server choice first.
  void DisconnectIfUp();
  // The close path without a line up: a dial's handle is hung up unwaited.
  void HangUpWithoutWaiting() { m_session.HangUpWithoutWaiting(); }
  // The session's end: a dial under way is hung up unwaited and its
  // phonebook file removed; a line that is up is left as it is.
  void EndWithSession();

 private:
  bool ChooseServer();
  void ConnectMainLine();
  bool PrepareDial(CDialRequest& request) override;
  bool PrepareRedial(CDialRequest& request) override;
  bool PrepareAttempt(const CLoginFields& login, CDialRequest& request);
  void OnMainLineConnected();
  void DisconnectMainLine();

  CDialSession& m_session;
  CConnectSteps m_steps;
  IConnectView& m_view;
  BOOL m_bVistaOrLater;
  CString m_strAddress;
  int m_bSplitRoute = 0;  // the route mode of the last dial
};
