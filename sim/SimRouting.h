// The routing-table port of a simulated process, over the machine's table.
#pragma once

#include "platform/Routing.h"

namespace sim {

class Machine;
struct Process;

class SimRouting final : public plat::IRouting {
 public:
  SimRouting(Machine& machine, Process&) : m_machine(machine) {}

  DWORD GetIpForwardTable(BYTE* table, DWORD& size, bool sorted) override;
  DWORD CreateIpForwardEntry(const plat::IpForwardRow& row) override;
  DWORD DeleteIpForwardEntry(const plat::IpForwardRow& row) override;

 private:
  Machine& m_machine;
};

}  // namespace sim
