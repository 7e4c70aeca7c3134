// The About box (template 100).
#pragma once

#include "framework/CDialog.h"

class CAboutDlg : public CDialog {
 public:
  CAboutDlg();
};
