// The application object.
#pragma once

#include "framework/CWinApp.h"

class CClientApp : public CWinApp {
 public:
  BOOL InitInstance() override;
};

// The program's start on whichever platform the entry point installed.
int DialerMain();
