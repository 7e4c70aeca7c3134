// The application object.
#pragma once

#include "framework/CWinApp.h"

class CClientApp : public CWinApp {
 public:
  BOOL InitInstance() override;
};
