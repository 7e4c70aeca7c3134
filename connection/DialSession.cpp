#include "connection/DialSession.h"

#include "connection/DialProgressText.h"
#include "connection/Phonebook.h"
#include "framework/CStdioFile.h"
#include "log/UserNameNote.h"
#include "resources/Texts.h"

namespace {
constexpr DWORD kDialPollMs = 50;
constexpr DWORD kRasErrorRequestTimeout = 638;

// A state as it arrives, with the text the status line shows for it.
void LogProgress(ILog& log, const CString& strEntry, DWORD state, DWORD error) {
  CString strLine;
  strLine.Format("progress \"%s\": state %lu", strEntry.GetString(), static_cast<unsigned long>(state));
  CString strNumber;
  strNumber.Format("%lu", static_cast<unsigned long>(state));
  CString strText = DialProgressText(state);
  if (error != 0) {
    CString strError;
    strError.Format(", error %lu", static_cast<unsigned long>(error));
    strLine += strError.View();
  } else if (!(strText == strNumber)) {
    strLine += ", " + strText.Str();
  }
  log.Write(strLine);
}

}  // namespace

CDialSession::CDialSession(const CDialLine& line, CDialEngine& engine, plat::IFiles& files,
                           std::shared_ptr<ILog> log, ILineLook& look)
    : m_line(line),
      m_engine(engine),
      m_files(files),
      m_log(std::move(log)),
      m_look(look),
      m_strEntryName(line.pszEntryBase),
      m_writtenTmpl(line.tmpl),
      m_status(std::make_shared<CDialStatus>(engine.Ras())) {}

bool CDialSession::AdoptRunningLine() {
  m_hConn = m_engine.FindConnection(m_strEntryName);
  if (!m_hConn) {
    m_log->Printf("start: no line \"%s\" is up", m_strEntryName.GetString());
    return false;
  }
  m_log->Printf("start: the line \"%s\" is up and taken over", m_strEntryName.GetString());
  Enter(LineState::Up);
  return true;
}

void CDialSession::MarkDown() {
  m_hConn = nullptr;
  m_state = LineState::Idle;
  ShowLook();
}

void CDialSession::Enter(LineState state) {
  bool bWasUp = IsUp();
  m_state = state;
  if (IsUp() != bWasUp) ShowLook();
}

// The line is dialling until the outcome; a dial that ends without a line
// returns it to idle, unless a drop's reset has done so meanwhile.
DialOutcome CDialSession::Run(IDialAttempt& attempt, IDialView& view) {
  Enter(LineState::Dialling);
  DialOutcome outcome = DialUntilNotRefused(attempt, view);
  if (outcome == DialOutcome::Connected)
    Enter(LineState::Up);
  else if (m_state == LineState::Dialling)
    Enter(LineState::Idle);
  return outcome;
}

DialOutcome CDialSession::DialUntilNotRefused(IDialAttempt& attempt, IDialView& view) {
  for (int nRefusals = 0;; ++nRefusals) {
    CDialRequest request;
    bool bPrepared = nRefusals == 0 ? attempt.PrepareDial(request) : attempt.PrepareRedial(request);
    if (!bPrepared) return DialOutcome::Stopped;
    DWORD result = DialEntry(request);
    if (result == plat::kRasErrorAlreadyDialing && nRefusals < kMaxDialRefusals) {
      CString strRefused = m_strEntryName;
      RenameAfterRefusal();
      m_log->Printf("dial \"%s\": refused with 756, dialled again as \"%s\"", strRefused.GetString(),
                    m_strEntryName.GetString());
      continue;
    }
    bool bConnected = AwaitOutcome(result, view);
    LogOutcome();
    if (bConnected) return DialOutcome::Connected;
    ReportFailedDial(view);
    return DialOutcome::Failed;
  }
}

bool CDialSession::AcceptsCredentials(const CLoginFields& login, IDialView& view) {
  plat::ISystem& system = m_engine.System();
  bool bUserFits = system.CanConvertToAnsi(login.strUser.View());
  if (bUserFits && system.CanConvertToAnsi(login.strPassword.View())) return true;
  m_log->Printf("dial \"%s\": not dialled, the %s has characters the code page cannot hold",
                m_strEntryName.GetString(), bUserFits ? "password" : "user name");
  view.MessageBox(texts::ko::kCredentialsNotStorable, texts::ko::kInputErrorCaption,
                  MB_OK | MB_ICONEXCLAMATION);
  return false;
}

bool CDialSession::CreatePhonebookFile(IDialView& view) {
  return ::CreatePhonebookFile(m_files, m_line.pszPhonebookPath) || ReportPhonebookFailure(view);
}

bool CDialSession::WritePhonebookEntry(PhonebookTemplate tmpl, bool bPreferLocalRoutes, IDialView& view) {
  m_writtenTmpl = tmpl;
  if (::WritePhonebookEntry(m_files, m_line.pszPhonebookPath, tmpl, m_strEntryName, m_line.bMainLineEdits,
                            bPreferLocalRoutes))
    return true;
  RemovePhonebookFile();
  return ReportPhonebookFailure(view);
}

void CDialSession::RemovePhonebookFile() {
  CFile::Remove(m_files, m_line.pszPhonebookPath);
}

// Created first so that the removal always finds a file.
void CDialSession::DiscardPhonebookFile() {
  ::CreatePhonebookFile(m_files, m_line.pszPhonebookPath);
  RemovePhonebookFile();
}

DWORD CDialSession::DialEntry(const CDialRequest& request) {
  m_log->Conceal(request.login.strPassword);
  m_log->Printf("dial \"%s\": server \"%s\" %s, %s, phonebook \"%s\", user %s", m_strEntryName.GetString(),
                request.strServerName.GetString(), request.strPhone.GetString(),
                m_writtenTmpl == PhonebookTemplate::L ? "L2TP" : "PPTP", m_line.pszPhonebookPath,
                UserNameNote(request.login.strUser, [this](std::string_view text) {
                  return m_engine.System().CanConvertToAnsi(text);
                }).GetString());
  // Each field is cut to its record's size at the remote-access boundary.
  plat::RasDialParams params{m_strEntryName.Str(), request.strPhone.Str(), request.login.strUser.Str(),
                             request.login.strPassword.Str(), std::string()};
  unsigned serial = m_status->BeginDial();
  m_hConn = nullptr;
  auto notifier = [status = m_status, serial, log = m_log, entry = m_strEntryName](UINT message, DWORD state,
                                                                                   DWORD error) {
    LogProgress(*log, entry, state, error);
    status->OnDialProgress(serial, message, state, error);
  };
  return m_engine.Ras().Dial(m_line.pszPhonebookPath, params, notifier, &m_hConn);
}

BOOL CDialSession::HangUp(IDialView& view) {
  Enter(LineState::HangingUp);
  if (!m_engine.HangUpEntry(m_strEntryName, [&view] { view.KeepPainted(); })) {
    m_log->Printf("hang-up \"%s\": refused, no such line", m_strEntryName.GetString());
    Enter(LineState::Up);
    return FALSE;
  }
  m_log->Printf("hang-up \"%s\": done", m_strEntryName.GetString());
  m_hConn = nullptr;
  Enter(LineState::Idle);
  return TRUE;
}

CString CDialSession::TunnelAddress() {
  std::string address;
  if (m_engine.Ras().GetIpAddress(m_hConn, address) != 0) address.clear();
  return address;
}

void CDialSession::HangUpWithoutWaiting() {
  if (m_hConn) m_engine.Ras().HangUp(m_hConn);
}

// Shows each progress text until the outcome; no input is dispatched
// meanwhile, so no command can start a second time.
bool CDialSession::AwaitOutcome(DWORD result, IDialView& view) {
  plat::ISystem& system = m_engine.System();
  if (result != 0) m_status->Finish(result, m_engine.RasErrorString(result));
  DWORD start = system.GetTickCount();
  while (!m_status->Done()) {
    view.SetStatus(m_status->Text());
    view.PushFields();
    view.KeepPainted();
    system.Sleep(kDialPollMs);
    if (system.GetTickCount() - start >= kDialOutcomeWaitMs) {
      m_log->Printf("dial \"%s\": no outcome within %lu ms, given up", m_strEntryName.GetString(),
                    static_cast<unsigned long>(kDialOutcomeWaitMs));
      m_status->Finish(kRasErrorRequestTimeout, m_engine.RasErrorString(kRasErrorRequestTimeout));
    }
  }
  return m_status->Connected();
}

void CDialSession::LogOutcome() {
  if (m_status->Connected()) {
    m_log->Printf("dial \"%s\": connected", m_strEntryName.GetString());
    return;
  }
  m_log->Printf("dial \"%s\": failed, error %lu, the service says \"%s\"", m_strEntryName.GetString(),
                static_cast<unsigned long>(m_status->Error()), m_status->ServiceText().GetString());
}

void CDialSession::ReportFailedDial(IDialView& view) {
  HangUpWithoutWaiting();
  CString strText = m_status->Flatten();
  view.SetStatus(strText);
  view.MessageBox(strText, texts::ko::kDialFailed, MB_OK | MB_ICONINFORMATION);
  m_engine.HangUpConnection(m_hConn, [&view] { view.KeepPainted(); });
}

void CDialSession::RenameAfterRefusal() {
  plat::ISystem& system = m_engine.System();
  system.SeedRandom(system.GetTickCount());
  m_strEntryName.Format("%s%d", m_line.pszEntryBase, system.Random() % 100);
}

bool CDialSession::ReportPhonebookFailure(IDialView& view) {
  m_log->Printf("dial \"%s\": not dialled, the phonebook \"%s\" could not be written",
                m_strEntryName.GetString(), m_line.pszPhonebookPath);
  view.SetStatus(texts::ko::kPhonebookFailed);
  view.PushFields();
  return false;
}
