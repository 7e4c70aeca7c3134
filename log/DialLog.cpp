#include "log/DialLog.h"

#include "platform/WinConstants.h"

CDialLog::CDialLog(plat::ISystem& system, plat::IFiles& files, plat::IShell& shell,
                   const std::string& strFolder)
    : m_shell(shell), m_queue(std::make_shared<CLogQueue>(system, files, strFolder)) {
  // Without a place for the log there is nothing to write. A drain holds
  // the queue: one still busy when its owner goes keeps what it writes.
  if (!Path().empty()) m_queue->StartWriting();
}

CDialLog::~CDialLog() {
  if (!m_bFinished) Finish(CString());
}

bool CDialLog::Flush() {
  return m_queue->WaitWritten(kMaxWaitMs);
}

void CDialLog::Finish(const CString& strLastLine) {
  if (m_bFinished) return;
  m_bFinished = true;
  if (!strLastLine.IsEmpty()) m_queue->Write(strLastLine);
  m_queue->Stop();
  if (!Path().empty()) m_queue->WaitWritten(kMaxWaitMs);
}

// Written out first, so that the editor shows the latest lines.
void CDialLog::OpenForUser() {
  if (Path().empty()) return;
  Flush();
  m_shell.OpenAsUser(Path(), SW_SHOWNORMAL);
}
