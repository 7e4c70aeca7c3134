#include "sim/RasService.h"

#include <algorithm>

namespace sim {

HRASCONN RasService::AddConnection(const std::string& entryName, const std::string& ipAddress) {
  RasLine line;
  line.handle = reinterpret_cast<HRASCONN>(m_nextHandle += 0x10);
  line.entryName = entryName;
  line.ipAddress = ipAddress;
  m_lines.push_back(line);
  return line.handle;
}

RasLine* RasService::Find(HRASCONN handle) {
  for (RasLine& line : m_lines)
    if (line.handle == handle) return &line;
  return nullptr;
}

RasLine* RasService::FindByName(const std::string& entryName) {
  for (RasLine& line : m_lines)
    if (line.entryName == entryName) return &line;
  return nullptr;
}

bool RasService::Remove(HRASCONN handle) {
  return std::erase_if(m_lines, [handle](const RasLine& l) { return l.handle == handle; }) > 0;
}

}  // namespace sim
