// Command 1041: the server-select window.
#include "app/MainDlg.h"
#include "directory/ServerDlg.h"

void CMainDlg::OnChooseServer() {
  UpdateData(TRUE);
  CServerDlg dlg;
  if (dlg.DoModal() == IDOK) {
    // Copied out as the window hands it over; nothing in the main window uses it.
    CString strChosen = dlg.m_strChosenAddr;
    (void)strChosen;
  }
  UpdateData(FALSE);
}
