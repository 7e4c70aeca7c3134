// The application object and the framework's process-level helpers.
#pragma once

#include "framework/CWnd.h"

class CWinApp : public CCmdTarget {
 public:
  CWinApp();
  ~CWinApp() override;

  // False ends the program without a message loop (the dialer's case).
  virtual BOOL InitInstance() { return FALSE; }
  virtual int ExitInstance() { return 0; }

  CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
// The framework's program start: runs the application's instance set-up and returns the exit code.
int AfxWinMain();
// The executable's file name without folder and extension.
CString AfxGetAppName();
// Plain message box with the application's name as caption.
int AfxMessageBox(const CString& text, UINT type = MB_OK);
void AfxEnableControlContainer();
