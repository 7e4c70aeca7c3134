#include "sim/Network.h"

#include <cctype>
#include <charconv>

#include "platform/Sockets.h"
#include "sim/AsciiCase.h"

namespace sim {

std::optional<DWORD> ParseDottedAddress(std::string_view text) {
  DWORD address = 0;
  const char* at = text.data();
  const char* end = text.data() + text.size();
  for (int part = 0; part < 4; ++part) {
    if (part > 0) {
      if (at == end || *at != '.') return std::nullopt;
      ++at;
    }
    unsigned value = 0;
    auto [next, ec] = std::from_chars(at, end, value);
    if (ec != std::errc() || next == at || value > 255) return std::nullopt;
    at = next;
    address |= static_cast<DWORD>(value) << (8 * part);
  }
  if (at != end) return std::nullopt;
  return address;
}

std::string FormatDottedAddress(DWORD address) {
  std::string text;
  for (int part = 0; part < 4; ++part) {
    if (part > 0) text += '.';
    text += std::to_string((address >> (8 * part)) & 0xFF);
  }
  return text;
}

void Network::SetHost(std::string_view name, std::vector<DWORD> addresses) {
  m_hosts[AsciiLower(name)] = std::move(addresses);
}

void Network::RemoveHost(std::string_view name) {
  m_hosts.erase(AsciiLower(name));
}

int Network::Resolve(std::string_view host, std::vector<DWORD>& addresses) const {
  addresses.clear();
  if (std::optional<DWORD> dotted = ParseDottedAddress(host)) {
    addresses.push_back(*dotted);
    return 0;
  }
  auto found = m_hosts.find(AsciiLower(host));
  if (found == m_hosts.end() || found->second.empty()) return plat::kWsaHostNotFound;
  addresses = found->second;
  return 0;
}

}  // namespace sim
