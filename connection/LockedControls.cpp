// The controls locked while the main line is up.
#include "app/MainDlg.h"

namespace {
constexpr int kLockedControls[] = {IDC_LINE,     IDC_GROUP, IDC_USER, IDC_PASSWORD,
                                   IDC_REMEMBER, IDC_SPEED, IDC_RELAY};
}

void CMainDlg::EnableLockedControls(bool bEnable) {
  for (int id : kLockedControls) Windows().EnableWindow(GetDlgItem(id), bEnable);
}
