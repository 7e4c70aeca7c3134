#include "connection/DialEngine.h"

#include <vector>

#include "platform/Ports.h"

HRASCONN FindConnection(const CString& entryName) {
  std::vector<plat::RasConnection> connections;
  if (plat::Current().ras->EnumConnections(connections) != 0) return nullptr;
  for (const plat::RasConnection& connection : connections)
    if (connection.entryName == entryName.Str()) return connection.handle;
  return nullptr;
}
