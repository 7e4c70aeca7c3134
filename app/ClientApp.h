// The application object.
#pragma once

#include "framework/CWinApp.h"

class CClientApp : public CWinApp {
 public:
  using CWinApp::CWinApp;
  BOOL InitInstance() override;
  const plat::DialogTemplate* FindDialogTemplate(int id) const override;
};

// The program's start on the ports of the process that runs it.
int DialerMain(const plat::Ports& ports);
