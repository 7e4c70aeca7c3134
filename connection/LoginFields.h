// What the user types to log in, with the boxes that go with it: the one
// value the window's fields, the settings file and a dial read.
#pragma once

#include "framework/CString.h"

struct CLoginFields {
  CString strUser;
  CString strPassword;
  int nRouteMode = 0;  // 0 global, 1 overseas, 2 game server
  int bL2tp = 0;       // above 0 dials L2TP
  int bRemember = 0;   // the credentials are kept in the settings file
};
