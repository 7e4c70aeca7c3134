#include "sim/IniReader.h"

#include <algorithm>
#include <cctype>

#include "sim/AsciiCase.h"
#include "sim/FileSystem.h"

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

std::string Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return std::string(value);
}

bool IsDoubleByteCodePage(int codePage) {
  return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950;
}

// The next line of text from pos; a line ends at CR, LF or CR LF.
std::string_view NextLine(std::string_view text, size_t& pos) {
  size_t end = text.find_first_of("\r\n", pos);
  if (end == std::string_view::npos) end = text.size();
  std::string_view line = text.substr(pos, end - pos);
  pos = end;
  if (pos < text.size() && text[pos] == '\r') ++pos;
  if (pos < text.size() && text[pos] == '\n') ++pos;
  return line;
}

}  // namespace

ProfileFile::ProfileFile(std::string ansi) : m_text(std::move(ansi)) {
  std::string_view text = m_text;
  Section* current = nullptr;  // null outside a section, and in a repeated one
  size_t bodyStart = 0;
  auto endSection = [&](size_t end) {
    if (current) current->body = text.substr(bodyStart, end - bodyStart);
  };
  size_t pos = 0;
  while (pos < text.size()) {
    size_t lineStart = pos;
    std::string_view line = Trim(NextLine(text, pos));
    if (line.empty() || line.front() != '[') continue;
    endSection(lineStart);
    size_t close = line.rfind(']');
    std::string_view name =
        line.substr(1, close == std::string_view::npos || close == 0 ? line.size() - 1 : close - 1);
    auto [it, fresh] = m_sections.try_emplace(AsciiLower(Trim(name)));
    current = fresh ? &it->second : nullptr;
    bodyStart = pos;
  }
  endSection(text.size());
}

std::optional<std::string> ProfileFile::Find(std::string_view section, std::string_view key) const {
  auto found = m_sections.find(AsciiLower(Trim(section)));
  if (found == m_sections.end()) return std::nullopt;
  const Section& entry = found->second;
  if (!entry.keys) {
    entry.keys.emplace();
    size_t pos = 0;
    while (pos < entry.body.size()) {
      std::string_view line = Trim(NextLine(entry.body, pos));
      size_t eq = line.find('=');
      if (line.empty() || line.front() == ';' || eq == std::string_view::npos) continue;
      entry.keys->try_emplace(AsciiLower(Trim(line.substr(0, eq))), Unquote(Trim(line.substr(eq + 1))));
    }
  }
  auto value = entry.keys->find(AsciiLower(Trim(key)));
  if (value == entry.keys->end()) return std::nullopt;
  return value->second;
}

std::optional<std::string> FindProfileValue(std::string_view content, std::string_view section,
                                            std::string_view key) {
  return ProfileFile(std::string(content)).Find(section, key);
}

std::string ProfileBytesAsAnsi(std::string_view bytes, int codePage) {
  constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
  if (!bytes.starts_with(kUtf16LeMark)) return std::string(bytes);
  std::string target = std::string(CharsetOfCodePage(codePage)) + "//TRANSLIT";
  return ConvertText(bytes.substr(kUtf16LeMark.size()), "UTF-16LE", target.c_str());
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
  return negative ? 0u - result : result;
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
