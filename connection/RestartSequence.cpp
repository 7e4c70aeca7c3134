// The restart sequence: ends the service host that carries Themes and
// starts the "netsvcs" services that ran before, one by one.
#include <algorithm>
#include <string>
#include <vector>

#include "connection/L2tpPolicyStep.h"
#include "connection/RestartText.h"
#include "platform/WinConstants.h"

namespace {

constexpr const char* kSvchostKey = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Svchost";
constexpr const char* kNetsvcs = "netsvcs";
constexpr DWORD kMaxServiceListBytes = 1024 * 1024;
constexpr int kServiceListAttempts = 3;
constexpr DWORD kTaskListBytes = 4095;
constexpr const char* kTaskListTool = "tasklist.exe";
constexpr const char* kTaskListParameters = " /FI \"services eq Themes\"";
constexpr const char* kKillTool = "taskkill.exe";
constexpr const char* kNetTool = "net.exe";
constexpr int kProgressModulo = 100;

}  // namespace

bool CL2tpPolicy::RunRestartSequence() {
  m_strServiceList = ReadServiceList();
  // Without the group's names the services could not be started again:
  // the host is left running and the command goes on.
  if (m_strServiceList.IsEmpty()) {
    m_log.Printf("l2tp: the service group %s cannot be read, no service is restarted", kNetsvcs);
    return true;
  }
  m_strRunningList = RunningServices(m_strServiceList);
  m_log.Printf("l2tp: running in %s: \"%s\"", kNetsvcs, m_strRunningList.GetString());
  m_dwSequenceStart = m_system.GetTickCount();

  CString strTaskList = ToolPath(kTaskListTool);
  std::unique_ptr<plat::ICapturedChild> pTaskList = m_processes.StartCaptured(
      strTaskList.View(), (QuotedIfBlank(strTaskList) + kTaskListParameters).View());
  if (pTaskList) m_strTaskList = ReadTaskList(*pTaskList);
  LogChild(strTaskList, CString(kTaskListParameters).Mid(1), pTaskList.get());
  if (!pTaskList) return false;

  CString strPid = FindHostProcessId(m_strTaskList);
  if (strPid.IsEmpty())
    m_log.Write("l2tp: no service host found in the task list, none is ended");
  else
    RunAndWait(ToolPath(kKillTool), "/F /T /PID " + strPid);

  int nProgress = 0;
  std::string running(m_strRunningList.View());
  for (size_t start = 0; !running.empty() && start <= running.size();) {
    size_t bar = running.find('|', start);
    std::string name = running.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
    RunAndWait(ToolPath(kNetTool), CString("start ") + name);
    nProgress += kProgressStep;
    m_view.ShowRestartProgress(nProgress % kProgressModulo);
    SleepPainted(kPollMs);
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  m_view.HideRestartProgress();
  return true;
}

// The group's names joined by "|", read whole (its size asked first, then
// read again should it have grown meanwhile) from the 64-bit copy of
// Software, which the 32-bit program's own view is not; empty when the
// value cannot be read or is longer than kMaxServiceListBytes.
CString CL2tpPolicy::ReadServiceList() {
  LONG nResult = 0;
  std::unique_ptr<plat::IRegistryKey> pKey =
      m_registry.OpenKey(plat::RegistryRoot::LocalMachine, kSvchostKey, plat::RegistryView::Bits64, nResult);
  if (!pKey) return CString();
  DWORD dwSize = 0;
  for (int nAttempt = 0; nAttempt < kServiceListAttempts; ++nAttempt) {
    nResult = pKey->QueryMultiString(kNetsvcs, nullptr, dwSize);
    if ((nResult != 0 && nResult != plat::kErrorMoreData) || dwSize > kMaxServiceListBytes) return CString();
    std::vector<BYTE> data(dwSize);
    DWORD dwRead = dwSize;
    nResult = pKey->QueryMultiString(kNetsvcs, data.data(), dwRead);
    if (nResult == 0) return JoinMultiString(data.data(), std::min(dwRead, dwSize));
    if (nResult != plat::kErrorMoreData) return CString();
  }
  return CString();
}

CString CL2tpPolicy::RunningServices(const CString& strServiceList) {
  std::string list(strServiceList.View());
  CString strRunning;
  for (size_t start = 0; !list.empty() && start <= list.size();) {
    size_t bar = list.find('|', start);
    std::string name = list.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
    if (GetServiceState(CString(name)) == static_cast<int>(plat::kServiceRunning)) {
      strRunning += name;
      strRunning += '|';
    }
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  if (!strRunning.IsEmpty()) strRunning = strRunning.Left(strRunning.GetLength() - 1);
  return strRunning;
}

// What the child writes until it closes its pipe, at most 4,095 bytes kept;
// a pause of 200 ms after each read. Ends when the child's budget is spent.
CString CL2tpPolicy::ReadTaskList(plat::ICapturedChild& child) {
  std::string output;
  DWORD dwStart = m_system.GetTickCount();
  DWORD dwBudget = ChildBudget();
  for (;;) {
    std::string chunk;
    plat::PipeRead read = child.ReadOutput(chunk, kTaskListBytes);
    if (read == plat::PipeRead::kClosed) break;
    if (read == plat::PipeRead::kData) {
      output.append(chunk, 0, kTaskListBytes - std::min<size_t>(output.size(), kTaskListBytes));
      SleepPainted(kPollMs);
    }
    DWORD dwElapsed = m_system.GetTickCount() - dwStart;
    if (dwElapsed >= dwBudget) break;
    if (read == plat::PipeRead::kEmpty) {
      child.Wait(std::min(kPollMs, dwBudget - dwElapsed));
      m_view.KeepPainted();
    }
  }
  return CString(output);
}

// Runs a system tool hidden and waits for it within its budget.
void CL2tpPolicy::RunAndWait(const CString& strTool, const CString& strParameters) {
  std::unique_ptr<plat::IChildProcess> pChild = m_processes.StartHidden(strTool.View(), strParameters.View());
  if (pChild) WaitPainted(*pChild, ChildBudget());
  LogChild(strTool, strParameters, pChild.get());
}

void CL2tpPolicy::LogChild(const CString& strTool, const CString& strParameters,
                           plat::IChildProcess* pChild) {
  if (pChild == nullptr) {
    m_log.Printf("l2tp: \"%s\" %s could not be started", strTool.GetString(), strParameters.GetString());
    return;
  }
  DWORD dwCode = pChild->ExitCode();
  if (dwCode == plat::kStillActive)
    m_log.Printf("l2tp: \"%s\" %s still runs, left alone", strTool.GetString(), strParameters.GetString());
  else
    m_log.Printf("l2tp: \"%s\" %s ended, exit code %lu", strTool.GetString(), strParameters.GetString(),
                 static_cast<unsigned long>(dwCode));
}

DWORD CL2tpPolicy::ChildBudget() const {
  DWORD dwElapsed = m_system.GetTickCount() - m_dwSequenceStart;
  DWORD dwLeft = dwElapsed >= kSequenceWaitMs ? 0 : kSequenceWaitMs - dwElapsed;
  return std::min(kChildWaitMs, dwLeft);
}

void CL2tpPolicy::WaitPainted(plat::IChildProcess& child, DWORD dwWaitMs) {
  DWORD dwStart = m_system.GetTickCount();
  for (;;) {
    DWORD dwElapsed = m_system.GetTickCount() - dwStart;
    if (dwElapsed >= dwWaitMs) return;
    if (child.Wait(std::min(kPollMs, dwWaitMs - dwElapsed)) == WAIT_OBJECT_0) return;
    m_view.KeepPainted();
  }
}

void CL2tpPolicy::SleepPainted(DWORD dwMs) {
  m_system.Sleep(dwMs);
  m_view.KeepPainted();
}
