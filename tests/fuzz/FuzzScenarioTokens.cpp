// The scenario tokenizer: console lines and script files are typed by people.
#include <string>

#include "sim/scenario/Tokens.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

bool IsTerminalSafe(std::string_view shown) {
  for (unsigned char c : shown)
    if (c < 0x20 || c == 0x7F) return false;
  return true;
}

}  // namespace

FUZZ_TARGET("ScenarioTokens") {
  using namespace sim::scenario;
  TokenizedLine line = Tokenize(input);
  FUZZ_CHECK(line.error.empty() || line.tokens.empty());
  for (const Token& token : line.tokens) {
    std::string spelled = Spell(token);
    FUZZ_CHECK(IsTerminalSafe(Quote(token.text)));
    if (token.kind != Token::Kind::Text) continue;
    // A quoted text reads back as the same text.
    std::string quoted = Quote(token.text, token.text.size() + 1);
    TokenizedLine again = Tokenize(quoted);
    FUZZ_CHECK(again.error.empty() && again.tokens.size() == 1);
    FUZZ_CHECK(again.tokens[0].kind == Token::Kind::Text && again.tokens[0].text == token.text);
  }
  FUZZ_CHECK(IsTerminalSafe(Printable(input)));
}
