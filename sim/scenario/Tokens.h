// Splits one scenario line into words, numbers and quoted texts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sim::scenario {

struct Token {
  enum class Kind { Word, Number, Text } kind;
  std::string text;     // the word, the number as written, or the unescaped text
  std::int64_t number;  // Number only
  int column;           // 1-based, for messages
};

struct TokenizedLine {
  std::vector<Token> tokens;
  std::string error;  // empty when the line was understood
};

// A '#' outside quotes starts a comment. Quoted texts are UTF-8 and know the
// escapes \n \r \t \" \\ and \xNN (one raw byte).
TokenizedLine Tokenize(std::string_view line);

// The token as it would be written in a script (texts quoted again).
std::string Spell(const Token& token);
std::string Quote(std::string_view text);

}  // namespace sim::scenario
