// Reads a command's arguments in order. A wrong or missing argument throws
// ArgumentError, which the runner reports with the command's syntax.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "sim/scenario/Tokens.h"

namespace sim::scenario {

struct ArgumentError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class Arguments {
 public:
  explicit Arguments(std::vector<Token> tokens) : m_tokens(std::move(tokens)) {}

  bool AtEnd() const { return m_next >= m_tokens.size(); }
  size_t Remaining() const { return m_tokens.size() - m_next; }
  // The next token without taking it, or null at the end.
  const Token* Peek() const { return AtEnd() ? nullptr : &m_tokens[m_next]; }

  std::int64_t Number(const char* what);
  int Int(const char* what);
  // A quoted text; a bare word or number is taken as written.
  std::string Text(const char* what);
  // One of the given bare words.
  std::string Keyword(std::initializer_list<const char*> choices);
  // Takes the bare word if it comes next.
  bool TakeKeyword(const char* word);
  // "word VALUE" if word comes next.
  std::optional<std::string> OptionalText(const char* word);
  std::optional<std::int64_t> OptionalNumber(const char* word);
  // Every remaining argument as text.
  std::vector<std::string> RestAsTexts();
  // Fails when arguments are left over.
  void End() const;

 private:
  const Token& Take(const char* what);

  std::vector<Token> m_tokens;
  size_t m_next = 0;
};

}  // namespace sim::scenario
