#include "log/LogText.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr std::string_view kConcealMarks = "*#~?=_";
constexpr size_t kConcealedLength = 8;
constexpr std::string_view kCut = "...";

// The length of the UTF-8 character at text[at], or 0 when none starts there.
size_t Utf8Length(std::string_view text, size_t at) {
  auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(at);
  size_t length = lead < 0x80                    ? 1
                  : lead >= 0xC2 && lead <= 0xDF ? 2
                  : lead >= 0xE0 && lead <= 0xEF ? 3
                  : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                 : 0;
  if (length == 0 || at + length > text.size()) return 0;
  for (size_t i = 1; i < length; ++i)
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
  // Overlong forms, surrogates and code points past U+10FFFF.
  if (lead == 0xE0 && byte(at + 1) < 0xA0) return 0;
  if (lead == 0xED && byte(at + 1) > 0x9F) return 0;
  if (lead == 0xF0 && byte(at + 1) < 0x90) return 0;
  if (lead == 0xF4 && byte(at + 1) > 0x8F) return 0;
  return length;
}

unsigned CodePoint(std::string_view character) {
  auto byte = [&](size_t i) { return static_cast<unsigned char>(character[i]) & 0x3Fu; };
  switch (character.size()) {
    case 1:
      return static_cast<unsigned char>(character[0]);
    case 2:
      return (static_cast<unsigned char>(character[0]) & 0x1Fu) << 6 | byte(1);
    case 3:
      return (static_cast<unsigned char>(character[0]) & 0x0Fu) << 12 | byte(1) << 6 | byte(2);
    default:
      return (static_cast<unsigned char>(character[0]) & 0x07u) << 18 | byte(1) << 12 | byte(2) << 6 |
             byte(3);
  }
}

// C1 controls, line and paragraph separators, and the marks that change
// the direction of the text that follows.
bool IsHiddenControl(unsigned point) {
  return (point >= 0x80 && point <= 0x9F) || point == 0x2028 || point == 0x2029 ||
         (point >= 0x200E && point <= 0x200F) || (point >= 0x202A && point <= 0x202E) ||
         (point >= 0x2066 && point <= 0x2069) || point == 0x061C;
}

std::string Escaped(unsigned char byte) {
  switch (byte) {
    case '\r':
      return "\\r";
    case '\n':
      return "\\n";
    case '\t':
      return "\\t";
    default: {
      char text[8];
      std::snprintf(text, sizeof text, "\\x%02X", byte);
      return text;
    }
  }
}

}  // namespace

std::string LogStamp(const plat::LocalTime& time, DWORD tick) {
  int offset = time.utcOffsetMinutes;
  char sign = offset < 0 ? '-' : '+';
  if (offset < 0) offset = -offset;
  char text[96];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u.%03u %c%02d:%02d [%lu] ",
                static_cast<unsigned>(time.year), static_cast<unsigned>(time.month),
                static_cast<unsigned>(time.day), static_cast<unsigned>(time.hour),
                static_cast<unsigned>(time.minute), static_cast<unsigned>(time.second),
                static_cast<unsigned>(time.milliseconds), sign, offset / 60, offset % 60,
                static_cast<unsigned long>(tick));
  return text;
}

// Each secret becomes eight of a mark that none of them holds, so that no
// mark, nor what it joins, can make a secret anew; without such a mark a
// text that holds a secret is left out whole.
std::string ConcealSecrets(std::string text, const std::vector<std::string>& secrets) {
  auto held = [&secrets](char mark) {
    return std::any_of(secrets.begin(), secrets.end(),
                       [mark](const std::string& secret) { return secret.find(mark) != std::string::npos; });
  };
  std::string_view marks = kConcealMarks;
  auto free = std::find_if_not(marks.begin(), marks.end(), held);
  for (const std::string& secret : secrets) {
    if (secret.empty() || text.find(secret) == std::string::npos) continue;
    if (free == marks.end()) return std::string();
    std::string concealed(kConcealedLength, *free);
    for (size_t at = text.find(secret); at != std::string::npos;
         at = text.find(secret, at + concealed.size()))
      text.replace(at, secret.size(), concealed);
  }
  return text;
}

std::string LogSafeText(std::string_view text, size_t maxBytes) {
  std::string safe;
  size_t fitsCut = 0;  // the longest whole prefix that leaves room for kCut
  for (size_t at = 0; at < text.size();) {
    size_t length = Utf8Length(text, at);
    std::string piece;
    if (length == 0) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(text[at]));
      piece = escape;
      length = 1;
    } else if (unsigned point = CodePoint(text.substr(at, length)); point < 0x20 || point == 0x7F) {
      piece = Escaped(static_cast<unsigned char>(point));
    } else if (IsHiddenControl(point)) {
      char escape[12];
      std::snprintf(escape, sizeof escape, "\\u%04X", point);
      piece = escape;
    } else {
      piece = text.substr(at, length);
    }
    if (safe.size() + piece.size() + kCut.size() <= maxBytes) fitsCut = safe.size() + piece.size();
    safe += piece;
    at += length;
    if (safe.size() > maxBytes) {
      safe.resize(fitsCut);
      return safe + std::string(kCut);
    }
  }
  return safe;
}
