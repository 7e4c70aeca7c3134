// The downloaded server list.
#include "app/MainDlg.h"

bool CMainDlg::DownloadServerList() { return true; }

void CMainDlg::LoadServerList() { m_comboServer.SetCurSel(0); }
