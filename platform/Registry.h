// Port: registry values and service state.
#pragma once

#include <string>
#include <string_view>

#include "platform/WinTypes.h"

namespace plat {

constexpr DWORD kServiceStopped = 1;
constexpr DWORD kServiceRunning = 4;

class IRegistry {
 public:
  virtual ~IRegistry() = default;
  // Keys under HKEY_LOCAL_MACHINE. Results are Windows error codes (0 = success).
  virtual LONG QueryDword(std::string_view key, std::string_view value, DWORD& data) = 0;
  virtual LONG SetDword(std::string_view key, std::string_view value, DWORD data) = 0;
  virtual LONG QueryMultiString(std::string_view key, std::string_view value, std::string& data) = 0;
  // Current state of a service, or 0 when it cannot be queried.
  virtual DWORD QueryServiceState(std::string_view service) = 0;
};

}  // namespace plat
