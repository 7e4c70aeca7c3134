// The remote-access service of the simulated machine: its active
// connections. Guarded by the machine lock.
#pragma once

#include <string>
#include <vector>

#include "platform/WinTypes.h"

namespace sim {

constexpr DWORD kRasConnected = 0x2000;

struct RasLine {
  HRASCONN handle = nullptr;
  std::string entryName;
  DWORD state = kRasConnected;
  std::string ipAddress;
};

class RasService {
 public:
  // An active line, as if dialled earlier (by this or another program).
  HRASCONN AddConnection(const std::string& entryName, const std::string& ipAddress = "10.8.0.2");
  RasLine* Find(HRASCONN handle);
  RasLine* FindByName(const std::string& entryName);
  bool Remove(HRASCONN handle);
  const std::vector<RasLine>& Lines() const { return m_lines; }

 private:
  std::vector<RasLine> m_lines;
  std::uintptr_t m_nextHandle = 0x5000;
};

}  // namespace sim
