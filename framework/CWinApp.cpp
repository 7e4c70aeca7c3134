#include "framework/CWinApp.h"

namespace {
CWinApp* g_pApp = nullptr;
}

CWinApp::CWinApp() {
  g_pApp = this;
}

CWinApp::~CWinApp() {
  if (g_pApp == this) g_pApp = nullptr;
}

CWinApp* AfxGetApp() {
  return g_pApp;
}

int AfxWinMain() {
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return -1;
  // The dialer runs its window inside the instance set-up and has no message loop of its own.
  app->InitInstance();
  return app->ExitInstance();
}

CString AfxGetAppName() {
  std::string path = plat::Current().system->GetModuleFileName();
  size_t slash = path.find_last_of("\\/");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return CString(name);
}

int AfxMessageBox(const CString& text, UINT type) {
  HWND owner = nullptr;
  if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd) owner = app->m_pMainWnd->GetSafeHwnd();
  return CWnd::Windows().MessageBox(owner, text.View(), AfxGetAppName().View(), type);
}

void AfxEnableControlContainer() {}
