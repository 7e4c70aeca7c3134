// A machine with the service's directory server, for the tests of the
// server lists.
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
  void ServeServerList(const std::string& body, int status = 200) {
    machine.Web().Serve(endpoints::kDirectoryHost, endpoints::kServerListPath, status, body);
  }
  void ServeSelectList(const std::string& body, int status = 200) {
    machine.Web().Serve(endpoints::kDirectoryHost, endpoints::kServerSelectPath, status, body);
  }
  std::vector<std::string> Items(int id) {
    auto control = driver.Control(id);
    return control ? control->items : std::vector<std::string>{};
  }
  // Texts of the message boxes still waiting for an answer.
  std::vector<std::string> OpenBoxes() {
    std::vector<std::string> texts;
    for (const auto& box : driver.MessageBoxes())
      if (!box.answer) texts.push_back(box.text);
    return texts;
  }

  sim::Machine machine;
  sim::Driver driver{machine, DialerProgram()};
};
