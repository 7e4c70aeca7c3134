#include "routing/RouteStep.h"

#include <utility>

#include "routing/RouteText.h"

namespace {

constexpr const char* kRouteFile = "Route.txt";
constexpr const char* kDefaultRoute = "0.0.0.0";
constexpr const char* kBroadcastRoute = "255.255.255.255";

}  // namespace

CRouteStep::CRouteStep(plat::IRouting& routing, plat::ISockets& sockets, plat::IFiles& files, ILog& log,
                       CRouteSystem system)
    : m_routing(routing), m_sockets(sockets), m_files(files), m_log(log), m_system(std::move(system)) {}

void CRouteStep::ApplyRouteFile(const std::string& strTunnelIp) {
  std::vector<plat::IpForwardRow> rows;
  if (!ReadTable(rows)) {
    m_log.Write("routes: the routing table cannot be read, no route added");
    return;
  }
  std::optional<plat::IpForwardRow> templateRow = FindTemplateRow(rows, strTunnelIp);
  if (!templateRow) {
    m_log.Printf("routes: no route of the tunnel %s to model the routes on, none added", strTunnelIp.c_str());
    return;
  }

  std::string strPath = m_system.strSysDir + kRouteFile;
  m_files.SetAttributes(strPath, plat::kFileAttributeNormal);
  if (std::unique_ptr<plat::IFile> file = m_files.Open(strPath, plat::kModeRead | plat::kModeText)) {
    AddListedRoutes(*file, *templateRow);
    LogRoute("removed the tunnel's own route", "remove the tunnel's own route", *templateRow,
             m_routing.DeleteIpForwardEntry(*templateRow));
    file->Close();
  } else {
    m_log.Printf("routes: \"%s\" cannot be opened, no route added", strPath.c_str());
  }
  m_files.SetAttributes(strPath, plat::kFileAttributeHidden | plat::kFileAttributeSystem);
}

// The table in sorted order. A table that grows between the size query and
// the read answers 122 again: the size is asked again a few times.
bool CRouteStep::ReadTable(std::vector<plat::IpForwardRow>& rows) {
  for (int attempt = 0; attempt < kTableReadAttempts; ++attempt) {
    DWORD dwSize = 0;
    if (m_routing.GetIpForwardTable(nullptr, dwSize, true) != plat::kErrorInsufficientBuffer) return false;
    std::vector<BYTE> table(dwSize, 0);
    DWORD dwResult = m_routing.GetIpForwardTable(table.data(), dwSize, true);
    if (dwResult == plat::kErrorInsufficientBuffer) continue;
    if (dwResult != 0) return false;
    rows = plat::ForwardTableRows(table.data(), static_cast<DWORD>(table.size()));
    return true;
  }
  return false;
}

// The tunnel's own route: on 6.1 the route to the tunnel address; elsewhere
// the default route (major version 5 and lower) or the limited-broadcast
// route (later versions) whose next hop is the tunnel address.
std::optional<plat::IpForwardRow> CRouteStep::FindTemplateRow(const std::vector<plat::IpForwardRow>& rows,
                                                              const std::string& strTunnelIp) const {
  const char* pszDestination = m_system.bVistaOrLater ? kBroadcastRoute : kDefaultRoute;
  for (const plat::IpForwardRow& row : rows) {
    if (m_system.bWindows7) {
      if (FormatRouteAddress(row.dwForwardDest) == strTunnelIp) return row;
    } else if (FormatRouteAddress(row.dwForwardDest) == pszDestination &&
               FormatRouteAddress(row.dwForwardNextHop) == strTunnelIp) {
      return row;
    }
  }
  return std::nullopt;
}

// One route per usable line, with the template's next hop, interface,
// type, protocol, age, metrics and policy. Results are not looked at.
void CRouteStep::AddListedRoutes(plat::IFile& file, const plat::IpForwardRow& templateRow) {
  std::string strLine;
  int nSkipped = 0;
  while (file.ReadLine(strLine)) {
    std::optional<CRouteLine> line = ParseRouteLine(strLine);
    if (!line) continue;
    std::optional<DWORD> destination = DestinationOf(line->strDestination);
    std::optional<DWORD> mask = ParseRouteAddress(line->strMask);
    if (!destination || !mask) {
      ++nSkipped;
      continue;
    }
    plat::IpForwardRow row = templateRow;
    row.dwForwardDest = *destination;
    row.dwForwardMask = *mask;
    LogRoute("added", "add", row, m_routing.CreateIpForwardEntry(row));
  }
  if (nSkipped > 0)
    m_log.Printf("routes: %d line%s with no address to route skipped", nSkipped, nSkipped == 1 ? "" : "s");
}

void CRouteStep::LogRoute(const char* pszDone, const char* pszRefused, const plat::IpForwardRow& row,
                          DWORD dwResult) {
  std::string destination = FormatRouteAddress(row.dwForwardDest);
  std::string mask = FormatRouteAddress(row.dwForwardMask);
  std::string nextHop = FormatRouteAddress(row.dwForwardNextHop);
  if (dwResult == 0)
    m_log.Printf("routes: %s %s/%s via %s, interface 0x%lX, metric %lu", pszDone, destination.c_str(),
                 mask.c_str(), nextHop.c_str(), static_cast<unsigned long>(row.dwForwardIfIndex),
                 static_cast<unsigned long>(row.dwForwardMetric1));
  else
    m_log.Printf("routes: refused to %s %s/%s via %s, error %lu", pszRefused, destination.c_str(),
                 mask.c_str(), nextHop.c_str(), static_cast<unsigned long>(dwResult));
}

// A host name takes the resolver's first address; nothing when it has none.
std::optional<DWORD> CRouteStep::DestinationOf(const std::string& strDestination) {
  CRouteLine probe{strDestination, {}};
  if (!probe.IsHostName()) return ParseRouteAddress(strDestination);
  std::vector<DWORD> addresses;
  if (m_sockets.Resolve(strDestination, addresses) != 0 || addresses.empty()) return std::nullopt;
  return addresses.front();
}
