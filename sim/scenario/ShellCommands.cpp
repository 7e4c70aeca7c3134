// The shell calls recorded on the machine: pages and programs opened.
#include "sim/scenario/Helpers.h"
#include "sim/scenario/Registry.h"

namespace sim::scenario {

namespace {

// What a call must match; options left out match anything.
struct ShellPattern {
  std::string verb;
  std::string file;
  std::optional<std::string> parameters;
  std::optional<std::string> directory;
  std::optional<int> showCommand;
  bool waited = false;
  bool unelevated = false;

  bool Matches(const ShellCall& call) const {
    return call.verb == verb && call.file == file && (!parameters || call.parameters == *parameters) &&
           (!directory || call.directory == *directory) &&
           (!showCommand || call.showCommand == *showCommand) && call.waited == waited &&
           (!unelevated || call.unelevated);
  }
};

std::string Describe(const ShellCall& call) {
  return call.verb + " " + Quote(call.file) + " parameters " + Quote(call.parameters) + " directory " +
         Quote(call.directory) + " show " + std::to_string(call.showCommand) +
         (call.waited ? " waited" : "") + (call.unelevated ? " unelevated" : "");
}

std::string Recorded(const std::vector<ShellCall>& calls) {
  if (calls.empty()) return "none";
  std::string list;
  for (const ShellCall& call : calls) list += (list.empty() ? "" : "; ") + Describe(call);
  return list;
}

std::vector<ShellCall> CallsOf(Context& context) {
  auto lock = context.machine.Lock();
  return context.machine.ShellCalls();
}

std::string ExpectShell(Arguments& args, Context& context) {
  ShellPattern pattern{args.Text("VERB"), args.Text("FILE")};
  int times = 1;
  while (!args.AtEnd()) {
    std::string option = args.Keyword({"parameters", "directory", "show", "waited", "unelevated", "times"});
    if (option == "parameters") pattern.parameters = args.Text("PARAMETERS");
    if (option == "directory") pattern.directory = args.Text("DIRECTORY");
    if (option == "show") pattern.showCommand = args.Int("SHOW");
    if (option == "waited") pattern.waited = true;
    if (option == "unelevated") pattern.unelevated = true;
    if (option == "times") times = args.Int("COUNT");
  }
  std::vector<ShellCall> calls = CallsOf(context);
  int matching = 0;
  for (const ShellCall& call : calls) matching += pattern.Matches(call) ? 1 : 0;
  if (matching == times) return {};
  return Differs("the number of matching shell calls", std::to_string(matching), std::to_string(times)) +
         "; recorded: " + Recorded(calls);
}

std::string ExpectNoShell(Arguments& args, Context& context) {
  args.End();
  std::vector<ShellCall> calls = CallsOf(context);
  return calls.empty() ? "" : "the shell was called: " + Recorded(calls);
}

}  // namespace

void RegisterShellCommands(Registry& registry) {
  registry.Add({"expect shell",
                "VERB \"FILE\" [parameters \"TEXT\"] [directory \"DIR\"] [show SHOW] [waited] [unelevated] "
                "[times COUNT]",
                "Exactly one recorded shell call (COUNT with times) has this verb and file and each option "
                "given; waited: the program was run and waited for; unelevated: opened at the signed-in "
                "user's level. Calls of every instance count.",
                "expect shell open \"C:\\\\Program Files\\\\Velk VPN\\\\updata.exe\" parameters \"\" show 5",
                Group::Expectation, ExpectShell});
  registry.Add({"expect no shell", "", "No instance has called the shell.", "expect no shell",
                Group::Expectation, ExpectNoShell});
}

}  // namespace sim::scenario
