// Port: the shell (open a page, file or program).
#pragma once

#include <string_view>

#include "platform/WinTypes.h"

namespace plat {

class IShell {
 public:
  virtual ~IShell() = default;
  // ShellExecute; returns a value above 32 on success.
  virtual INT_PTR Execute(std::string_view verb, std::string_view file, std::string_view parameters,
                          std::string_view directory, int showCommand) = 0;
  // Opens a page or document at the signed-in user's own level, not elevated:
  // through the desktop shell's process where it offers that, else as
  // Execute("open", file, "", "", showCommand). Above 32 on success.
  virtual INT_PTR OpenAsUser(std::string_view file, int showCommand) = 0;
  // Runs a program and waits for it to end; false when it cannot start.
  virtual bool ExecuteAndWait(std::string_view file, std::string_view parameters, int showCommand) = 0;
};

}  // namespace plat
