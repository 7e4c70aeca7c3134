// The service control manager: open it and a service, query its state.
#pragma once

#include "platform/Services.h"

namespace win32 {

class ServicesWin32 final : public plat::IServices {
 public:
  std::unique_ptr<plat::IServiceManager> OpenManager() override;
};

}  // namespace win32
