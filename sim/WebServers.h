// The machine's network of web hosts: each of the service's host names maps
// to a real HTTP server on 127.0.0.1 (an ephemeral port), started on first
// use. A host can instead refuse connections, accept and never answer, or
// trickle its answers.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace sim {

enum class HostReach {
  Unknown,    // no such host name
  Refused,    // connections are refused
  Silent,     // connections are taken and never answered
  Listening,  // a server answers on port
  Trickling,  // the server on port answers, its body one byte every trickleMs
};

struct HostRoute {
  HostReach reach = HostReach::Unknown;
  int port = 0;
  unsigned trickleMs = 0;
};

class WebServers {
 public:
  WebServers();
  ~WebServers();
  WebServers(const WebServers&) = delete;
  WebServers& operator=(const WebServers&) = delete;

  // Serves path on host with a status code and body bytes; other paths answer 404.
  void Serve(const std::string& host, const std::string& path, int status, std::string body);
  // Answers path on host with a redirect (status 301, 302, 303, 307 or 308) to location.
  void Redirect(const std::string& host, const std::string& path, int status, std::string location);
  void Remove(const std::string& host, const std::string& path);
  void SetReach(const std::string& host, HostReach reach);
  // The host exists (listening, unless set otherwise before).
  void AddHost(const std::string& host);
  // A request the host had without its server: one a proxy forwarded.
  void NoteRequest(const std::string& host, const std::string& path);
  // The host answers at once with its headers, then sends its body one byte
  // every intervalMs of virtual time.
  void SetTrickle(const std::string& host, unsigned intervalMs);

  HostRoute Route(const std::string& host);
  // How many requests for path host has had.
  int Requests(const std::string& host, const std::string& path) const;
  // Every request of every host in the order they came: "host path".
  std::vector<std::string> RequestOrder() const;

 private:
  struct Host;
  struct RequestLog {
    mutable std::mutex mutex;
    std::vector<std::string> entries;
  };
  Host& HostFor(const std::string& host);

  RequestLog m_log;  // written by the servers' threads
  mutable std::mutex m_mutex;
  std::map<std::string, std::unique_ptr<Host>> m_hosts;  // by lower-case name
};

}  // namespace sim
