// Figures of the dialer on the simulated machine, for scripts/bench (not a
// test): each is the median of several runs. Prints one "name<TAB>value"
// line per figure.
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "console/DialerProgram.h"
#include "resources/Endpoints.h"
#include "sim/Driver.h"

namespace {

constexpr const char* kServerList = "Seoul 1=10.0.0.1\r\nSeoul 2=10.0.0.2\r\nTokyo=10.0.1.1\r\n";
constexpr const char* kDirectoryPath = "C:\\Windows\\system32\\Server.ini";
constexpr int kUser = 1008, kPassword = 1009, kConnect = 1004;

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  size_t mid = values.size() / 2;
  return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

double Seconds(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double RealMs(const std::function<void()>& work) {
  auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// A machine serving the server list, with an optional Server.ini.
struct Box {
  explicit Box(const std::string& directory = {}) {
    machine.Web().Serve(endpoints::kDirectoryHost, endpoints::kServerListPath, 200, kServerList);
    if (!directory.empty()) machine.Disk().WriteBytes(kDirectoryPath, directory);
  }
  sim::Machine machine;
  sim::Driver driver{machine, DialerProgram()};
};

// About 5 MB of groups and servers, and no [Transfer] section: every relay
// read misses.
std::string LargeDirectory() {
  std::string text = "[System]\r\nCount=3\r\nVer=146\r\nGroup1=Korea\r\nGroup2=Japan\r\nGroup3=China\r\n";
  for (int group = 0; text.size() < 5 * 1024 * 1024; ++group) {
    text += "[Group " + std::to_string(group) + "]\r\nCount=200\r\n";
    for (int i = 1; i <= 200; ++i)
      text += "Server" + std::to_string(i) + "=Server number " + std::to_string(i) + "\r\nIP" +
              std::to_string(i) + "=10." + std::to_string(group % 250) + "." + std::to_string(i) + ".1\r\n";
  }
  return text;
}

bool Connect(sim::Driver& driver) {
  return driver.Type(kUser, "kim").empty() && driver.Type(kPassword, "pw").empty() &&
         driver.Click(kConnect).empty() && driver.Control(kConnect)->text == "Disconnect";
}

bool Disconnect(sim::Driver& driver) {
  return driver.ClickTray(sim::TrayClick::Left).empty() && driver.Click(kConnect).empty() &&
         driver.Control(kConnect)->text == "Connect";
}

void Print(const char* name, double value, const char* unit) {
  std::printf("%s\t%.2f %s\n", name, value, unit);
}

}  // namespace

int main(int argc, char** argv) {
  int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  std::vector<double> start, startLarge, connect, connectCpu, ratio;
  std::string large = LargeDirectory();
  for (int run = 0; run < runs; ++run) {
    {
      Box box;
      start.push_back(RealMs([&] { box.driver.Start(); }));
    }
    {
      Box box(large);
      startLarge.push_back(RealMs([&] { box.driver.Start(); }));
    }
    {
      Box box;
      box.driver.Start();
      bool ok = true;
      double cpuBefore = Seconds(CLOCK_PROCESS_CPUTIME_ID) - Seconds(CLOCK_THREAD_CPUTIME_ID);
      connect.push_back(RealMs([&] { ok = Connect(box.driver) && Disconnect(box.driver); }));
      double cpuAfter = Seconds(CLOCK_PROCESS_CPUTIME_ID) - Seconds(CLOCK_THREAD_CPUTIME_ID);
      connectCpu.push_back((cpuAfter - cpuBefore) * 1000);
      if (!ok) std::fprintf(stderr, "bench: the connect or disconnect did not go through\n");
    }
    {
      Box box;
      box.driver.Start();
      if (!Connect(box.driver)) std::fprintf(stderr, "bench: the connect did not go through\n");
      constexpr double kTenHoursMs = 10.0 * 3600 * 1000;
      double real = RealMs([&] { box.driver.Advance(static_cast<DWORD>(kTenHoursMs)); });
      ratio.push_back(kTenHoursMs / real);
    }
  }
  std::printf("runs\t%d\n", runs);
  Print("start-up to idle", Median(start), "ms");
  Print("start-up with a 5 MB Server.ini", Median(startLarge), "ms");
  Print("connect and disconnect, real time", Median(connect), "ms");
  Print("connect and disconnect, CPU of the machine's threads", Median(connectCpu), "ms");
  Print("10 connected hours, virtual to real time", Median(ratio), ": 1");
  return 0;
}
