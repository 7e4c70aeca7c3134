// Services, the service host, the system's tools the dialer starts, a
// pending restart and the progress bar's positions.
#include "sim/scenario/Helpers.h"
#include "sim/scenario/Registry.h"

namespace sim::scenario {

namespace {

std::string StateName(DWORD state) {
  return state == plat::kServiceRunning   ? "running"
         : state == plat::kServiceStopped ? "stopped"
                                          : "state " + std::to_string(state);
}

std::string KindName(ChildKind kind) {
  return kind == ChildKind::kCaptured ? "captured" : kind == ChildKind::kShell ? "shell" : "command";
}

std::string Describe(const ChildRecord& record) {
  return KindName(record.kind) + " " + Quote(record.program) + " parameters " + Quote(record.parameters) +
         (record.pid ? "" : " (not started)");
}

std::string Recorded(const std::vector<ChildRecord>& records) {
  if (records.empty()) return "none";
  std::string list;
  for (size_t i = 0; i < records.size(); ++i)
    list += (i ? "; " : "") + std::to_string(i + 1) + ": " + Describe(records[i]);
  return list;
}

std::string SetService(Arguments& args, Context& context) {
  std::string name = args.Text("NAME");
  std::string state = args.Keyword({"running", "stopped"});
  bool alone = args.TakeKeyword("alone");
  args.End();
  auto lock = context.machine.Lock();
  context.machine.Services().SetService(
      name, state == "running" ? plat::kServiceRunning : plat::kServiceStopped, !alone);
  return {};
}

std::string SetHost(Arguments& args, Context& context) {
  args.Keyword({"pid"});
  int pid = args.Int("PID");
  std::optional<std::string> image = args.OptionalText("image");
  args.End();
  auto lock = context.machine.Lock();
  ServiceHost& host = context.machine.Services().Host();
  host.pid = pid;
  if (image) host.imageName = *image;
  return {};
}

std::string TaskListOutputCommand(Arguments& args, Context& context) {
  TaskListOutput output;
  if (args.TakeKeyword("table")) {
    output.kind = TaskListOutput::Kind::kTable;
  } else if (args.TakeKeyword("empty")) {
    output.kind = TaskListOutput::Kind::kEmpty;
  } else {
    output.kind = TaskListOutput::Kind::kText;
    output.text = args.Text("TEXT");
  }
  args.End();
  auto lock = context.machine.Lock();
  context.machine.Services().SetTaskListOutput(output);
  return {};
}

std::string ChildRuns(Arguments& args, Context& context) {
  std::string tool = args.Text("TOOL");
  args.Keyword({"runs"});
  std::optional<DWORD> ms;
  if (!args.TakeKeyword("forever")) ms = static_cast<DWORD>(args.Number("MS"));
  args.End();
  auto lock = context.machine.Lock();
  context.machine.Children().SetRunTime(tool, ms);
  return {};
}

std::string ExpectService(Arguments& args, Context& context) {
  std::string name = args.Text("NAME");
  std::string want = args.Keyword({"running", "stopped"});
  args.End();
  auto lock = context.machine.Lock();
  const SimService* service = context.machine.Services().Find(name);
  if (service == nullptr) return "there is no service " + Quote(name);
  std::string actual = StateName(service->state);
  return actual == want ? "" : Differs("the service " + Quote(name), actual, want);
}

std::string ExpectHost(Arguments& args, Context& context) {
  std::string want = args.Keyword({"running", "ended"});
  std::optional<std::int64_t> pid = want == "running" ? args.OptionalNumber("pid") : std::nullopt;
  args.End();
  auto lock = context.machine.Lock();
  const ServiceHost& host = context.machine.Services().Host();
  std::string actual = host.running ? "running with pid " + std::to_string(host.pid) : "ended";
  if (want == "ended") return host.running ? "the service host is " + actual : "";
  if (!host.running) return "the service host has ended";
  if (pid && host.pid != *pid)
    return Differs("the service host's pid", std::to_string(host.pid), std::to_string(*pid));
  return {};
}

std::string ExpectChild(Arguments& args, Context& context) {
  int number = args.Int("N");
  std::string program = args.Text("PROGRAM");
  std::optional<std::string> parameters;
  std::optional<std::string> kind;
  std::optional<std::int64_t> at;
  while (!args.AtEnd()) {
    std::string option = args.Keyword({"parameters", "captured", "shell", "command", "at"});
    if (option == "parameters")
      parameters = args.Text("PARAMETERS");
    else if (option == "at")
      at = args.Number("MS");
    else
      kind = option;
  }
  auto lock = context.machine.Lock();
  const std::vector<ChildRecord>& records = context.machine.Children().Records();
  if (number < 1 || static_cast<size_t>(number) > records.size())
    return "there is no child " + std::to_string(number) + "; started: " + Recorded(records);
  const ChildRecord& record = records[static_cast<size_t>(number) - 1];
  if (record.program != program)
    return Differs("child " + std::to_string(number) + "'s program", Quote(record.program), Quote(program));
  if (parameters && record.parameters != *parameters)
    return Differs("child " + std::to_string(number) + "'s parameters", Quote(record.parameters),
                   Quote(*parameters));
  if (kind && KindName(record.kind) != *kind)
    return Differs("how child " + std::to_string(number) + " was started", KindName(record.kind), *kind);
  if (at && static_cast<std::int64_t>(record.at) != *at)
    return Differs("the time child " + std::to_string(number) + " started", std::to_string(record.at),
                   std::to_string(*at));
  return {};
}

std::string ExpectChildren(Arguments& args, Context& context) {
  int count = args.Int("COUNT");
  args.End();
  auto lock = context.machine.Lock();
  const std::vector<ChildRecord>& records = context.machine.Children().Records();
  if (records.size() == static_cast<size_t>(count)) return {};
  return Differs("the number of children started", std::to_string(records.size()), std::to_string(count)) +
         "; started: " + Recorded(records);
}

std::string ExpectRestart(Arguments& args, Context& context) {
  int seconds = args.Int("SECONDS");
  args.End();
  auto lock = context.machine.Lock();
  const auto& restart = context.machine.Children().Restart();
  if (!restart) return "no restart is pending";
  return restart->seconds == seconds ? ""
                                     : Differs("the restart's delay in seconds",
                                               std::to_string(restart->seconds), std::to_string(seconds));
}

std::string ExpectNoRestart(Arguments& args, Context& context) {
  args.End();
  auto lock = context.machine.Lock();
  const auto& restart = context.machine.Children().Restart();
  return restart ? "a restart is pending in " + std::to_string(restart->seconds) + " seconds" : "";
}

}  // namespace

void RegisterServiceCommands(Registry& registry) {
  registry.Add({"service", "NAME running|stopped [alone]",
                "A service in this state; it runs inside the shared service host unless alone.",
                "service Themes running", Group::SetUp, SetService});
  registry.Add({"svchost", "pid PID [image \"NAME\"]",
                "The shared service host's process id, and how the task list spells its image name.",
                "svchost pid 1044 image \"SVCHOST.EXE\"", Group::SetUp, SetHost});
  registry.Add({"tasklist output", "table | empty | \"TEXT\"",
                "What the task list prints: its table (the default), nothing, or this text.",
                "tasklist output \"svchost.exe   12&3 Themes\\r\\n\"", Group::SetUp, TaskListOutputCommand});
  registry.Add({"child", "TOOL runs MS | TOOL runs forever",
                "The system tool (tasklist.exe, taskkill.exe, net.exe, ...) runs this long when started, or "
                "never ends.",
                "child net.exe runs forever", Group::SetUp, ChildRuns});
  registry.Add({"expect service", "NAME running|stopped", "The service is in this state.",
                "expect service Themes running", Group::Expectation, ExpectService});
  registry.Add({"expect svchost", "running [pid PID] | ended",
                "The shared service host runs (with this process id) or has been ended.",
                "expect svchost running pid 2104", Group::Expectation, ExpectHost});
  registry.Add(
      {"expect child", "N \"PROGRAM\" [parameters \"TEXT\"] [captured|shell|command] [at MS]",
       "The Nth child started (from 1) ran this program with these parameters, started with its "
       "output captured, through the shell, or by the command processor, at this virtual time.",
       "expect child 2 \"C:\\\\Windows\\\\system32\\\\taskkill.exe\" parameters \"/F /T /PID 1044\" shell",
       Group::Expectation, ExpectChild});
  registry.Add({"expect children", "COUNT", "This many children have been started.", "expect children 0",
                Group::Expectation, ExpectChildren});
  registry.Add({"expect restart", "SECONDS",
                "A restart of the computer is pending, this many seconds after the "
                "command.",
                "expect restart 20", Group::Expectation, ExpectRestart});
  registry.Add({"expect no restart", "", "No restart of the computer is pending.", "expect no restart",
                Group::Expectation, ExpectNoRestart});
}

}  // namespace sim::scenario
