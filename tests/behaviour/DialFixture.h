// A dialer on a simulated machine with a server list, ready to dial.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "console/DialerProgram.h"
#include "platform/WinConstants.h"
#include "resources/Endpoints.h"
#include "resources/resource.h"
#include "sim/Driver.h"

namespace dialtest {

using Servers = std::vector<std::pair<std::string, std::string>>;

class DialFixture : public ::testing::Test {
 protected:
  sim::Machine machine;
  sim::Driver driver{machine, DialerProgram()};

  void ServeServers(const Servers& servers) {
    std::string body;
    for (const auto& [name, address] : servers) body += name + "=" + address + "\r\n";
    auto lock = machine.Lock();
    machine.Web().Serve(endpoints::kDirectoryHost, endpoints::kServerListPath, 200, body);
  }

  void StartWith(const Servers& servers = {{"Seoul", "10.1.1.1"}, {"Tokyo", "10.2.2.2"}}) {
    ServeServers(servers);
    driver.Start();
  }

  void TypeCredentials(const std::string& user = "alice", const std::string& password = "secret") {
    driver.Type(IDC_USER, user);
    driver.Type(IDC_PASSWORD, password);
  }

  // Runs f on the remote-access service under the machine lock.
  template <typename F>
  auto Ras(F f) {
    auto lock = machine.Lock();
    return f(machine.Ras());
  }

  std::vector<sim::RasDialRecord> Dials() {
    return Ras([](sim::RasService& ras) { return ras.Dials(); });
  }

  std::string Text(int id) { return driver.Control(id)->text; }
  bool Enabled(int id) { return driver.Control(id)->enabled; }

  bool HasTimer(UINT_PTR id, UINT period = 3000) {
    for (const sim::SimTimer& timer : driver.Timers())
      if (timer.id == id) return timer.period == period;
    return false;
  }

  std::optional<sim::SimMessageBox> LastBox() {
    auto boxes = driver.MessageBoxes();
    if (boxes.empty()) return std::nullopt;
    return boxes.back();
  }

  bool FileExists(const std::string& path) {
    auto lock = machine.Lock();
    return machine.Disk().ReadBytes(path).has_value();
  }

  // Connects the main line with the default script and shows the window again.
  void ConnectMainLine() {
    TypeCredentials();
    driver.Click(IDC_CONNECT);
    ASSERT_EQ(Text(IDC_CONNECT), "Disconnect");
    driver.ClickTray(sim::TrayClick::Left);
  }
};

inline constexpr int kLockedControls[] = {IDC_LINE,     IDC_GROUP, IDC_USER, IDC_PASSWORD,
                                          IDC_REMEMBER, IDC_SPEED, IDC_RELAY};

}  // namespace dialtest
