// The update button: start the updater, no question asked.
#include "app/MainDlg.h"
#include "update/Updater.h"

void CMainDlg::OnUpdate() {
  UpdateData(TRUE);
  LaunchUpdater();
  UpdateData(FALSE);
}
