// The dial log: what the program did, a line each, for the user to send to
// support. Its owner writes the start and the end; the subsystems get its
// narrow interface (ILog). The lines go to the disk on the system's pooled
// threads: no caller ever waits for the disk, except Flush and Finish, which
// wait kMaxWaitMs at most.
#pragma once

#include <memory>
#include <string>

#include "log/LogQueue.h"
#include "platform/Files.h"
#include "platform/Shell.h"
#include "platform/System.h"

class CDialLog {
 public:
  static constexpr DWORD kMaxWaitMs = 500;

  // strFolder: the program's data folder, made already; empty: the lines go nowhere.
  CDialLog(plat::ISystem& system, plat::IFiles& files, plat::IShell& shell, const std::string& strFolder);
  ~CDialLog();
  CDialLog(const CDialLog&) = delete;
  CDialLog& operator=(const CDialLog&) = delete;

  ILog& Log() { return *m_queue; }
  // For callers that may come after the log's owner is gone.
  std::shared_ptr<ILog> SharedLog() { return m_queue; }
  const std::string& Path() const { return m_queue->Path(); }

  // Waits until what was written so far is on the disk (kMaxWaitMs at most).
  bool Flush();
  // Writes the last line and ends the writer once the lines are on the disk
  // (kMaxWaitMs at most); later lines are dropped.
  void Finish(const CString& strLastLine);
  // Opens the log in the user's own editor, at the user's own level.
  void OpenForUser();

 private:
  plat::IShell& m_shell;
  std::shared_ptr<CLogQueue> m_queue;
  bool m_bFinished = false;
};
