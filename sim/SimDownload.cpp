#include "sim/SimDownload.h"

#include <httplib.h>

#include <fstream>
#include <optional>

#include "sim/Machine.h"

namespace sim {

namespace {

// Real-time guard on a loopback request; the machine's servers answer at once.
constexpr time_t kLoopbackTimeoutSeconds = 5;

struct HttpUrl {
  std::string host;
  std::string path;
};

// "http://host[:port]/path"; the port names the service's port and is not
// needed to reach the host's loopback server.
std::optional<HttpUrl> ParseUrl(std::string_view url) {
  constexpr std::string_view kScheme = "http://";
  if (url.substr(0, kScheme.size()) != kScheme) return std::nullopt;
  url.remove_prefix(kScheme.size());
  size_t slash = url.find('/');
  std::string_view authority = url.substr(0, slash);
  std::string_view path = slash == std::string_view::npos ? std::string_view("/") : url.substr(slash);
  std::string_view host = authority.substr(0, authority.find(':'));
  if (host.empty()) return std::nullopt;
  return HttpUrl{std::string(host), std::string(path)};
}

}  // namespace

LONG SimDownload::DownloadToFile(std::string_view url, std::string_view localPath) {
  auto parsed = ParseUrl(url);
  if (!parsed) return plat::kDownloadFailed;

  HostRoute route = m_machine.Web().Route(parsed->host);
  if (route.reach == HostReach::Silent) {
    auto lock = m_machine.Lock();
    Scheduler& sched = m_machine.Sched();
    sched.Block(
        lock, [] { return false; }, sched.Now() + kSilentHostWaitMs);
    return plat::kDownloadFailed;
  }
  if (route.reach != HostReach::Listening) return plat::kDownloadFailed;

  httplib::Client client("127.0.0.1", route.port);
  client.set_connection_timeout(kLoopbackTimeoutSeconds);
  client.set_read_timeout(kLoopbackTimeoutSeconds);
  auto result = client.Get(parsed->path.c_str());
  if (!result || result->status < 200 || result->status > 299) return plat::kDownloadFailed;

  auto lock = m_machine.Lock();
  FileSystem& disk = m_machine.Disk();
  auto host = disk.HostPath(localPath, m_process.currentDirectory);
  std::error_code ec;
  if (!host || disk.IsDenied(*host) || disk.IsReadOnly(*host) ||
      !std::filesystem::is_directory(host->parent_path(), ec))
    return plat::kDownloadFailed;
  disk.NoteChange();
  std::ofstream out(*host, std::ios::binary | std::ios::trunc);
  out.write(result->body.data(), static_cast<std::streamsize>(result->body.size()));
  return out ? plat::kDownloadOk : plat::kDownloadFailed;
}

}  // namespace sim
