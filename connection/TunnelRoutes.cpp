// Routes through the tunnel after a connect in a split routing mode.
#include "app/MainDlg.h"

// No routes are added yet.
void CMainDlg::AddTunnelRoutes(const std::string&) {}
