// The remote-access policy step run before an L2TP dial.
#include "app/MainDlg.h"

// Nothing to change yet: the dial goes on with the L2TP template.
bool CMainDlg::ApplyL2tpPolicy() {
  return true;
}
