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

// Texts shown to a reader are cut after this many characters.
inline constexpr size_t kShownCharacters = 1000;

// The token as it would be written in a script (texts quoted again).
std::string Spell(const Token& token);
// The text quoted as a script writes it: control bytes, C1 controls and
// bytes that are not UTF-8 as \xNN. Past maxCharacters characters it is cut
// and its length follows: "abc..." (100000 bytes).
std::string Quote(std::string_view text, size_t maxCharacters = kShownCharacters);
// The same for a text shown without quotes (a title, a message line):
// only control bytes, C1 controls and bytes that are not UTF-8 are escaped.
std::string Printable(std::string_view text, size_t maxCharacters = kShownCharacters);

}  // namespace sim::scenario
