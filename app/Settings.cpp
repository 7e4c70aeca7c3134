// The settings file.
#include "app/MainDlg.h"

void CMainDlg::LoadSaveConfig(BOOL) {
  UpdateData(TRUE);
  UpdateData(FALSE);
}
