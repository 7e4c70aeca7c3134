#include "connection/ConnectCommand.h"

#include "resources/Texts.h"

CConnectCommand::CConnectCommand(CDialSession& session, CConnectSteps steps, IConnectView& view,
                                 BOOL bVistaOrLater)
    : m_session(session), m_steps(steps), m_view(view), m_bVistaOrLater(bVistaOrLater) {}

void CConnectCommand::OnConnect() {
  if (!ChooseServer()) return;
  m_view.PullFields();
  if (m_session.IsUp())
    DisconnectMainLine();
  else
    ConnectMainLine();
}

void CConnectCommand::AdoptRunningLine() {
  if (!m_session.AdoptRunningLine()) {
    m_session.ShowLook();
    return;
  }
  m_view.PullFields();
  m_view.SetStatus(texts::ko::kAdoptedLine);
  m_view.StartTimer(m_session.Line().nTimerId, kMonitorPeriodMs);
  m_view.PushFields();
}

void CConnectCommand::EndWithSession() {
  if (!m_session.IsUp()) m_session.HangUpWithoutWaiting();
  m_session.RemovePhonebookFile();
}

// The user has asked to disconnect before the program ends: the line goes
// whatever entry the server list shows, valid or not.
void CConnectCommand::DisconnectIfUp() {
  if (!m_session.IsUp()) return;
  m_view.PullFields();
  DisconnectMainLine();
}

// The selected entry's address, checked before the line's state is looked at.
bool CConnectCommand::ChooseServer() {
  int nSel = m_view.ServerSelection();
  if (m_steps.serverList.ChooseServerAddress(nSel, m_strAddress)) return true;
  m_session.Log().Printf("connect: entry %d of the server list has no address to dial", nSel);
  m_view.AppMessageBox(texts::ko::kChooseValidServer, MB_OK);
  return false;
}

void CConnectCommand::ConnectMainLine() {
  DialOutcome outcome = m_session.Run(*this, m_view);
  if (outcome == DialOutcome::Stopped) return;
  if (outcome == DialOutcome::Connected) OnMainLineConnected();
  m_view.PushFields();
  m_session.RemovePhonebookFile();
}

// The press has chosen the server and pulled the fields.
bool CConnectCommand::PrepareDial(CDialRequest& request) {
  return PrepareAttempt(m_view.LoginFields(), request);
}

// A 756 refusal runs the command again from the server choice on.
bool CConnectCommand::PrepareRedial(CDialRequest& request) {
  if (!ChooseServer()) return false;
  m_view.PullFields();
  return PrepareAttempt(m_view.LoginFields(), request);
}

bool CConnectCommand::PrepareAttempt(const CLoginFields& login, CDialRequest& request) {
  m_session.SetHandle(nullptr);
  if (login.strUser.IsEmpty() || login.strPassword.IsEmpty()) {
    m_session.Log().Write("connect: not dialled, the user name or the password is empty");
    m_view.MessageBox(texts::zh::kEnterCredentials, texts::zh::kHintCaption, MB_OK);
    return false;
  }
  if (!m_session.AcceptsCredentials(login, m_view)) return false;
  m_view.SaveSettings(login);
  if (!m_session.CreatePhonebookFile(m_view)) return false;
  PhonebookTemplate tmpl = m_session.Line().tmpl;
  if (login.bL2tp > 0) {
    if (m_steps.policy.ApplyL2tpPolicy() != CL2tpPolicy::kContinue) return false;
    tmpl = PhonebookTemplate::L;
  }
  m_bSplitRoute = login.nRouteMode != 0 ? 1 : 0;
  if (!m_session.WritePhonebookEntry(tmpl, m_bSplitRoute && m_bVistaOrLater, m_view)) return false;
  request = CDialRequest{m_strAddress, login, m_steps.serverList.ChosenName()};
  return true;
}

void CConnectCommand::OnMainLineConnected() {
  m_view.LockControls(true);
  CString strTunnelIp = m_session.TunnelAddress();
  m_session.Log().Printf("connect: tunnel address %s, %s routing", strTunnelIp.GetString(),
                         m_bSplitRoute == 1 ? "split" : "global");
  m_view.SetStatus(m_session.StatusText());
  m_view.ShowBalloon(texts::ko::kConnectedBalloon);
  m_view.HideWindow();
  if (m_bSplitRoute == 1) m_steps.routes.ApplyRouteFile(strTunnelIp.Str());
  m_view.StartTimer(m_session.Line().nTimerId, kMonitorPeriodMs);
}

void CConnectCommand::DisconnectMainLine() {
  m_view.StopTimer(m_session.Line().nTimerId);
  if (m_session.HangUp(m_view)) {
    m_view.SetStatus(texts::ko::kDisconnected);
    m_view.LockControls(false);
  }
  m_view.PushFields();
}
