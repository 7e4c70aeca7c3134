#include "framework/CWinApp.h"

namespace {
// Each process of the simulated machine runs its own application object on
// its own thread.
thread_local CWinApp* t_pApp = nullptr;
}  // namespace

CWinApp::CWinApp(const plat::Ports& ports) : m_ports(ports) {
  t_pApp = this;
}

CWinApp::~CWinApp() {
  if (t_pApp == this) t_pApp = nullptr;
}

CWinApp* AfxGetApp() {
  return t_pApp;
}

int AfxWinMain() {
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return -1;
  // The dialer runs its window inside the instance set-up and has no message loop of its own.
  app->InitInstance();
  return app->ExitInstance();
}

CString AfxGetAppName() {
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return CString();
  std::string path = app->Ports().system->GetModuleFileName();
  size_t slash = path.find_last_of("\\/");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return CString(name);
}

int AfxMessageBox(const CString& text, UINT type) {
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return 0;
  HWND owner = app->m_pMainWnd ? app->m_pMainWnd->GetSafeHwnd() : nullptr;
  return app->Ports().boxesAndMenus->MessageBox(owner, text.View(), AfxGetAppName().View(), type);
}

void AfxEnableControlContainer() {}
