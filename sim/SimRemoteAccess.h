// The remote-access port of a simulated process.
#pragma once

#include "platform/RemoteAccess.h"

namespace sim {

class Machine;
struct Process;

class SimRemoteAccess final : public plat::IRemoteAccess {
 public:
  SimRemoteAccess(Machine& machine, Process& process) : m_machine(machine), m_process(process) {}

  DWORD Dial(std::string_view phonebookPath, const plat::RasDialParams& params,
             plat::RasDialNotifier notifier, HRASCONN* handle) override;
  DWORD GetErrorString(DWORD code, std::string& text) override;
  DWORD GetIpAddress(HRASCONN conn, std::string& address) override;
  DWORD GetConnectStatus(HRASCONN conn, DWORD& state) override;
  DWORD EnumConnections(std::vector<plat::RasConnection>& connections) override;
  DWORD HangUp(HRASCONN conn) override;

 private:
  Machine& m_machine;
  Process& m_process;
};

}  // namespace sim
