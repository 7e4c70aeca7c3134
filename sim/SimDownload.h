// The download port of a simulated process: HTTP over loopback to the
// machine's web servers.
#pragma once

#include <optional>
#include <string>

#include "platform/Download.h"

namespace sim {

class Machine;
struct Process;

// A host that takes the connection and never answers fails after this much
// virtual time.
constexpr unsigned kSilentHostWaitMs = 30000;
// Redirects (301, 302, 303, 307, 308 with a Location) followed before a
// download fails.
constexpr int kMaxRedirects = 10;

class SimDownload final : public plat::IDownload {
 public:
  SimDownload(Machine& machine, Process& process) : m_machine(machine), m_process(process) {}
  LONG DownloadToFile(std::string_view url, std::string_view localPath) override;

 private:
  std::optional<std::string> Fetch(std::string_view url);

  Machine& m_machine;
  Process& m_process;
};

}  // namespace sim
