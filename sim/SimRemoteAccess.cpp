#include "sim/SimRemoteAccess.h"

#include "sim/Machine.h"

namespace sim {

namespace {
constexpr DWORD kErrorCannotDial = 623;  // ERROR_CANNOT_FIND_PHONEBOOK_ENTRY
}

DWORD SimRemoteAccess::Dial(std::string_view, const plat::RasDialParams&, plat::RasDialNotifier, HRASCONN* handle) {
  if (handle) *handle = nullptr;
  return kErrorCannotDial;
}

DWORD SimRemoteAccess::GetErrorString(DWORD code, std::string& text) {
  text = "Remote access error " + std::to_string(code) + ".";
  return 0;
}

DWORD SimRemoteAccess::GetIpAddress(HRASCONN conn, std::string& address) {
  auto lock = m_machine.Lock();
  RasLine* line = m_machine.Ras().Find(conn);
  if (line == nullptr) return plat::kRasErrorInvalidHandle;
  address = line->ipAddress;
  return 0;
}

DWORD SimRemoteAccess::GetConnectStatus(HRASCONN conn, DWORD& state) {
  auto lock = m_machine.Lock();
  RasLine* line = m_machine.Ras().Find(conn);
  if (line == nullptr) return plat::kRasErrorInvalidHandle;
  state = line->state;
  return 0;
}

DWORD SimRemoteAccess::EnumConnections(std::vector<plat::RasConnection>& connections) {
  auto lock = m_machine.Lock();
  connections.clear();
  for (const RasLine& line : m_machine.Ras().Lines()) connections.push_back({line.handle, line.entryName});
  return 0;
}

DWORD SimRemoteAccess::HangUp(HRASCONN conn) {
  auto lock = m_machine.Lock();
  if (!m_machine.Ras().Remove(conn)) return plat::kRasErrorInvalidHandle;
  m_machine.Sched().Notify();
  return 0;
}

}  // namespace sim
