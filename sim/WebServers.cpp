#include "sim/WebServers.h"

#include <httplib.h>

#include <atomic>
#include <thread>

#include "sim/AsciiCase.h"

namespace sim {

namespace {

struct Page {
  int status = 200;
  std::string body;
  std::string location;  // a redirect's target
};

}  // namespace

struct WebServers::Host {
  HostReach reach = HostReach::Listening;
  unsigned trickleMs = 0;
  httplib::Server server;
  std::thread thread;
  int port = 0;
  std::atomic<bool> stopped{false};
  mutable std::mutex mutex;  // guards pages and requests, used by the server's threads
  std::map<std::string, Page> pages;
  std::map<std::string, int> requests;

  Host(std::string name, RequestLog& log) {
    server.Get(".*", [this, name = std::move(name), &log](const httplib::Request& request,
                                                          httplib::Response& response) {
      {
        std::lock_guard logged(log.mutex);
        log.entries.push_back(name + " " + request.path);
      }
      std::lock_guard guard(mutex);
      ++requests[request.path];
      auto page = pages.find(request.path);
      if (page == pages.end()) {
        response.status = 404;
        return;
      }
      response.status = page->second.status;
      if (!page->second.location.empty()) response.set_header("Location", page->second.location);
      response.set_content(page->second.body, "application/octet-stream");
    });
  }

  void Start() {
    if (thread.joinable()) return;
    port = server.bind_to_any_port("127.0.0.1");
    thread = std::thread([this] {
      server.listen_after_bind();
      stopped = true;
    });
    // stop() only reaches a server whose loop runs; the bound socket already queues clients.
    while (!server.is_running() && !stopped) std::this_thread::yield();
  }

  ~Host() {
    server.stop();
    if (thread.joinable()) thread.join();
  }
};

WebServers::WebServers() = default;
WebServers::~WebServers() = default;

WebServers::Host& WebServers::HostFor(const std::string& host) {
  auto& slot = m_hosts[AsciiLower(host)];
  if (!slot) slot = std::make_unique<Host>(AsciiLower(host), m_log);
  return *slot;
}

void WebServers::Serve(const std::string& host, const std::string& path, int status, std::string body) {
  std::lock_guard guard(m_mutex);
  Host& entry = HostFor(host);
  std::lock_guard pages(entry.mutex);
  entry.pages[path] = Page{status, std::move(body), {}};
}

void WebServers::Redirect(const std::string& host, const std::string& path, int status,
                          std::string location) {
  std::lock_guard guard(m_mutex);
  Host& entry = HostFor(host);
  std::lock_guard pages(entry.mutex);
  entry.pages[path] = Page{status, {}, std::move(location)};
}

void WebServers::Remove(const std::string& host, const std::string& path) {
  std::lock_guard guard(m_mutex);
  Host& entry = HostFor(host);
  std::lock_guard pages(entry.mutex);
  entry.pages.erase(path);
}

void WebServers::SetReach(const std::string& host, HostReach reach) {
  std::lock_guard guard(m_mutex);
  HostFor(host).reach = reach;
}

void WebServers::AddHost(const std::string& host) {
  std::lock_guard guard(m_mutex);
  HostFor(host);
}

void WebServers::NoteRequest(const std::string& host, const std::string& path) {
  std::lock_guard guard(m_mutex);
  Host& entry = HostFor(host);
  {
    std::lock_guard logged(m_log.mutex);
    m_log.entries.push_back(AsciiLower(host) + " " + path);
  }
  std::lock_guard pages(entry.mutex);
  ++entry.requests[path];
}

void WebServers::SetTrickle(const std::string& host, unsigned intervalMs) {
  std::lock_guard guard(m_mutex);
  Host& entry = HostFor(host);
  entry.reach = HostReach::Trickling;
  entry.trickleMs = intervalMs;
}

HostRoute WebServers::Route(const std::string& host) {
  std::lock_guard guard(m_mutex);
  auto it = m_hosts.find(AsciiLower(host));
  if (it == m_hosts.end()) return {};
  Host& entry = *it->second;
  if (entry.reach != HostReach::Listening && entry.reach != HostReach::Trickling) return {entry.reach, 0};
  entry.Start();
  return {entry.reach, entry.port, entry.trickleMs};
}

int WebServers::Requests(const std::string& host, const std::string& path) const {
  std::lock_guard guard(m_mutex);
  auto it = m_hosts.find(AsciiLower(host));
  if (it == m_hosts.end()) return 0;
  std::lock_guard pages(it->second->mutex);
  auto count = it->second->requests.find(path);
  return count == it->second->requests.end() ? 0 : count->second;
}

std::vector<std::string> WebServers::RequestOrder() const {
  std::lock_guard guard(m_log.mutex);
  return m_log.entries;
}

}  // namespace sim
