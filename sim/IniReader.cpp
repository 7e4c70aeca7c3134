#include "sim/IniReader.h"

#include <algorithm>
#include <cctype>

namespace sim {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

std::string Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return std::string(value);
}

bool IsDoubleByteCodePage(int codePage) {
  return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950;
}

}  // namespace

std::optional<std::string> FindProfileValue(std::string_view content, std::string_view section,
                                            std::string_view key) {
  section = Trim(section);
  key = Trim(key);
  bool seenSection = false;
  bool inSection = false;
  size_t pos = 0;
  while (pos <= content.size()) {
    size_t end = content.find('\n', pos);
    if (end == std::string_view::npos) end = content.size();
    std::string_view line = Trim(content.substr(pos, end - pos));
    pos = end + 1;
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      // Only the first section of a name counts.
      if (inSection) return std::nullopt;
      size_t close = line.rfind(']');
      std::string_view name =
          line.substr(1, close == std::string_view::npos || close == 0 ? line.size() - 1 : close - 1);
      inSection = !seenSection && SameName(Trim(name), section);
      seenSection = seenSection || inSection;
      continue;
    }
    if (!inSection) continue;
    size_t eq = line.find('=');
    std::string_view name = Trim(line.substr(0, eq));
    if (!SameName(name, key)) continue;
    if (eq == std::string_view::npos) return std::string();
    return Unquote(Trim(line.substr(eq + 1)));
  }
  return std::nullopt;
}

std::uint32_t ProfileIntOf(std::string_view value) {
  size_t i = 0;
  while (i < value.size() && IsBlank(value[i])) ++i;
  bool negative = false;
  if (i < value.size() && (value[i] == '+' || value[i] == '-')) negative = value[i++] == '-';
  unsigned base = 10;
  if (i + 1 < value.size() && value[i] == '0') {
    char prefix = static_cast<char>(std::tolower(static_cast<unsigned char>(value[i + 1])));
    if (prefix == 'x') base = 16;
    if (prefix == 'o') base = 8;
    if (prefix == 'b') base = 2;
    if (base != 10) i += 2;
  }
  std::uint32_t result = 0;
  for (; i < value.size(); ++i) {
    int c = std::tolower(static_cast<unsigned char>(value[i]));
    unsigned digit = std::isdigit(c)          ? static_cast<unsigned>(c - '0')
                     : (c >= 'a' && c <= 'f') ? static_cast<unsigned>(c - 'a' + 10)
                                              : 99;
    if (digit >= base) break;
    result = result * base + digit;
  }
  return negative ? 0 : result;
}

size_t AnsiPrefixLength(std::string_view ansi, size_t limit, int codePage) {
  if (!IsDoubleByteCodePage(codePage)) return std::min(ansi.size(), limit);
  size_t i = 0;
  while (i < ansi.size()) {
    size_t step = static_cast<unsigned char>(ansi[i]) >= 0x81 && i + 1 < ansi.size() ? 2 : 1;
    if (i + step > limit) break;
    i += step;
  }
  return i;
}

}  // namespace sim
