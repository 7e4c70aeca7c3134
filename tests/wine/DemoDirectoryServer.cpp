// The demo service's directory server for the Windows program under Wine:
// serves the demo server lists on 127.0.0.1:PORT over real HTTP and writes
// the demo Server.ini and Route.txt, in the given ANSI code page, into a folder.
//
//   dorvanta_demo_directory PORT FOLDER [CODEPAGE [SECONDS]]
//
// As a proxy, asked for a whole address, it answers with its path's page; it prints each request and its
// host. It stops by itself after SECONDS (default 600), or when killed.
#include <httplib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "console/DemoDirectory.h"
#include "resources/Endpoints.h"
#include "sim/Machine.h"

namespace {

bool CopyOut(sim::Machine& machine, const std::string& name, const std::filesystem::path& folder) {
  std::optional<std::string> bytes = machine.Disk().ReadBytes(machine.SystemDirectory() + "\\" + name);
  if (!bytes) return false;
  std::ofstream(folder / name, std::ios::binary) << *bytes;
  return true;
}

// The path of "http://host:port/path", or of a path.
std::string PathOf(const std::string& target) {
  if (!target.starts_with("http://")) return target;
  size_t slash = target.find('/', 7);
  return slash == std::string::npos ? "/" : target.substr(slash);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s PORT FOLDER [CODEPAGE [SECONDS]]\n", argv[0]);
    return 2;
  }
  const int port = std::atoi(argv[1]);
  const std::filesystem::path folder = argv[2];
  sim::MachineOptions options;
  if (argc > 3) options.codePage = std::atoi(argv[3]);
  const int seconds = argc > 4 ? std::atoi(argv[4]) : 600;

  sim::Machine machine(options);
  sim::SetUpDemoDirectory(machine);
  std::filesystem::create_directories(folder);
  if (!CopyOut(machine, "Server.ini", folder) || !CopyOut(machine, "Route.txt", folder)) return 1;

  // The machine's own server for the directory host answers every request.
  const sim::HostRoute route = machine.Web().Route(endpoints::kDirectoryHost);
  if (route.reach != sim::HostReach::Listening) return 1;
  httplib::Client upstream("127.0.0.1", route.port);
  httplib::Server server;
  server.Get(".*", [&](const httplib::Request& request, httplib::Response& response) {
    std::printf("GET %s host %s\n", request.path.c_str(), request.get_header_value("Host").c_str());
    std::fflush(stdout);
    httplib::Result answer = upstream.Get(PathOf(request.path));
    if (!answer) {
      response.status = 502;
      return;
    }
    response.status = answer->status;
    response.set_content(answer->body, "text/plain");
  });
  std::thread stopper([&] {
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    server.stop();
  });
  stopper.detach();
  if (!server.listen("127.0.0.1", port)) {
    std::fprintf(stderr, "cannot listen on 127.0.0.1:%d\n", port);
    return 1;
  }
  return 0;
}
