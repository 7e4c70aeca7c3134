#include "app/ClientApp.h"

#include "app/MainDlg.h"
#include "resources/Texts.h"

namespace {
constexpr const char* kInstanceMutex = "Qim";
}  // namespace

CClientApp theApp;

int DialerMain() {
  return AfxWinMain();
}

// One instance per user: a second start raises the first one's window.
BOOL CClientApp::InitInstance() {
  plat::ISystem& system = *plat::Current().system;
  if (plat::KernelHandle running = system.OpenMutex(kInstanceMutex)) {
    plat::IWindowSystem& windows = CWnd::Windows();
    HWND owner = windows.FindWindow(texts::kWindowTitle);
    windows.ShowWindow(owner, SW_RESTORE);
    windows.SetForegroundWindow(owner);
    return FALSE;
  }
  // Held until the process ends.
  plat::KernelHandle instanceMutex = system.CreateMutex(kInstanceMutex, true);

  AfxEnableControlContainer();
  {
    CMainDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
  }
  return FALSE;
}
