// The banner browser.
#include "app/MainDlg.h"

void CMainDlg::NavigateBanner() {}
