#include "sim/scenario/Arguments.h"

#include <limits>

namespace sim::scenario {

const Token& Arguments::Take(const char* what) {
  if (AtEnd()) throw ArgumentError(std::string("missing ") + what);
  return m_tokens[m_next++];
}

std::int64_t Arguments::Number(const char* what) {
  const Token& token = Take(what);
  if (token.kind != Token::Kind::Number)
    throw ArgumentError(std::string(what) + " must be a number, not " + Spell(token));
  return token.number;
}

int Arguments::Int(const char* what) {
  std::int64_t value = Number(what);
  if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
    throw ArgumentError(std::string(what) + " is out of range");
  return static_cast<int>(value);
}

std::string Arguments::Text(const char* what) {
  return Take(what).text;
}

std::string Arguments::Keyword(std::initializer_list<const char*> choices) {
  std::string expected;
  for (const char* choice : choices) expected += (expected.empty() ? "" : "|") + std::string(choice);
  const Token& token = Take(expected.c_str());
  if (token.kind == Token::Kind::Word)
    for (const char* choice : choices)
      if (token.text == choice) return token.text;
  throw ArgumentError("expected " + expected + ", not " + Spell(token));
}

bool Arguments::TakeKeyword(const char* word) {
  const Token* next = Peek();
  if (next == nullptr || next->kind != Token::Kind::Word || next->text != word) return false;
  ++m_next;
  return true;
}

std::optional<std::string> Arguments::OptionalText(const char* word) {
  if (!TakeKeyword(word)) return std::nullopt;
  return Text(word);
}

std::optional<std::int64_t> Arguments::OptionalNumber(const char* word) {
  if (!TakeKeyword(word)) return std::nullopt;
  return Number(word);
}

std::vector<std::string> Arguments::RestAsTexts() {
  std::vector<std::string> texts;
  while (!AtEnd()) texts.push_back(m_tokens[m_next++].text);
  return texts;
}

void Arguments::End() const {
  if (!AtEnd()) throw ArgumentError("unexpected " + Spell(m_tokens[m_next]));
}

}  // namespace sim::scenario
