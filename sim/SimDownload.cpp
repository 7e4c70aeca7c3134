#include "sim/SimDownload.h"

#include <httplib.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <optional>

#include "sim/Machine.h"

namespace sim {

namespace {

// Real-time guard on a loopback request; the machine's servers answer at once.
constexpr time_t kLoopbackTimeoutSeconds = 5;

struct HttpUrl {
  std::string host;
  std::string authority;  // host[:port], as written
  std::string path;
  bool secure = false;
  // What a proxy is asked for: the whole address, or for https the
  // authority it opens a tunnel to.
  std::string ProxyRequest() const { return secure ? authority : "http://" + authority + path; }
};

// "http://host[:port]/path" or "https://..."; the port names the service's
// port and is not needed to reach the host's loopback server, which also
// stands for its TLS side. Any other scheme is no URL to fetch.
std::optional<HttpUrl> ParseUrl(std::string_view url) {
  size_t schemeEnd = url.find("://");
  if (schemeEnd == std::string_view::npos) return std::nullopt;
  std::string scheme(url.substr(0, schemeEnd));
  for (char& ch : scheme) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  if (scheme != "http" && scheme != "https") return std::nullopt;
  url.remove_prefix(schemeEnd + 3);
  size_t slash = url.find('/');
  std::string_view authority = url.substr(0, slash);
  std::string_view path = slash == std::string_view::npos ? std::string_view("/") : url.substr(slash);
  std::string_view host = authority.substr(0, authority.find(':'));
  if (host.empty()) return std::nullopt;
  return HttpUrl{std::string(host), std::string(authority), std::string(path), scheme == "https"};
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return lower;
}

// A bypass entry as WinHTTP reads one: "<local>" for a name without a dot,
// else the host's name with '*' standing for any run of characters.
bool MatchesBypass(std::string_view pattern, std::string_view host) {
  if (pattern == "<local>") return host.find('.') == std::string_view::npos;
  if (pattern.empty()) return host.empty();
  if (pattern.front() == '*') {
    for (size_t skip = 0; skip <= host.size(); ++skip)
      if (MatchesBypass(pattern.substr(1), host.substr(skip))) return true;
    return false;
  }
  return !host.empty() && pattern.front() == host.front() && MatchesBypass(pattern.substr(1), host.substr(1));
}

// Entries are separated by ';', ',' or blanks; case does not count.
bool Bypassed(std::string_view list, std::string_view host) {
  std::string lowerList = Lower(list), lowerHost = Lower(host);
  size_t begin = 0;
  while (begin < lowerList.size()) {
    size_t end = lowerList.find_first_of(";, \t", begin);
    if (end == std::string::npos) end = lowerList.size();
    if (end > begin && MatchesBypass(std::string_view(lowerList).substr(begin, end - begin), lowerHost))
      return true;
    begin = end + 1;
  }
  return false;
}

bool IsRedirect(int status) {
  return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// Where a redirect leads: an absolute URL, or a path on the same host.
std::optional<HttpUrl> RedirectTarget(const HttpUrl& from, const std::string& location) {
  if (location.starts_with("/")) return HttpUrl{from.host, from.authority, location, from.secure};
  return ParseUrl(location);
}

}  // namespace

// The user's proxy for url as HOST:PORT, or nothing for a direct connection.
std::optional<std::string> SimDownload::ProxyFor(const std::string& host) {
  plat::ProxyPlan plan;
  {
    auto lock = m_machine.Lock();
    plan = plat::PlanProxy(m_machine.UserProxy());
  }
  if (plan.proxy.empty() || Bypassed(plan.bypass, host)) return std::nullopt;
  return plan.proxy;
}

// Fetches url over the machine's network, following redirects as
// URLDownloadToFile does; nullopt when the page cannot be had in time or is
// too long, the report saying why. A silent host holds the download to its
// deadline; a trickling one delivers its body byte by byte.
std::optional<std::string> SimDownload::Fetch(std::string_view url, plat::DownloadReport& report) {
  using plat::DownloadFailure;
  VirtualTime deadline = 0;
  {
    auto lock = m_machine.Lock();
    deadline = m_machine.Sched().Now() + plat::kDownloadDeadlineMs;
  }
  auto fail = [&report](DownloadFailure failure) -> std::optional<std::string> {
    report.failure = failure;
    return std::nullopt;
  };
  auto target = ParseUrl(url);
  if (!target) return fail(DownloadFailure::kBadUrl);
  for (int hop = 0; hop <= kMaxRedirects; ++hop) {
    // Through a proxy, each hop's request goes to the proxy, which fetches it.
    std::optional<std::string> proxy = ProxyFor(target->host);
    report.proxy = proxy ? "proxy " + *proxy : "direct";
    if (proxy) {
      HostRoute via = m_machine.Web().Route(proxy->substr(0, proxy->rfind(':')));
      if (via.reach == HostReach::Silent) {
        WaitPainting(deadline);
        return fail(DownloadFailure::kDeadline);
      }
      if (via.reach != HostReach::Listening && via.reach != HostReach::Trickling)
        return fail(DownloadFailure::kNoAnswer);
      m_machine.Web().NoteRequest(proxy->substr(0, proxy->rfind(':')), target->ProxyRequest());
    }
    HostRoute route = m_machine.Web().Route(target->host);
    if (route.reach == HostReach::Silent) {
      WaitPainting(deadline);
      return fail(DownloadFailure::kDeadline);
    }
    if (route.reach != HostReach::Listening && route.reach != HostReach::Trickling)
      return fail(DownloadFailure::kNoAnswer);

    httplib::Client client("127.0.0.1", route.port);
    client.set_connection_timeout(kLoopbackTimeoutSeconds);
    client.set_read_timeout(kLoopbackTimeoutSeconds);
    auto result = client.Get(target->path.c_str());
    if (!result) return fail(DownloadFailure::kNoAnswer);
    report.status = result->status;
    if (result->status >= 200 && result->status <= 299) {
      VirtualTime now = 0;
      {
        auto lock = m_machine.Lock();
        now = m_machine.Sched().Now();
      }
      VirtualTime arrival = now + static_cast<VirtualTime>(route.trickleMs) * result->body.size();
      WaitPainting(std::min(arrival, deadline));
      if (arrival > deadline) {
        // Trickled bytes that came before the deadline.
        report.bytes = route.trickleMs ? static_cast<DWORD>((deadline - now) / route.trickleMs) : 0;
        return fail(DownloadFailure::kDeadline);
      }
      report.bytes = static_cast<DWORD>(std::min<size_t>(result->body.size(), plat::kMaxDownloadBytes + 1));
      if (result->body.size() > plat::kMaxDownloadBytes) return fail(DownloadFailure::kTooLong);
      return std::move(result->body);
    }
    if (!IsRedirect(result->status) || !result->has_header("Location")) return fail(DownloadFailure::kStatus);
    target = RedirectTarget(*target, result->get_header_value("Location"));
    if (!target) return fail(DownloadFailure::kRedirects);
  }
  return fail(DownloadFailure::kRedirects);
}

void SimDownload::WaitPainting(VirtualTime at) {
  auto lock = m_machine.Lock();
  Scheduler& sched = m_machine.Sched();
  while (sched.Now() < at) {
    VirtualTime slice = std::min<VirtualTime>(at, sched.Now() + kDownloadPaintSliceMs);
    sched.Block(
        lock, [] { return false; }, slice);
    m_machine.Screen().NotePeek();
  }
}

LONG SimDownload::DownloadToFile(std::string_view url, std::string_view localPath,
                                 plat::DownloadReport& report) {
  report = plat::DownloadReport{};
  VirtualTime start = 0;
  {
    auto lock = m_machine.Lock();
    start = m_machine.Sched().Now();
  }
  auto body = Fetch(url, report);
  auto lock = m_machine.Lock();
  report.elapsedMs = static_cast<DWORD>(m_machine.Sched().Now() - start);
  if (!body) return plat::kDownloadFailed;
  report.failure = plat::DownloadFailure::kLocalFile;

  FileSystem& disk = m_machine.Disk();
  auto host = m_machine.HostPathOf(m_process, localPath);
  std::error_code ec;
  if (!host || disk.IsDenied(*host) || disk.IsReadOnly(*host) ||
      !std::filesystem::is_directory(host->parent_path(), ec))
    return plat::kDownloadFailed;
  disk.NoteChange();
  std::ofstream out(*host, std::ios::binary | std::ios::trunc);
  out.write(body->data(), static_cast<std::streamsize>(body->size()));
  if (!out) return plat::kDownloadFailed;
  report.failure = plat::DownloadFailure::kNone;
  return plat::kDownloadOk;
}

}  // namespace sim
