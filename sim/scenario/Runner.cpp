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

// Places the rest of its line at an instant; the runner does not place it again.
constexpr const char* kPlaceCommand = "at";

std::string Usage(const Command& command) {
  return "usage: " + command.name + (command.syntax.empty() ? "" : " " + command.syntax);
}

}  // namespace

const Command* Runner::Find(const TokenizedLine& parsed, size_t& nameWords, std::string& problem) const {
  if (!parsed.error.empty()) {
    problem = parsed.error;
    return nullptr;
  }
  if (parsed.tokens.empty()) {
    problem = "no command is given";
    return nullptr;
  }
  const Command* command = m_registry.Match(parsed.tokens, nameWords);
  if (command == nullptr) {
    std::string name = Spell(parsed.tokens[0]);
    if (parsed.tokens.size() > 1 && parsed.tokens[1].kind == Token::Kind::Word)
      name += " " + parsed.tokens[1].text;
    problem = "unknown command \"" + name + "\"";
  }
  return command;
}

const Command* Runner::CommandOf(std::string_view line, std::string& problem) const {
  size_t nameWords = 0;
  return Find(Tokenize(line), nameWords, problem);
}

std::string Runner::RunLine(std::string_view line) {
  TokenizedLine parsed = Tokenize(line);
  if (parsed.error.empty() && parsed.tokens.empty()) return {};
  std::string problem;
  size_t nameWords = 0;
  const Command* command = Find(parsed, nameWords, problem);
  if (command == nullptr) return problem;
  Arguments args(std::vector<Token>(parsed.tokens.begin() + static_cast<std::ptrdiff_t>(nameWords),
                                    parsed.tokens.end()));
  std::string placedProblem;
  if (command->name != kPlaceCommand) PlaceLines(placedProblem);
  try {
    problem = command->handler(args, m_context);
  } catch (const ArgumentError& error) {
    problem = std::string(error.what()) + "; " + Usage(*command);
  }
  // The command is over once every line placed during it has run.
  if (m_context.driver.HasPlacedActions()) m_context.driver.WaitIdle();
  return problem.empty() ? placedProblem : problem;
}

void Runner::PlaceLines(std::string& firstProblem) {
  if (m_context.placed.empty()) return;
  VirtualTime start = m_context.driver.Now();
  for (PlacedLine& placed : m_context.placed)
    m_context.driver.At(start + placed.offset, [this, placed, &firstProblem, start] {
      std::string problem = RunLine(placed.line);
      if (problem.empty() || !firstProblem.empty()) return;
      firstProblem = "at +" + std::to_string(placed.offset) + " (" + std::to_string(start + placed.offset) +
                     " ms): " + placed.line + " -- " + problem;
    });
  m_context.placed.clear();
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
  if (!m_context.placed.empty()) {
    std::string lines = m_context.placed.front().line;
    m_context.placed.clear();
    return name + ":" + std::to_string(number) + ": the line placed last (" + lines +
           ") has no command to run with";
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
