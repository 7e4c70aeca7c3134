#include "connection/DialSession.h"

#include "connection/DialProgressText.h"
#include "connection/Phonebook.h"
#include "framework/CStdioFile.h"
#include "resources/Texts.h"

namespace {
constexpr DWORD kDialPollMs = 50;
constexpr DWORD kRasErrorRequestTimeout = 638;
}  // namespace

CDialSession::CDialSession(const CDialLine& line, CDialEngine& engine, plat::IFiles& files)
    : m_line(line),
      m_engine(engine),
      m_files(files),
      m_strEntryName(line.pszEntryBase),
      m_status(std::make_shared<CDialStatus>(engine.Ras())) {}

bool CDialSession::AdoptRunningLine() {
  m_hConn = m_engine.FindConnection(m_strEntryName);
  return m_hConn != nullptr;
}

DialOutcome CDialSession::Run(IDialAttempt& attempt, IDialView& view) {
  for (int nRefusals = 0;; ++nRefusals) {
    CDialRequest request;
    if (!attempt.PrepareDial(request)) return DialOutcome::Stopped;
    DWORD result = DialEntry(request);
    if (result == plat::kRasErrorAlreadyDialing && nRefusals < kMaxDialRefusals) {
      RenameAfterRefusal();
      continue;
    }
    if (AwaitOutcome(result, view)) return DialOutcome::Connected;
    ReportFailedDial(view);
    return DialOutcome::Failed;
  }
}

bool CDialSession::AcceptsCredentials(const CString& strUser, const CString& strPassword, IDialView& view) {
  plat::ISystem& system = m_engine.System();
  if (system.CanConvertToAnsi(strUser.View()) && system.CanConvertToAnsi(strPassword.View())) return true;
  view.MessageBox(texts::ko::kCredentialsNotStorable, texts::ko::kInputErrorCaption,
                  MB_OK | MB_ICONEXCLAMATION);
  return false;
}

bool CDialSession::CreatePhonebookFile(IDialView& view) {
  return ::CreatePhonebookFile(m_files, m_line.pszPhonebookPath) || ReportPhonebookFailure(view);
}

bool CDialSession::WritePhonebookEntry(PhonebookTemplate tmpl, bool bPreferLocalRoutes, IDialView& view) {
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
  // Each field is cut to its record's size at the remote-access boundary.
  plat::RasDialParams params{m_strEntryName.Str(), request.strPhone.Str(), request.strUser.Str(),
                             request.strPassword.Str(), std::string()};
  unsigned serial = m_status->BeginDial();
  m_hConn = nullptr;
  auto notifier = [status = m_status, serial](UINT message, DWORD state, DWORD error) {
    status->OnDialProgress(serial, message, state, error);
  };
  return m_engine.Ras().Dial(m_line.pszPhonebookPath, params, notifier, &m_hConn);
}

BOOL CDialSession::HangUp(IDialView& view) {
  if (!m_engine.HangUpEntry(m_strEntryName, [&view] { view.KeepPainted(); })) return FALSE;
  m_hConn = nullptr;
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
  if (result != 0) m_status->Finish(DialErrorText(result, m_engine.RasErrorString(result)));
  DWORD start = system.GetTickCount();
  while (!m_status->Done()) {
    view.SetStatus(m_status->Text());
    view.PushFields();
    view.KeepPainted();
    system.Sleep(kDialPollMs);
    if (system.GetTickCount() - start >= kDialOutcomeWaitMs)
      m_status->Finish(
          DialErrorText(kRasErrorRequestTimeout, m_engine.RasErrorString(kRasErrorRequestTimeout)));
  }
  return m_status->Connected();
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
  view.SetStatus(texts::ko::kPhonebookFailed);
  view.PushFields();
  return false;
}
