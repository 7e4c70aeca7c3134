#include "sim/ChildProcesses.h"

#include "sim/AsciiCase.h"

namespace sim {

std::string ToolName(std::string_view program) {
  size_t slash = program.find_last_of("\\/");
  std::string name = AsciiLower(slash == std::string_view::npos ? program : program.substr(slash + 1));
  if (name.find('.') == std::string::npos) name += ".exe";
  return name;
}

std::pair<std::string, std::string> SplitCommandLine(std::string_view commandLine) {
  size_t at = commandLine.find_first_not_of(' ');
  if (at == std::string_view::npos) return {};
  std::string first;
  size_t end;
  if (commandLine[at] == '"') {
    end = commandLine.find('"', at + 1);
    first = std::string(commandLine.substr(at + 1, end == std::string_view::npos ? end : end - at - 1));
    end = end == std::string_view::npos ? commandLine.size() : end + 1;
  } else {
    end = commandLine.find(' ', at);
    if (end == std::string_view::npos) end = commandLine.size();
    first = std::string(commandLine.substr(at, end - at));
  }
  size_t rest = commandLine.find_first_not_of(' ', end);
  return {first, rest == std::string_view::npos ? std::string() : std::string(commandLine.substr(rest))};
}

void ChildProcesses::SetRunTime(std::string_view tool, std::optional<DWORD> ms) {
  m_runTimes[ToolName(tool)] = ms;
}

std::optional<DWORD> ChildProcesses::RunTime(std::string_view tool) const {
  auto it = m_runTimes.find(ToolName(tool));
  return it == m_runTimes.end() ? std::optional<DWORD>(0) : it->second;
}

SimChild* ChildProcesses::Start(ChildRecord record, bool started, std::string output, int exitCode) {
  if (!started) {
    record.pid = 0;
    m_records.push_back(std::move(record));
    return nullptr;
  }
  record.pid = m_nextPid += 4;
  SimChild child;
  child.pid = record.pid;
  child.output = std::move(output);
  child.exitCode = exitCode;
  if (std::optional<DWORD> runTime = RunTime(record.program)) child.endsAt = record.at + *runTime;
  m_records.push_back(std::move(record));
  return &(m_children[child.pid] = std::move(child));
}

SimChild* ChildProcesses::Find(int pid) {
  auto it = m_children.find(pid);
  return it == m_children.end() ? nullptr : &it->second;
}

}  // namespace sim
