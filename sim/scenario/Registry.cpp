#include "sim/scenario/Registry.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace sim::scenario {

namespace {

std::vector<std::string> Words(const std::string& name) {
  std::istringstream in(name);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

}  // namespace

void Registry::Add(Command command) {
  if (command.name.empty() || Find(command.name) != nullptr) {
    std::fprintf(stderr, "scenario command \"%s\" registered twice\n", command.name.c_str());
    std::abort();
  }
  m_commands.push_back(std::move(command));
}

const Command* Registry::Find(const std::string& name) const {
  for (const Command& command : m_commands)
    if (command.name == name) return &command;
  return nullptr;
}

const Command* Registry::Match(const std::vector<Token>& tokens, size_t& nameWords) const {
  const Command* best = nullptr;
  nameWords = 0;
  for (const Command& command : m_commands) {
    std::vector<std::string> words = Words(command.name);
    if (words.size() <= nameWords || words.size() > tokens.size()) continue;
    bool matches = true;
    for (size_t i = 0; i < words.size() && matches; ++i)
      matches = tokens[i].kind == Token::Kind::Word && tokens[i].text == words[i];
    if (matches) {
      best = &command;
      nameWords = words.size();
    }
  }
  return best;
}

}  // namespace sim::scenario
