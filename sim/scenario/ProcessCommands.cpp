// Starting the dialer and how its processes end.
#include "sim/scenario/Helpers.h"
#include "sim/scenario/Registry.h"

namespace sim::scenario {

namespace {

constexpr const char* kMain = "main";

std::string Start(Arguments& args, Context& context) {
  const Token* next = args.Peek();
  bool named =
      next != nullptr && !(next->kind == Token::Kind::Word && (next->text == "at" || next->text == "in"));
  std::string name = named ? args.Text("NAME") : kMain;
  std::string modulePath = args.OptionalText("at").value_or(kDefaultModulePath);
  std::string currentDirectory = args.OptionalText("in").value_or("");
  args.End();
  auto known = context.processes.find(name);
  if (known != context.processes.end() && context.driver.Running(known->second))
    return "\"" + name + "\" is still running; give another instance a name of its own";
  int pid = context.driver.Start(modulePath, currentDirectory);
  context.processes[name] = pid;
  if (name == kMain) context.driver.SetPid(pid);
  return {};
}

std::string Use(Arguments& args, Context& context) {
  int pid = ProcessNamed(context, args.Text("NAME"));
  args.End();
  context.driver.SetPid(pid);
  return {};
}

std::string EndProcess(Arguments& args, Context& context) {
  int pid = args.AtEnd() ? context.driver.Pid() : ProcessNamed(context, args.Text("NAME"));
  args.End();
  if (pid == 0) return "the dialer was never started";
  return context.driver.EndProcess(pid);
}

std::string CheckExit(Context& context, int pid, int expected) {
  if (pid == 0) return "the dialer was never started";
  std::optional<int> code = context.driver.ExitCode(pid);
  if (!code)
    return "the process is still running, expected it to end with exit code " + std::to_string(expected);
  if (*code == expected) return {};
  return Differs("the exit code", std::to_string(*code), std::to_string(expected));
}

std::string CheckRunning(Context& context, int pid) {
  if (pid == 0) return "the dialer was never started";
  std::optional<int> code = context.driver.ExitCode(pid);
  return code ? "the process has ended with exit code " + std::to_string(*code) : std::string();
}

std::string CheckWindowsCreated(Context& context, int pid, int expected) {
  int created = 0;
  {
    auto lock = context.machine.Lock();
    created = context.machine.Screen().WindowsCreatedBy(pid);
  }
  if (created == expected) return {};
  return Differs("the number of windows the process created", std::to_string(created),
                 std::to_string(expected));
}

std::string ExpectProcess(Arguments& args, Context& context) {
  int pid = ProcessNamed(context, args.Text("NAME"));
  std::string state = args.Keyword({"exit", "running", "windows"});
  if (state == "running") {
    args.End();
    return CheckRunning(context, pid);
  }
  int number = args.Int(state == "exit" ? "CODE" : "COUNT");
  args.End();
  return state == "exit" ? CheckExit(context, pid, number) : CheckWindowsCreated(context, pid, number);
}

}  // namespace

void RegisterProcessCommands(Registry& registry) {
  registry.Add({"start", "[NAME] [at \"PATH\"] [in \"DIR\"]",
                "Starts the dialer and waits until it is idle. Without a name it is the main instance, which "
                "the actions aim at; with a name, another instance remembered by that name. at: the "
                "executable's full path; in: the process's current directory (else the executable's folder).",
                "start at \"C:\\\\My Apps\\\\Velk VPN\\\\Dorvanta.exe\"", Group::SetUp, Start});
  registry.Add({"end process", "[NAME]",
                "Ends the instance from outside at once, as the task manager does (exit code 1): its threads "
                "stop at their next wait, its windows go.",
                "end process", Group::SetUp, EndProcess});
  registry.Add({"use", "NAME", "Aims the actions and expectations at the instance started under that name.",
                "use second", Group::SetUp, Use});
  registry.Add({"expect exit", "CODE", "The instance the actions aim at has ended with this exit code.",
                "expect exit 1", Group::Expectation, [](Arguments& args, Context& context) {
                  int expected = args.Int("CODE");
                  args.End();
                  return CheckExit(context, context.driver.Pid(), expected);
                }});
  registry.Add({"expect running", "", "The instance the actions aim at is still running.", "expect running",
                Group::Expectation, [](Arguments& args, Context& context) {
                  args.End();
                  return CheckRunning(context, context.driver.Pid());
                }});
  registry.Add(
      {"expect process", "NAME exit CODE | NAME running | NAME windows COUNT",
       "A named instance has ended with the code, still runs, or has created COUNT top-level windows "
       "over its life.",
       "expect process second exit 0", Group::Expectation, ExpectProcess});
}

}  // namespace sim::scenario
