// The download port of a simulated process: HTTP over loopback to the
// machine's web servers.
#pragma once

#include "platform/Download.h"

namespace sim {

class Machine;
struct Process;

// A host that takes the connection and never answers fails after this much
// virtual time.
constexpr unsigned kSilentHostWaitMs = 30000;

class SimDownload final : public plat::IDownload {
 public:
  SimDownload(Machine& machine, Process& process) : m_machine(machine), m_process(process) {}
  LONG DownloadToFile(std::string_view url, std::string_view localPath) override;

 private:
  Machine& m_machine;
  Process& m_process;
};

}  // namespace sim
