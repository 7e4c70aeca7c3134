// The route step after a successful dial in a split routing mode: the
// networks of Route.txt go through the tunnel, modelled on the tunnel's own
// route, which is then deleted.
#pragma once

#include <optional>
#include <string>

#include "log/Log.h"
#include "platform/Files.h"
#include "platform/Routing.h"
#include "platform/Sockets.h"

// The system the step runs on, as the main window knows it.
struct CRouteSystem {
  BOOL bVistaOrLater = 0;  // major version above 5
  BOOL bWindows7 = 0;      // version 6.1
  std::string strSysDir;   // the system directory followed by "\"
};

class CRouteStep {
 public:
  // Further size queries when the table grows between a query and its read.
  static constexpr int kTableReadAttempts = 4;

  CRouteStep(plat::IRouting& routing, plat::ISockets& sockets, plat::IFiles& files, ILog& log,
             CRouteSystem system);

  // strTunnelIp: the tunnel address given to this computer, dotted.
  void ApplyRouteFile(const std::string& strTunnelIp);

 private:
  bool ReadTable(std::vector<plat::IpForwardRow>& rows);
  std::optional<plat::IpForwardRow> FindTemplateRow(const std::vector<plat::IpForwardRow>& rows,
                                                    const std::string& strTunnelIp) const;
  void AddListedRoutes(plat::IFile& file, const plat::IpForwardRow& templateRow);
  std::optional<DWORD> DestinationOf(const std::string& strDestination);
  void LogRoute(const char* pszDone, const char* pszRefused, const plat::IpForwardRow& row, DWORD dwResult);

  plat::IRouting& m_routing;
  plat::ISockets& m_sockets;
  plat::IFiles& m_files;
  ILog& m_log;
  CRouteSystem m_system;
};
