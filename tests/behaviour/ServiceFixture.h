// A machine with the service's directory server, for the tests of the
// server lists, the settings file and the updater.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/DialerProgram.h"
#include "platform/WinConstants.h"
#include "resources/Endpoints.h"
#include "sim/Driver.h"

class ServiceTest : public ::testing::Test {
 protected:
  static constexpr const char* kSystemDir = "C:\\Windows\\system32\\";

  void ServeServerList(const std::string& body, int status = 200) {
    machine.Web().Serve(endpoints::kDirectoryHost, endpoints::kServerListPath, status, body);
  }
  void ServeSelectList(const std::string& body, int status = 200) {
    machine.Web().Serve(endpoints::kDirectoryHost, endpoints::kServerSelectPath, status, body);
  }
  void SetDirectoryHost(sim::HostReach reach) { machine.Web().SetReach(endpoints::kDirectoryHost, reach); }
  void WriteSystemFile(const std::string& name, const std::string& bytes) {
    ASSERT_TRUE(machine.Disk().WriteBytes(kSystemDir + name, bytes));
  }
  std::optional<std::string> SystemFile(const std::string& name) {
    return machine.Disk().ReadBytes(kSystemDir + name);
  }
  std::vector<std::string> Items(int id) {
    auto control = driver.Control(id);
    return control ? control->items : std::vector<std::string>{};
  }
  int CurSel(int id) { return driver.Control(id)->curSel; }
  // Texts of the message boxes still waiting for an answer.
  std::vector<std::string> OpenBoxes() {
    std::vector<std::string> texts;
    for (const auto& box : driver.MessageBoxes())
      if (!box.answer) texts.push_back(box.text);
    return texts;
  }
  std::vector<sim::ShellCall> ShellCalls() {
    auto lock = machine.Lock();
    return machine.ShellCalls();
  }

  sim::Machine machine;
  sim::Driver driver{machine, DialerProgram()};
};
