#include "platform/ProxyChoice.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace plat {

namespace {

// Blanks around a setting are no part of it.
std::string Trimmed(std::string_view text) {
  auto blank = [](char ch) { return ch == ' ' || ch == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

std::string Checked(std::string_view text) {
  std::string value = Trimmed(text);
  bool control = std::any_of(value.begin(), value.end(),
                             [](char ch) { return static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F; });
  return value.size() > kMaxProxySettingChars || control ? std::string() : value;
}

bool IsWebAddress(std::string_view url) {
  auto startsWith = [url](std::string_view scheme) {
    return url.size() > scheme.size() &&
           std::equal(scheme.begin(), scheme.end(), url.begin(),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
  };
  return startsWith("http://") || startsWith("https://");
}

}  // namespace

ProxyPlan PlanProxy(const UserProxySettings& settings) {
  ProxyPlan plan;
  plan.bDetect = settings.bAutoDetect;
  std::string script = Checked(settings.autoConfigUrl);
  if (IsWebAddress(script)) plan.scriptUrl = script;
  plan.proxy = Checked(settings.proxy);
  if (!plan.proxy.empty()) plan.bypass = Checked(settings.bypass);
  return plan;
}

}  // namespace plat
