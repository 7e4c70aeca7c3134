#include "platform/UrlHost.h"

#include <algorithm>

namespace plat {

namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return lower;
}

}  // namespace

std::string UrlHost(std::string_view url) {
  std::string lower = Lower(url.substr(0, 8));
  size_t start = lower.starts_with("http://") ? 7 : lower.starts_with("https://") ? 8 : 0;
  if (start == 0) return {};
  std::string_view rest = url.substr(start);
  // A backslash ends the authority as a slash does for the browser.
  std::string_view authority = rest.substr(0, rest.find_first_of("/\\?#"));
  if (size_t at = authority.rfind('@'); at != std::string_view::npos) authority.remove_prefix(at + 1);
  authority = authority.substr(0, authority.find(':'));
  return Lower(authority);
}

bool UrlOnHosts(std::string_view url, const std::vector<std::string>& hosts) {
  if (Lower(url) == "about:blank") return true;
  std::string host = UrlHost(url);
  if (host.empty()) return false;
  return std::any_of(hosts.begin(), hosts.end(),
                     [&](const std::string& allowed) { return Lower(allowed) == host; });
}

}  // namespace plat
