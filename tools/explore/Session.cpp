#include "tools/explore/Session.h"

#include <sstream>

#include "sim/scenario/Runner.h"

namespace explore {

namespace {

// The command of a line once `at +MS` and `try` are taken off.
std::string_view CommandPart(std::string_view line) {
  for (bool changed = true; changed;) {
    changed = false;
    if (line.starts_with("at +")) {
      size_t space = line.find(' ', 4);
      line = space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
      changed = true;
    }
    if (line.starts_with("try ")) {
      line.remove_prefix(4);
      changed = true;
    }
  }
  return line;
}

bool IsPlaced(const std::string& line) {
  return line.starts_with("at +");
}

std::string LineState(const sim::RasLine& line) {
  if (line.releasing) return "releasing";
  return line.state == plat::kRasConnected ? "up" : "dialling";
}

// A short account of what the machine shows, after each step.
std::string StateLine(sim::Machine& machine, sim::Driver& driver) {
  std::ostringstream out;
  auto lock = machine.Lock();
  out << "  = " << machine.Sched().Now() << " ms";
  sim::Process* process = driver.Pid() ? machine.FindProcess(driver.Pid()) : nullptr;
  if (process == nullptr) return out.str() + ", not started\n";
  if (process->exitCode) out << ", ended " << *process->exitCode;
  sim::SimWnd* newest = nullptr;
  for (sim::SimWnd* window : machine.Screen().TopLevelWindows())
    if (window->pid == process->pid && (!newest || window->hwnd > newest->hwnd)) newest = window;
  if (newest) {
    out << ", " << (newest->visible ? "shown " : "hidden ") << "\"" << newest->text << "\"";
    sim::SimWnd* main = nullptr;
    for (sim::SimWnd* window : machine.Screen().TopLevelWindows())
      if (window->pid == process->pid && (!main || window->hwnd < main->hwnd)) main = window;
    if (sim::SimWnd* connect = machine.Screen().FindControl(main->hwnd, 1004)) out << " " << connect->text;
    if (sim::SimWnd* relay = machine.Screen().FindControl(main->hwnd, 1023)) out << "/" << relay->text;
  }
  for (sim::SimMessageBox* box : machine.Screen().OpenMessageBoxes())
    out << ", box \"" << box->caption << "\"";
  if (machine.Screen().OpenMenu()) out << ", menu";
  for (const sim::RasLine& line : machine.Ras().Lines())
    out << ", " << line.entryName << " " << LineState(line);
  return out.str() + "\n";
}

void Indent(std::string& transcript, const std::string& text) {
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) transcript += "  " + line + "\n";
}

}  // namespace

bool IsFault(const std::string& line) {
  static const char* const kFaults[] = {"ras down", "ras drop", "ras refuse", "ras outcome", "ras release",
                                        "web ",     "icmp ",    "deny ",      "attributes ", "registry ",
                                        "child ",   "tasklist", "service ",   "end process"};
  std::string_view command = CommandPart(line);
  for (const char* fault : kFaults)
    if (command.starts_with(fault)) return true;
  return false;
}

SessionResult RunSession(const sim::Program& program, Script& script, Random* random, const World* world,
                         size_t maxSteps) {
  sim::Machine machine;
  machine.Sched().SetIdleRunLimit(kIdleRunLimitMs);
  sim::Driver driver(machine, program);
  std::ostringstream said;
  sim::scenario::Context context(machine, driver, said);
  sim::scenario::Registry registry;
  sim::scenario::RegisterAllCommands(registry);
  sim::scenario::Runner runner(registry, context);
  Oracle oracle(machine, driver);
  SessionResult result;

  auto run = [&](const std::string& line, bool checked) {
    result.transcript += line + "\n";
    if (std::string problem = runner.RunLine(line); !problem.empty())
      Indent(result.transcript, "failed: " + problem);
    Indent(result.transcript, said.str());
    said.str({});
    if (checked && IsFault(line)) ++result.faults;
    if (checked && !IsPlaced(line)) oracle.CheckStep();
    return !oracle.Found();
  };
  for (const std::string& line : script.setUp) run(line, false);
  oracle.Begin();
  for (size_t i = 0;; ++i) {
    if (i == script.steps.size()) {
      if (random == nullptr || world == nullptr || i >= maxSteps) break;
      script.steps.push_back(NextStep(*random, *world, Observe(machine, driver)));
    }
    result.transcript += "step " + std::to_string(i + 1) + "\n";
    bool clean = true;
    for (const std::string& line : script.steps[i].lines) {
      clean = run(line, true);
      if (!clean) break;
    }
    result.transcript += StateLine(machine, driver);
    ++result.steps;
    if (!clean) break;
  }
  result.checks = oracle.Checks();
  result.violation = oracle.Found();
  if (result.violation)
    result.transcript += "violation: " + result.violation->invariant + " at " +
                         std::to_string(result.violation->at) + " ms: " + result.violation->detail + "\n";
  return result;
}

std::string ScenarioText(const Script& script, const std::vector<std::string>& comments) {
  std::string text;
  for (const std::string& comment : comments) text += "# " + comment + "\n";
  for (const std::string& line : script.setUp) text += line + "\n";
  for (const Step& step : script.steps)
    for (const std::string& line : step.lines) text += line + "\n";
  return text;
}

Script ScriptOfScenario(const std::string& text) {
  Script script;
  std::istringstream lines(text);
  bool started = false;
  Step step;
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.starts_with("#")) continue;
    started = started || line.starts_with("start");
    if (!started) {
      script.setUp.push_back(line);
      continue;
    }
    step.lines.push_back(line);
    if (!IsPlaced(line)) {
      script.steps.push_back(step);
      step = Step{};
    }
  }
  if (!step.lines.empty()) script.steps.push_back(step);
  return script;
}

}  // namespace explore
