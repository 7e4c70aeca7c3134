// Child processes: the command processor, a hidden child whose output comes
// through a pipe, a hidden child started through the shell.
#pragma once

#include "platform/Processes.h"

namespace win32 {

class ProcessesWin32 final : public plat::IProcesses {
 public:
  int RunCommandProcessor(std::string_view commandLine) override;
  std::unique_ptr<plat::ICapturedChild> StartCaptured(std::string_view program,
                                                      std::string_view commandLine) override;
  std::unique_ptr<plat::IChildProcess> StartHidden(std::string_view file,
                                                   std::string_view parameters) override;
};

}  // namespace win32
