// The registry: keys opened with all access, DWORD and multi-string values.
#pragma once

#include "platform/Registry.h"

namespace win32 {

class RegistryWin32 final : public plat::IRegistry {
 public:
  std::unique_ptr<plat::IRegistryKey> OpenKey(plat::RegistryRoot root, std::string_view path,
                                              plat::RegistryView view, LONG& result) override;
};

}  // namespace win32
