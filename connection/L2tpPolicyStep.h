// The L2TP policy step of the Connect command: makes the remote-access
// service dial L2TP without its IPsec policy ("ProhibitIPSec" = 1) and, on a
// first switch, restarts the computer or the "netsvcs" service group.
#pragma once

#include "framework/CString.h"
#include "log/Log.h"
#include "platform/Processes.h"
#include "platform/Registry.h"
#include "platform/Services.h"
#include "platform/System.h"

// What the step needs of the main window.
class IL2tpPolicyView {
 public:
  // A message box owned by the main window; returns the button pressed.
  virtual int AskUser(const CString& strText, const CString& strCaption, UINT nType) = 0;
  // Progress bar 1021 at this position, then the window's fields pushed to its controls.
  virtual void ShowRestartProgress(int nPos) = 0;
  virtual void HideRestartProgress() = 0;
  // Lets the window repaint while the sequence waits; no input is dispatched.
  virtual void KeepPainted() = 0;

 protected:
  ~IL2tpPolicyView() = default;
};

class CL2tpPolicy {
 public:
  enum Result { kContinue, kStop };

  // The longest any one child of the restart sequence is waited for (the
  // task list's output, the kill, each service start). A child still
  // running then is left alone and the sequence goes on.
  static constexpr DWORD kChildWaitMs = 30000;
  // The longest the whole sequence waits for its children together; past
  // it, the remaining services are still started, without waiting.
  static constexpr DWORD kSequenceWaitMs = 120000;
  static constexpr DWORD kPollMs = 200;
  static constexpr int kProgressStep = 4;

  // strSysDir: the system directory followed by "\".
  CL2tpPolicy(plat::IRegistry& registry, plat::IServices& services, plat::IProcesses& processes,
              plat::ISystem& system, IL2tpPolicyView& view, ILog& log, const CString& strSysDir);

  Result ApplyL2tpPolicy();
  // The service's current state (4: running), or -1 when it cannot be queried.
  int GetServiceState(const CString& strName);

 private:
  // False when the task-list command could not be started.
  bool RunRestartSequence();
  CString ReadServiceList();
  CString RunningServices(const CString& strServiceList);
  CString ReadTaskList(plat::ICapturedChild& child);
  void RunAndWait(const CString& strTool, const CString& strParameters);
  // The wait a child may have now: kChildWaitMs within what is left of kSequenceWaitMs.
  DWORD ChildBudget() const;
  // Waits up to dwWaitMs for the child to end, repainting every kPollMs.
  void WaitPainted(plat::IChildProcess& child, DWORD dwWaitMs);
  // The child's line: its full path and parameters, and its exit code.
  void LogChild(const CString& strTool, const CString& strParameters, plat::IChildProcess* pChild);
  void SleepPainted(DWORD dwMs);
  CString ToolPath(const char* pszTool) const;
  static CString QuotedIfBlank(const CString& strPath);

  plat::IRegistry& m_registry;
  plat::IServices& m_services;
  plat::IProcesses& m_processes;
  plat::ISystem& m_system;
  IL2tpPolicyView& m_view;
  ILog& m_log;
  CString m_strSysDir;
  // The restart sequence's lists, kept from the last run.
  CString m_strServiceList;
  CString m_strRunningList;
  CString m_strTaskList;
  DWORD m_dwSequenceStart = 0;
};
