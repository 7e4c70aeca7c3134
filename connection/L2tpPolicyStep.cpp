#include "connection/L2tpPolicyStep.h"

#include "platform/WinConstants.h"
#include "resources/Texts.h"

namespace {

constexpr const char* kRasManKey = "SYSTEM\\CurrentControlSet\\Services\\RasMan\\Parameters";
constexpr const char* kProhibitIpSec = "ProhibitIPSec";
constexpr const char* kShutdownTool = "shutdown.exe";
constexpr const char* kShutdownParameters = " -r -t 20";

}  // namespace

CL2tpPolicy::CL2tpPolicy(plat::IRegistry& registry, plat::IServices& services, plat::IProcesses& processes,
                         plat::ISystem& system, IL2tpPolicyView& view, ILog& log, const CString& strSysDir)
    : m_registry(registry),
      m_services(services),
      m_processes(processes),
      m_system(system),
      m_view(view),
      m_log(log),
      m_strSysDir(strSysDir) {}

CL2tpPolicy::Result CL2tpPolicy::ApplyL2tpPolicy() {
  LONG nResult = 0;
  std::unique_ptr<plat::IRegistryKey> pRasMan =
      m_registry.OpenKey(plat::RegistryRoot::LocalMachine, kRasManKey, plat::RegistryView::Bits64, nResult);
  DWORD dwValue = 0;
  if (!pRasMan || pRasMan->QueryDword(kProhibitIpSec, dwValue) != 0) dwValue = 0;
  if (dwValue != 0) {
    m_log.Printf("l2tp: %s is %lu, nothing to change", kProhibitIpSec, static_cast<unsigned long>(dwValue));
    return kContinue;
  }
  if (pRasMan) {
    LONG nSet = pRasMan->SetDword(kProhibitIpSec, 1);
    DWORD dwAfter = 0;
    if (pRasMan->QueryDword(kProhibitIpSec, dwAfter) != 0) dwAfter = 0;
    m_log.Printf("l2tp: %s was 0, is now %lu (result %ld)", kProhibitIpSec,
                 static_cast<unsigned long>(dwAfter), static_cast<long>(nSet));
  } else {
    m_log.Printf("l2tp: the key of %s cannot be opened (error %ld), nothing written", kProhibitIpSec,
                 static_cast<long>(nResult));
  }

  if (m_view.AskUser(texts::zh::kL2tpRestartQuestion, texts::zh::kL2tpRestartCaption,
                     MB_OKCANCEL | MB_ICONQUESTION) == IDOK) {
    CString strLine = QuotedIfBlank(ToolPath(kShutdownTool)) + kShutdownParameters;
    int nExit = m_processes.RunCommandProcessor(strLine.View());
    m_log.Printf("l2tp: the computer restarts: the command processor ran %s, exit code %d",
                 strLine.GetString(), nExit);
    return kStop;
  }
  m_log.Write("l2tp: no restart of the computer, the services restart instead");
  bool bDone = RunRestartSequence();
  m_log.Write(bDone ? "l2tp: the restart sequence has ended" : "l2tp: the restart sequence could not begin");
  return bDone ? kContinue : kStop;
}

int CL2tpPolicy::GetServiceState(const CString& strName) {
  std::unique_ptr<plat::IServiceManager> pManager = m_services.OpenManager();
  if (!pManager) return -1;
  std::unique_ptr<plat::IServiceHandle> pService = pManager->OpenService(strName.View());
  if (!pService) return -1;
  DWORD dwState = 0;
  if (!pService->QueryState(dwState)) return -1;
  return static_cast<int>(dwState);
}

// A tool by its full path in the system directory. The dialer runs
// elevated: a bare name could find a same-named file in the current folder.
CString CL2tpPolicy::ToolPath(const char* pszTool) const {
  return m_strSysDir + pszTool;
}

CString CL2tpPolicy::QuotedIfBlank(const CString& strPath) {
  if (strPath.Find(' ') < 0) return strPath;
  return "\"" + strPath + "\"";
}
