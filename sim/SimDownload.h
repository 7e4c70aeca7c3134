// The download port of a simulated process: HTTP over loopback to the
// machine's web servers, bounded in virtual time and size as on Windows.
#pragma once

#include <optional>
#include <string>

#include "platform/Download.h"
#include "sim/Scheduler.h"

namespace sim {

class Machine;
struct Process;

// Redirects (301, 302, 303, 307, 308 with a Location to http or https)
// followed before a download fails.
constexpr int kMaxRedirects = plat::kMaxDownloadRedirects;
// A download's wait for a host lets virtual time run in slices this long,
// the calling window thread peeking at its messages after each.
constexpr unsigned kDownloadPaintSliceMs = 100;

class SimDownload final : public plat::IDownload {
 public:
  SimDownload(Machine& machine, Process& process) : m_machine(machine), m_process(process) {}
  using plat::IDownload::DownloadToFile;
  LONG DownloadToFile(std::string_view url, std::string_view localPath,
                      plat::DownloadReport& report) override;

 private:
  std::optional<std::string> Fetch(std::string_view url, plat::DownloadReport& report);
  std::optional<std::string> ProxyFor(const std::string& host);
  // Lets virtual time run until the tick at, the window thread kept painted.
  void WaitPainting(VirtualTime at);

  Machine& m_machine;
  Process& m_process;
};

}  // namespace sim
