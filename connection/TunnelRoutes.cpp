// Routes through the tunnel after a connect in a split routing mode: the
// main window's side.
#include "app/MainDlg.h"

void CMainDlg::AddTunnelRoutes(const std::string& strTunnelIp) {
  if (!m_pRouteStep) {
    const plat::Ports& ports = plat::Current();
    m_pRouteStep =
        std::make_unique<CRouteStep>(*ports.routing, *ports.sockets, *ports.files,
                                     CRouteSystem{m_bVistaOrLater, m_bWindows7, m_strSysDir.GetString()});
  }
  m_pRouteStep->ApplyRouteFile(strTunnelIp);
}
