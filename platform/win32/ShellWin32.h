// The shell: open pages, files and programs.
#pragma once

#include "platform/Shell.h"

namespace win32 {

class ShellWin32 final : public plat::IShell {
 public:
  INT_PTR Execute(std::string_view verb, std::string_view file, std::string_view parameters,
                  std::string_view directory, int showCommand) override;
  INT_PTR OpenAsUser(std::string_view file, int showCommand) override;
  bool ExecuteAndWait(std::string_view file, std::string_view parameters, int showCommand) override;
};

}  // namespace win32
