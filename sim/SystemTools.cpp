#include "sim/SystemTools.h"

#include <charconv>
#include <cstdlib>
#include <vector>

#include "sim/AsciiCase.h"
#include "sim/Machine.h"

namespace sim {

namespace {

// Blank-separated words; a quoted word keeps its blanks.
std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  std::string rest(text);
  while (true) {
    auto [word, next] = SplitCommandLine(rest);
    if (word.empty() && next.empty()) break;
    words.push_back(word);
    rest = next;
  }
  return words;
}

// The 32-bit tools of a 64-bit Windows live in SysWOW64.
bool InSystemDirectory(Machine& machine, std::string_view program) {
  size_t slash = program.find_last_of('\\');
  if (slash == std::string_view::npos) return true;
  std::string folder = AsciiLower(program.substr(0, slash));
  return folder == AsciiLower(machine.SystemDirectory()) ||
         (machine.Wow64() && folder == AsciiLower(machine.Wow64Directory()));
}

// Any word but a filter is refused, as Windows' task list does.
ToolRun TaskList(Machine& machine, const std::vector<std::string>& words) {
  std::string service;
  for (size_t i = 0; i < words.size(); ++i) {
    if (AsciiLower(words[i]) != "/fi" || i + 1 == words.size())
      return {true,
              "ERROR: Invalid argument/option - '" + words[i] + "'.\r\nType \"TASKLIST /?\" for usage.\r\n",
              1};
    std::string filter = AsciiLower(words[++i]);
    if (filter.starts_with("services eq ")) service = words[i].substr(12);
  }
  return {true, machine.Services().TaskList(service), 0};
}

ToolRun TaskKill(Machine& machine, const std::vector<std::string>& words) {
  for (size_t i = 0; i + 1 < words.size(); ++i) {
    if (AsciiLower(words[i]) != "/pid") continue;
    const std::string& text = words[i + 1];
    int pid = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), pid);
    if (ec != std::errc() || end != text.data() + text.size()) break;
    if (machine.Services().Kill(pid))
      return {true, "SUCCESS: The process with PID " + text + " has been terminated.\r\n", 0};
    return {true, "ERROR: The process \"" + text + "\" not found.\r\n", 128};
  }
  return {true, "ERROR: Invalid syntax.\r\n", 1};
}

ToolRun Net(Machine& machine, const std::vector<std::string>& words) {
  if (words.size() != 2 || AsciiLower(words[0]) != "start") return {true, {}, 1};
  int code = machine.Services().Start(words[1]);
  return {true, code == 0 ? "The " + words[1] + " service was started successfully.\r\n" : std::string(),
          code};
}

ToolRun Shutdown(Machine& machine, const std::vector<std::string>& words) {
  bool restart = false;
  int seconds = 30;
  for (size_t i = 0; i < words.size(); ++i) {
    std::string word = AsciiLower(words[i]);
    if (word == "-r" || word == "/r") restart = true;
    if ((word == "-t" || word == "/t") && i + 1 < words.size()) seconds = std::atoi(words[i + 1].c_str());
  }
  if (!restart) return {true, {}, 1};
  machine.Children().SetPendingRestart({machine.Sched().Now(), seconds});
  return {true, {}, 0};
}

ToolRun CommandProcessor(Machine& machine, std::string_view parameters) {
  auto [option, command] = SplitCommandLine(parameters);
  if (AsciiLower(option) != "/c") return {true, {}, 0};
  auto [program, rest] = SplitCommandLine(command);
  if (AsciiLower(program) == "echo") return {true, rest + "\r\n", 0};
  if (AsciiLower(program) == "exit") return {true, {}, std::atoi(rest.c_str())};
  ToolRun run = RunSystemTool(machine, program, rest);
  if (!run.found) return {true, program + " is not recognized as an internal or external command.\r\n", 1};
  return run;
}

}  // namespace

ToolRun RunSystemTool(Machine& machine, std::string_view program, std::string_view parameters) {
  if (!InSystemDirectory(machine, program)) return {};
  std::string tool = ToolName(program);
  std::vector<std::string> words = Words(parameters);
  if (tool == "tasklist.exe") return TaskList(machine, words);
  if (tool == "taskkill.exe") return TaskKill(machine, words);
  if (tool == "net.exe") return Net(machine, words);
  if (tool == "shutdown.exe") return Shutdown(machine, words);
  if (tool == "cmd.exe") return CommandProcessor(machine, parameters);
  return {};
}

}  // namespace sim
