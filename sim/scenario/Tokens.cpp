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

std::string Quote(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    switch (c) {
      case '\n':
        quoted += "\\n";
        break;
      case '\r':
        quoted += "\\r";
        break;
      case '\t':
        quoted += "\\t";
        break;
      case '"':
        quoted += "\\\"";
        break;
      case '\\':
        quoted += "\\\\";
        break;
      default:
        quoted += c;
    }
  }
  return quoted + "\"";
}

std::string Spell(const Token& token) {
  return token.kind == Token::Kind::Text ? Quote(token.text) : token.text;
}

}  // namespace sim::scenario
