// Commands about the script's own lines: one placed at an instant in the
// middle of the next command, one tried without stopping the script.
#include "sim/scenario/Helpers.h"
#include "sim/scenario/Registry.h"

namespace sim::scenario {

namespace {

// The rest of the arguments written out again as one line.
std::string RestOfLine(Arguments& args) {
  std::string line;
  while (const Token* token = args.Peek()) {
    if (!line.empty()) line += ' ';
    line += Spell(*token);
    args.Text("LINE");
  }
  return line;
}

// "+MS": milliseconds after the next command starts.
VirtualTime Offset(Arguments& args) {
  const Token* token = args.Peek();
  if (token == nullptr || token->kind != Token::Kind::Word || token->text.size() < 2 || token->text[0] != '+')
    throw ArgumentError("+MS is a plus sign and a number of milliseconds");
  std::string digits = args.Text("+MS").substr(1);
  if (digits.size() > 10 || digits.find_first_not_of("0123456789") != std::string::npos)
    throw ArgumentError("+MS is a plus sign and a number of milliseconds");
  std::uint64_t ms = std::stoull(digits);
  if (ms > 0xFFFFFFFFull) throw ArgumentError("+MS is at most 4294967295");
  return static_cast<VirtualTime>(ms);
}

std::string At(Arguments& args, Context& context) {
  VirtualTime offset = Offset(args);
  std::string line = RestOfLine(args);
  if (line.empty()) throw ArgumentError("LINE is missing");
  std::string problem;
  const Command* command = context.lines ? context.lines->CommandOf(line, problem) : nullptr;
  if (context.lines == nullptr) return "no runner can place the line";
  if (command == nullptr) return problem;
  if (command->group == Group::Time || command->name == "at")
    return "`" + command->name + "` cannot be placed at an instant: it is a command of its own";
  context.placed.push_back({offset, line});
  return {};
}

std::string Try(Arguments& args, Context& context) {
  std::string line = RestOfLine(args);
  if (line.empty()) throw ArgumentError("LINE is missing");
  if (context.lines == nullptr) return "no runner can run the line";
  if (std::string problem = context.lines->RunLine(line); !problem.empty())
    context.out << "try: " << line << " -- " << problem << "\n";
  return {};
}

}  // namespace

void RegisterScriptCommands(Registry& registry) {
  registry.Add({"at", "+MS LINE",
                "LINE (an action, a set-up command or an expectation) runs MS of virtual time after the next "
                "command starts, while that command runs; the command ends only after it.",
                "at +500 close", Group::Time, At});
  registry.Add({"try", "LINE", "Runs LINE; if it fails, the transcript notes why and the script goes on.",
                "try click 1004", Group::Action, Try});
}

}  // namespace sim::scenario
