// The commands the runner and the console know, looked up by their words.
#pragma once

#include <string>
#include <vector>

#include "sim/scenario/Command.h"

namespace sim::scenario {

class Registry {
 public:
  // Registers a command; a name given twice is a programming error (aborts).
  void Add(Command command);

  // The command whose name is the longest run of leading words, or null.
  // nameWords receives how many tokens the name used.
  const Command* Match(const std::vector<Token>& tokens, size_t& nameWords) const;
  const Command* Find(const std::string& name) const;
  const std::vector<Command>& All() const { return m_commands; }

 private:
  std::vector<Command> m_commands;
};

// Every command family of the program (sim/scenario/AllCommands.cpp).
void RegisterAllCommands(Registry& registry);

}  // namespace sim::scenario
