// The host of a web address, for keeping a browser on its own hosts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace plat {

// The lower-case host of an http or https address, without user and port;
// empty for any other address.
std::string UrlHost(std::string_view url);

// True when the address is http or https on one of the hosts (compared
// without case), or the empty page about:blank.
bool UrlOnHosts(std::string_view url, const std::vector<std::string>& hosts);

}  // namespace plat
