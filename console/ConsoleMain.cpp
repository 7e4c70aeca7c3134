// The interactive console: the dialer on a simulated machine, driven with
// the scenario commands read from standard input.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <string>

#include "console/DemoWorld.h"
#include "console/DialerProgram.h"
#include "console/TextScreen.h"
#include "sim/Driver.h"
#include "sim/scenario/Runner.h"
#include "sim/scenario/Tokens.h"

namespace {

using sim::scenario::Command;
using sim::scenario::Group;

// An error quotes what it found and what was expected; both are cut already.
constexpr size_t kShownErrorCharacters = 4 * sim::scenario::kShownCharacters;

const char* GroupTitle(Group group) {
  switch (group) {
    case Group::SetUp:
      return "Set-up";
    case Group::Action:
      return "Actions";
    case Group::Time:
      return "Time";
    case Group::Expectation:
      return "Expectations";
  }
  return "";
}

void PrintHelp(const sim::scenario::Registry& registry, const std::string& topic) {
  if (!topic.empty()) {
    const Command* command = registry.Find(topic);
    if (command == nullptr) {
      std::cout << "no command " << sim::scenario::Quote(topic) << "; type help for the list\n";
      return;
    }
    std::cout << command->name << " " << command->syntax << "\n  " << command->summary
              << "\n  example: " << command->example << "\n";
    return;
  }
  for (Group group : {Group::SetUp, Group::Action, Group::Time, Group::Expectation}) {
    std::cout << GroupTitle(group) << ":\n";
    for (const Command& command : registry.All())
      if (command.group == group)
        std::cout << "  " << command.name << (command.syntax.empty() ? "" : " " + command.syntax) << "\n";
  }
  std::cout << "Console:\n  help [COMMAND]\n  quit\n";
}

std::vector<sim::NamedProcess> Named(const sim::scenario::Context& context) {
  std::vector<sim::NamedProcess> named;
  for (const auto& [name, pid] : context.processes) named.push_back({name, pid});
  return named;
}

// The status line is hidden in the shipped layout; its changes during a
// command are printed so that a dial's progress can be followed.
void PrintStatusChanges(sim::Machine& machine, std::uint64_t& seen) {
  constexpr int kStatusLine = 1010;
  auto lock = machine.Lock();
  const auto& changes = machine.Screen().TextChanges();
  std::uint64_t total = machine.Screen().TextChangeCount();
  std::uint64_t fresh = std::min<std::uint64_t>(total - seen, changes.size());
  for (auto it = changes.end() - static_cast<std::ptrdiff_t>(fresh); it != changes.end(); ++it)
    if (it->controlId == kStatusLine)
      std::cout << "status at " << it->at << " ms: " << sim::scenario::Printable(it->text) << "\n";
  seen = total;
}

// The progress bar of the restart sequence, likewise.
void PrintProgressChanges(sim::Machine& machine, std::uint64_t& seen) {
  auto lock = machine.Lock();
  const auto& changes = machine.Screen().ProgressChanges();
  std::uint64_t total = machine.Screen().ProgressChangeCount();
  std::uint64_t fresh = std::min<std::uint64_t>(total - seen, changes.size());
  for (auto it = changes.end() - static_cast<std::ptrdiff_t>(fresh); it != changes.end(); ++it)
    std::cout << "progress bar " << it->controlId << " at " << it->at << " ms: " << it->pos << "\n";
  seen = total;
}

std::string Trimmed(const std::string& line) {
  size_t first = line.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

int main() {
  const bool interactive = isatty(STDIN_FILENO) != 0;
  sim::Machine machine;
  sim::SetUpDemoWorld(machine);
  sim::Driver driver(machine, DialerProgram());
  sim::scenario::Registry registry;
  sim::scenario::RegisterAllCommands(registry);
  sim::scenario::Context context(machine, driver, std::cout);
  sim::scenario::Runner runner(registry, context);

  std::cout << "Dorvanta on the simulated machine. Type help for the commands, quit to leave.\n";
  if (std::string problem = runner.RunLine("start"); !problem.empty())
    std::cout << "error: " << sim::scenario::Printable(problem, kShownErrorCharacters) << "\n";
  std::cout << sim::DrawScreen(machine, Named(context));

  std::uint64_t statusSeen = 0;
  std::uint64_t progressSeen = 0;
  {
    auto lock = machine.Lock();
    statusSeen = machine.Screen().TextChangeCount();  // start-up's own settings are not news
  }
  for (std::string line;;) {
    std::cout << "> " << std::flush;
    if (!std::getline(std::cin, line)) break;
    // Piped commands are echoed so that the transcript reads like a session.
    if (!interactive) std::cout << sim::scenario::Printable(line) << "\n";
    std::string command = Trimmed(line);
    if (command == "quit") break;
    if (command == "help" || command.starts_with("help ")) {
      PrintHelp(registry, Trimmed(command.substr(4)));
      continue;
    }
    std::string problem = runner.RunLine(line);
    PrintStatusChanges(machine, statusSeen);
    PrintProgressChanges(machine, progressSeen);
    if (!problem.empty())
      std::cout << "error: " << sim::scenario::Printable(problem, kShownErrorCharacters) << "\n";
    else if (command.starts_with("expect "))
      std::cout << "ok\n";
    if (!command.empty() && !command.starts_with("#")) std::cout << sim::DrawScreen(machine, Named(context));
  }
  if (!interactive) std::cout << "\n";
  return 0;
}
