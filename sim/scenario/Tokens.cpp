#include "sim/scenario/Tokens.h"

#include <charconv>

namespace sim::scenario {

namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Decimal, or hexadecimal with 0x; a leading minus is allowed.
bool ParseNumber(std::string_view word, std::int64_t& value) {
  bool negative = !word.empty() && word.front() == '-';
  if (negative) word.remove_prefix(1);
  int base = 10;
  if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
    word.remove_prefix(2);
    base = 16;
  }
  if (word.empty()) return false;
  std::uint64_t magnitude = 0;
  auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), magnitude, base);
  if (ec != std::errc() || end != word.data() + word.size()) return false;
  if (magnitude > static_cast<std::uint64_t>(INT64_MAX)) return false;
  value = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
  return true;
}

}  // namespace

TokenizedLine Tokenize(std::string_view line) {
  TokenizedLine result;
  size_t i = 0;
  auto fail = [&](size_t at, std::string message) {
    result.tokens.clear();
    result.error = "column " + std::to_string(at + 1) + ": " + std::move(message);
    return result;
  };
  while (i < line.size()) {
    if (IsSpace(line[i])) {
      ++i;
      continue;
    }
    if (line[i] == '#') break;
    size_t start = i;
    if (line[i] == '"') {
      std::string text;
      ++i;
      bool closed = false;
      while (i < line.size()) {
        char c = line[i++];
        if (c == '"') {
          closed = true;
          break;
        }
        if (c != '\\') {
          text += c;
          continue;
        }
        if (i >= line.size()) break;
        char e = line[i++];
        switch (e) {
          case 'n':
            text += '\n';
            break;
          case 'r':
            text += '\r';
            break;
          case 't':
            text += '\t';
            break;
          case '"':
            text += '"';
            break;
          case '\\':
            text += '\\';
            break;
          case 'x': {
            int high = i < line.size() ? HexDigit(line[i]) : -1;
            int low = i + 1 < line.size() ? HexDigit(line[i + 1]) : -1;
            if (high < 0 || low < 0) return fail(i - 2, "\\x needs two hexadecimal digits");
            text += static_cast<char>(high * 16 + low);
            i += 2;
            break;
          }
          default:
            return fail(i - 2, std::string("unknown escape \\") + e);
        }
      }
      if (!closed) return fail(start, "the quoted text is not closed");
      if (i < line.size() && !IsSpace(line[i]) && line[i] != '#')
        return fail(i, "a quoted text must be followed by a space");
      result.tokens.push_back({Token::Kind::Text, std::move(text), 0, static_cast<int>(start + 1)});
      continue;
    }
    while (i < line.size() && !IsSpace(line[i]) && line[i] != '"') ++i;
    std::string word(line.substr(start, i - start));
    Token token{Token::Kind::Word, word, 0, static_cast<int>(start + 1)};
    if (ParseNumber(word, token.number)) token.kind = Token::Kind::Number;
    result.tokens.push_back(std::move(token));
  }
  return result;
}

namespace {

// The length of the valid UTF-8 sequence at the start of text, or 0.
size_t Utf8SequenceLength(std::string_view text) {
  auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                  : lead >= 0xE0 && lead <= 0xEF ? 3
                  : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                 : 0;
  if (length == 0 || text.size() < length) return 0;
  for (size_t i = 1; i < length; ++i)
    if ((byte(i) & 0xC0) != 0x80) return 0;
  // No overlong forms, surrogates or code points past U+10FFFF.
  if ((lead == 0xE0 && byte(1) < 0xA0) || (lead == 0xED && byte(1) > 0x9F) ||
      (lead == 0xF0 && byte(1) < 0x90) || (lead == 0xF4 && byte(1) > 0x8F))
    return 0;
  return length;
}

std::string HexEscape(std::string_view bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string out;
  for (char c : bytes) {
    auto b = static_cast<unsigned char>(c);
    out += "\\x";
    out += kDigits[b >> 4];
    out += kDigits[b & 0xF];
  }
  return out;
}

// One character of text for a reader; step is how many bytes it took.
std::string ShownCharacter(std::string_view text, bool quoted, size_t& step) {
  char c = text.front();
  step = 1;
  if (quoted) {
    switch (c) {
      case '\n':
        return "\\n";
      case '\r':
        return "\\r";
      case '\t':
        return "\\t";
      case '"':
        return "\\\"";
      case '\\':
        return "\\\\";
    }
  }
  auto b = static_cast<unsigned char>(c);
  if (b < 0x20 || b == 0x7F) return HexEscape(text.substr(0, 1));
  size_t length = Utf8SequenceLength(text);
  if (length == 0) return HexEscape(text.substr(0, 1));
  step = length;
  // C1 controls (U+0080 to U+009F) steer terminals as the control bytes do.
  if (b == 0xC2 && static_cast<unsigned char>(text[1]) < 0xA0) return HexEscape(text.substr(0, 2));
  return std::string(text.substr(0, length));
}

std::string Shown(std::string_view text, bool quoted, size_t maxCharacters) {
  std::string out = quoted ? "\"" : "";
  size_t characters = 0;
  size_t i = 0;
  while (i < text.size() && characters < maxCharacters) {
    size_t step = 1;
    out += ShownCharacter(text.substr(i), quoted, step);
    i += step;
    ++characters;
  }
  if (quoted)
    out += i < text.size() ? "...\"" : "\"";
  else if (i < text.size())
    out += "...";
  if (i < text.size()) out += " (" + std::to_string(text.size()) + " bytes)";
  return out;
}

}  // namespace

std::string Quote(std::string_view text, size_t maxCharacters) {
  return Shown(text, true, maxCharacters);
}

std::string Printable(std::string_view text, size_t maxCharacters) {
  return Shown(text, false, maxCharacters);
}

std::string Spell(const Token& token) {
  return token.kind == Token::Kind::Text ? Quote(token.text) : token.text;
}

}  // namespace sim::scenario
