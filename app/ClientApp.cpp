#include "app/ClientApp.h"

#include "app/MainDlg.h"
#include "directory/ServerListFile.h"
#include "framework/Resources.h"
#include "log/ProgramLines.h"
#include "resources/Texts.h"

namespace {
constexpr const char* kInstanceMutex = "Qim";

// How the main window's modal run ended.
const char* WayOutOf(INT_PTR nResult) {
  if (nResult == IDOK) return "the tray menu's Exit";
  if (nResult == IDCANCEL) return "the Cancel command";
  return "the main window could not be made";
}

}  // namespace

int DialerMain(const plat::Ports& ports) {
  CClientApp app(ports);
  return AfxWinMain();
}

const plat::DialogTemplate* CClientApp::FindDialogTemplate(int id) const {
  return AfxFindDialogTemplate(id);
}

// One instance per user: a second start raises the first one's window.
BOOL CClientApp::InitInstance() {
  plat::ISystem& system = *Ports().system;
  if (plat::KernelHandle running = system.OpenMutex(kInstanceMutex)) {
    plat::IWindowing& windows = *Ports().windows;
    HWND owner = windows.FindWindow(texts::kWindowTitle);
    windows.ShowWindow(owner, SW_RESTORE);
    windows.SetForegroundWindow(owner);
    return FALSE;
  }
  // Held until the process ends.
  plat::KernelHandle instanceMutex = system.CreateMutex(kInstanceMutex, true);

  plat::IFiles& files = *Ports().files;
  std::string strDataFolder = DataFolderPath(system);
  if (!PrepareDataFolder(files, strDataFolder)) strDataFolder.clear();
  CDialLog log(system, files, *Ports().shell, strDataFolder);
  log.Log().Write(StartLine(system));

  AfxEnableControlContainer();
  INT_PTR nResult = 0;
  {
    CMainDlg dlg(Ports(), log);
    m_pMainWnd = &dlg;
    nResult = dlg.DoModal();
    m_pMainWnd = nullptr;
  }
  // The framework then ends the process with ExitInstance's 0.
  log.Finish(EndLine(WayOutOf(nResult), 0));
  return FALSE;
}
