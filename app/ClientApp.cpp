#include "app/ClientApp.h"

#include "app/MainDlg.h"
#include "framework/Resources.h"
#include "resources/Texts.h"

namespace {
constexpr const char* kInstanceMutex = "Qim";
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
    plat::IWindowSystem& windows = *Ports().windows;
    HWND owner = windows.FindWindow(texts::kWindowTitle);
    windows.ShowWindow(owner, SW_RESTORE);
    windows.SetForegroundWindow(owner);
    return FALSE;
  }
  // Held until the process ends.
  plat::KernelHandle instanceMutex = system.CreateMutex(kInstanceMutex, true);

  AfxEnableControlContainer();
  {
    CMainDlg dlg(Ports());
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
  }
  return FALSE;
}
