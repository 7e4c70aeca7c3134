#include "probe/GroupServers.h"

std::vector<CString> GroupServers(CServerDirectory& directory, const CString& strGroup) {
  unsigned nCount = directory.ReadCount(strGroup, 0);
  std::vector<CString> servers;
  servers.reserve(nCount);
  for (unsigned n = 1; n <= nCount; ++n)
    servers.push_back(directory.ReadString(strGroup, NumberedKey("IP", n), ""));
  return servers;
}
