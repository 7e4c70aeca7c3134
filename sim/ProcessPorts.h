// Builds the port objects of one simulated process.
#pragma once

namespace sim {

class Machine;
struct Process;

void InstallProcessPorts(Machine& machine, Process& process);

}  // namespace sim
