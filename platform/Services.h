// Port: the service control manager (OpenSCManagerA, OpenServiceA,
// QueryServiceStatus, CloseServiceHandle).
#pragma once

#include <memory>
#include <string_view>

#include "platform/WinTypes.h"

namespace plat {

constexpr DWORD kServiceStopped = 1;
constexpr DWORD kServiceRunning = 4;

// An open service (query-status, start and stop access); closed when the owner goes.
class IServiceHandle {
 public:
  virtual ~IServiceHandle() = default;
  // The service's current state (dwCurrentState); false when it cannot be queried.
  virtual bool QueryState(DWORD& state) = 0;
};

// The service control manager opened with execute access.
class IServiceManager {
 public:
  virtual ~IServiceManager() = default;
  // Null when the service does not exist or cannot be opened.
  virtual std::unique_ptr<IServiceHandle> OpenService(std::string_view name) = 0;
};

class IServices {
 public:
  virtual ~IServices() = default;
  // Null when the manager cannot be opened.
  virtual std::unique_ptr<IServiceManager> OpenManager() = 0;
};

}  // namespace plat
