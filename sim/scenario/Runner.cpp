#include "sim/scenario/Runner.h"

#include <fstream>
#include <sstream>

namespace sim::scenario {

namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

std::string Usage(const Command& command) {
  return "usage: " + command.name + (command.syntax.empty() ? "" : " " + command.syntax);
}

}  // namespace

std::string Runner::RunLine(std::string_view line) {
  TokenizedLine parsed = Tokenize(line);
  if (!parsed.error.empty()) return parsed.error;
  if (parsed.tokens.empty()) return {};
  size_t nameWords = 0;
  const Command* command = m_registry.Match(parsed.tokens, nameWords);
  if (command == nullptr) {
    std::string name = Spell(parsed.tokens[0]);
    if (parsed.tokens.size() > 1 && parsed.tokens[1].kind == Token::Kind::Word)
      name += " " + parsed.tokens[1].text;
    return "unknown command \"" + name + "\"";
  }
  Arguments args(std::vector<Token>(parsed.tokens.begin() + static_cast<std::ptrdiff_t>(nameWords),
                                    parsed.tokens.end()));
  try {
    return command->handler(args, m_context);
  } catch (const ArgumentError& error) {
    return std::string(error.what()) + "; " + Usage(*command);
  }
}

std::string Runner::RunScript(std::string_view script, const std::string& name) {
  int number = 0;
  while (!script.empty()) {
    size_t end = script.find('\n');
    std::string_view line = script.substr(0, end);
    script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
    ++number;
    if (std::string problem = RunLine(line); !problem.empty())
      return name + ":" + std::to_string(number) + ": " + std::string(Trim(line)) + " -- " + problem;
  }
  return {};
}

std::string Runner::RunFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return path.string() + ": cannot be read";
  std::ostringstream text;
  text << in.rdbuf();
  return RunScript(text.str(), path.string());
}

}  // namespace sim::scenario
