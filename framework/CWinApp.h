// The application object and the framework's process-level helpers.
#pragma once

#include "framework/CWnd.h"
#include "platform/DialogTemplate.h"
#include "platform/Ports.h"

// The application object of a process: a local of the program's entry
// point, handed the process's ports, and found by the framework from the
// thread that runs it.
class CWinApp : public CCmdTarget {
 public:
  explicit CWinApp(const plat::Ports& ports);
  ~CWinApp() override;
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  const plat::Ports& Ports() const { return m_ports; }
  // The program's dialog templates, which its own application object knows.
  virtual const plat::DialogTemplate* FindDialogTemplate(int /*id*/) const { return nullptr; }

  // False ends the program without a message loop (the dialer's case).
  virtual BOOL InitInstance() { return FALSE; }
  virtual int ExitInstance() { return 0; }

  CWnd* m_pMainWnd = nullptr;

 private:
  const plat::Ports& m_ports;
};

// The application object of the calling thread, or null.
CWinApp* AfxGetApp();
// The framework's program start: runs the application's instance set-up and returns the exit code.
int AfxWinMain();
// The executable's file name without folder and extension.
CString AfxGetAppName();
// Plain message box with the application's name as caption.
int AfxMessageBox(const CString& text, UINT type = MB_OK);
void AfxEnableControlContainer();
