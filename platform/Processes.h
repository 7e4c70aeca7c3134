// Port: child processes (command processor, captured output, hidden child).
#pragma once

#include <string>
#include <string_view>

#include "platform/WinTypes.h"

namespace plat {

class IProcesses {
 public:
  virtual ~IProcesses() = default;
  // Runs a command line hidden and returns what it wrote to standard output.
  virtual bool RunCaptured(std::string_view commandLine, std::string& output) = 0;
  // Runs a command line hidden and waits up to timeoutMs for it to end.
  virtual bool RunHiddenAndWait(std::string_view commandLine, DWORD timeoutMs) = 0;
};

}  // namespace plat
