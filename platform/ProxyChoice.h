// Which proxy a download takes from the signed-in user's own settings (the
// Internet Options), in the order the system's browser tries them: the
// proxy detection, then the proxy script, then the fixed proxy, else direct.
#pragma once

#include <string>

namespace plat {

// The user's settings as the system hands them over (any bytes).
struct UserProxySettings {
  bool bAutoDetect = false;
  std::string autoConfigUrl;  // the address of a proxy script
  std::string proxy;          // "host:port", or by scheme: "http=host:port;https=host:port"
  std::string bypass;         // hosts reached directly: "*.example;<local>"
};

// What the download asks for. A lookup that finds nothing leaves the
// fixed proxy; an empty fixed proxy is a direct connection.
struct ProxyPlan {
  bool bDetect = false;
  std::string scriptUrl;  // http or https only
  std::string proxy;
  std::string bypass;  // only with a proxy
  bool operator==(const ProxyPlan&) const = default;
};

// A setting longer than this, or holding a control character, is no setting.
constexpr size_t kMaxProxySettingChars = 2048;

ProxyPlan PlanProxy(const UserProxySettings& settings);

}  // namespace plat
