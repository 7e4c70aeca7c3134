#include "routing/RouteText.h"

#include <vector>

namespace {

constexpr size_t kMaxIgnoredLength = 14;

std::string_view Trimmed(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// One part of an address: decimal, octal after "0", hexadecimal after "0x".
std::optional<unsigned long long> ParsePart(std::string_view part) {
  unsigned base = 10;
  if (part.size() > 1 && part[0] == '0' && (part[1] == 'x' || part[1] == 'X')) {
    base = 16;
    part.remove_prefix(2);
  } else if (part.size() > 1 && part[0] == '0') {
    base = 8;
    part.remove_prefix(1);
  }
  if (part.empty()) return std::nullopt;
  unsigned long long value = 0;
  for (char ch : part) {
    unsigned digit = ch >= '0' && ch <= '9'   ? static_cast<unsigned>(ch - '0')
                     : ch >= 'a' && ch <= 'f' ? static_cast<unsigned>(ch - 'a' + 10)
                     : ch >= 'A' && ch <= 'F' ? static_cast<unsigned>(ch - 'A' + 10)
                                              : 99;
    if (digit >= base) return std::nullopt;
    value = value * base + digit;
    if (value > 0xFFFFFFFFULL) return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<DWORD> ParseRouteAddress(std::string_view text) {
  std::vector<unsigned long long> parts;
  for (size_t start = 0;;) {
    size_t dot = text.find('.', start);
    std::optional<unsigned long long> part =
        ParsePart(text.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start));
    if (!part || parts.size() == 4) return std::nullopt;
    parts.push_back(*part);
    if (dot == std::string_view::npos) break;
    start = dot + 1;
  }
  // The last part fills the bytes the others leave, as inet_addr reads it.
  unsigned long long host = 0;
  for (size_t i = 0; i + 1 < parts.size(); ++i) {
    if (parts[i] > 0xFF) return std::nullopt;
    host |= parts[i] << (24 - 8 * i);
  }
  unsigned long long lastLimit = 0xFFFFFFFFULL >> (8 * (parts.size() - 1));
  if (parts.back() > lastLimit) return std::nullopt;
  host |= parts.back();
  DWORD address = 0;
  for (int i = 0; i < 4; ++i) address |= static_cast<DWORD>((host >> (24 - 8 * i)) & 0xFF) << (8 * i);
  return address;
}

std::string FormatRouteAddress(DWORD address) {
  std::string text;
  for (int part = 0; part < 4; ++part) {
    if (part > 0) text += '.';
    text += std::to_string((address >> (8 * part)) & 0xFF);
  }
  return text;
}

bool CRouteLine::IsHostName() const {
  char first = strDestination.empty() ? '\0' : strDestination[0];
  return (first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z');
}

std::optional<CRouteLine> ParseRouteLine(std::string_view line) {
  if (line.size() <= kMaxIgnoredLength) return std::nullopt;
  size_t bar = line.find('|');
  if (bar == std::string_view::npos) return std::nullopt;
  return CRouteLine{std::string(Trimmed(line.substr(0, bar))), std::string(Trimmed(line.substr(bar + 1)))};
}
