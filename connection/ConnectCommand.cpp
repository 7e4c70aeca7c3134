// The Connect / Disconnect command.
#include "app/MainDlg.h"

void CMainDlg::OnConnect() {
  UpdateData(TRUE);
  UpdateData(FALSE);
}
