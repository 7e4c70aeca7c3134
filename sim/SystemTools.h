// The system's command-line tools on the simulated machine, modelled by
// their effects: tasklist, taskkill, net start, shutdown and the command
// processor's echo and exit.
#pragma once

#include <string>
#include <string_view>

namespace sim {

class Machine;

struct ToolRun {
  bool found = false;  // the program exists
  std::string output;  // what it writes to standard output
  int exitCode = 0;
};

// Runs a tool (lock held). A program given with a folder is found only in
// the system directory; a bare name is searched for there.
ToolRun RunSystemTool(Machine& machine, std::string_view program, std::string_view parameters);

}  // namespace sim
