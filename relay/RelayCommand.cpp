#include "relay/RelayCommand.h"

#include "directory/ServerLines.h"
#include "resources/Texts.h"

void CRelayCommand::OnRelay() {
  m_view.PullFields();
  if (m_session.IsUp())
    DisconnectRelayLine();
  else
    ConnectRelayLine();
}

void CRelayCommand::AdoptRunningLine() {
  if (!m_session.AdoptRunningLine()) return;
  m_view.PullFields();
  m_view.PushFields();
}

void CRelayCommand::DisconnectRelayLine() {
  m_view.StopTimer(m_session.Line().nTimerId);
  if (m_session.HangUp(m_view)) m_view.SetStatus(texts::zh::kRelayDisconnected);
  m_view.PushFields();
}

void CRelayCommand::ConnectRelayLine() {
  DialOutcome outcome = m_session.Run(*this, m_view);
  if (outcome == DialOutcome::Stopped) return;
  if (outcome == DialOutcome::Connected) {
    CString strText = m_session.StatusText();
    m_view.SetStatus(strText);
    m_view.MessageBox(strText, texts::ko::kDialSucceeded, MB_OK | MB_ICONINFORMATION);
    m_view.StartTimer(m_session.Line().nTimerId, kMonitorPeriodMs);
  }
  m_view.PushFields();
  m_session.RemovePhonebookFile();
}

// Each attempt, a 756 retry included, runs the whole press again and reads
// the fields once.
bool CRelayCommand::PrepareDial(CDialRequest& request) {
  m_view.PullFields();
  CLoginFields login = m_view.LoginFields();
  m_session.SetHandle(nullptr);
  if (login.strUser.IsEmpty() || login.strPassword.IsEmpty()) {
    m_session.Log().Write("relay: not dialled, the user name or the password is empty");
    m_view.MessageBox(texts::zh::kEnterCredentials, texts::zh::kHintCaption, MB_OK);
    return false;
  }
  CString strItem = m_view.RelayLineText();
  if (strItem.IsEmpty()) {
    m_session.Log().Write("relay: not dialled, no relay line chosen");
    m_view.MessageBox(texts::zh::kEnterRelayAddress, texts::zh::kHintCaption, MB_OK);
    return false;
  }
  if (!m_session.AcceptsCredentials(login, m_view)) return false;
  m_view.SaveSettings(login);
  if (!m_session.WritePhonebookEntry(m_session.Line().tmpl, false, m_view)) return false;
  request = CDialRequest{AddressOfEntry(strItem), login, NameOfEntry(strItem)};
  return true;
}
