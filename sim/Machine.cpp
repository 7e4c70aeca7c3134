#include "sim/Machine.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <random>

#include "sim/AsciiCase.h"
#include "sim/ProcessPorts.h"

namespace sim {

namespace {

// A machine's drive lives in "dorvanta-machine-p<PID>-..." under the
// temporary folder, PID being the host process that made it.
constexpr std::string_view kRootPrefix = "dorvanta-machine-p";

std::filesystem::path FreshRoot() {
  static std::atomic<int> counter{0};
  static std::once_flag swept;
  std::filesystem::path temp = std::filesystem::temp_directory_path();
  std::call_once(swept, [&] { RemoveStaleMachineRoots(temp); });
  std::random_device random;
  auto path = temp / (std::string(kRootPrefix) + std::to_string(::getpid()) + "-" + std::to_string(random()) +
                      "-" + std::to_string(counter++));
  std::filesystem::create_directories(path);
  return path;
}

// The path with its folder prefix (whole components, any case) replaced.
bool ReplaceFolder(std::string& path, const std::string& folder, const std::string& by) {
  if (path.size() < folder.size() || AsciiLower(path.substr(0, folder.size())) != AsciiLower(folder) ||
      (path.size() > folder.size() && path[folder.size()] != '\\'))
    return false;
  path = by + path.substr(folder.size());
  return true;
}

bool HostProcessRuns(long pid) {
  return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

}  // namespace

int RemoveStaleMachineRoots(const std::filesystem::path& folder) {
  int removed = 0;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    std::string name = entry.path().filename().string();
    if (!name.starts_with(kRootPrefix) || !entry.is_directory(ec)) continue;
    char* end = nullptr;
    long pid = std::strtol(name.c_str() + kRootPrefix.size(), &end, 10);
    if (end == nullptr || *end != '-' || HostProcessRuns(pid)) continue;
    if (std::filesystem::remove_all(entry.path(), ec) != static_cast<std::uintmax_t>(-1) && !ec) ++removed;
  }
  return removed;
}

Machine::Machine(MachineOptions options)
    : m_options(std::move(options)),
      m_ownedRoot(m_options.root.empty() ? FreshRoot() : std::filesystem::path()),
      m_desktop(m_scheduler),
      m_files(m_options.root.empty() ? m_ownedRoot : m_options.root) {
  m_files.SetCodePage(m_options.codePage);
  m_files.MakeFolder(SystemDirectory());
  m_files.MakeFolder("C:\\ProgramData");
  // A connected line's own routes come and go with it.
  m_ras.SetLineObserver([this](const RasLine& line, bool connected) {
    if (!connected) {
      m_routes.RemoveTunnel(line.handle);
      return;
    }
    if (std::optional<DWORD> tunnel = ParseDottedAddress(line.ipAddress))
      m_routes.AddTunnel(line.handle, *tunnel, m_options.version);
  });
}

Machine::~Machine() {
  {
    auto lock = Lock();
    for (auto& [pid, process] : m_processes)
      if (!process->exitCode) m_scheduler.KillProcessThreads(pid);
  }
  for (std::thread& t : m_threads)
    if (t.joinable()) t.join();
  std::error_code ec;
  if (!m_ownedRoot.empty()) std::filesystem::remove_all(m_ownedRoot, ec);
}

plat::LocalTime Machine::LocalTimeNow() const {
  using namespace std::chrono;
  sys_time<milliseconds> at{milliseconds(m_localBaseMs + static_cast<std::int64_t>(m_scheduler.Now()))};
  sys_days day = floor<days>(at);
  year_month_day date{day};
  hh_mm_ss<milliseconds> time{at - day};
  return {static_cast<WORD>(static_cast<int>(date.year())),
          static_cast<WORD>(static_cast<unsigned>(date.month())),
          static_cast<WORD>(static_cast<unsigned>(date.day())),
          static_cast<WORD>(time.hours().count()),
          static_cast<WORD>(time.minutes().count()),
          static_cast<WORD>(time.seconds().count()),
          static_cast<WORD>(time.subseconds().count()),
          m_utcOffsetMinutes};
}

void Machine::SetLocalTime(std::int64_t localMs, int utcOffsetMinutes) {
  m_localBaseMs = localMs - static_cast<std::int64_t>(m_scheduler.Now());
  m_utcOffsetMinutes = utcOffsetMinutes;
}

void Machine::WaitIdle() {
  auto lock = Lock();
  m_scheduler.WaitIdle(lock);
}

void Machine::Advance(DWORD ms) {
  auto lock = Lock();
  m_scheduler.Advance(lock, ms);
}

void Machine::SetWindowsFolder(std::string folder) {
  while (!folder.empty() && folder.back() == '\\') folder.pop_back();
  m_windowsFolder = std::move(folder);
  m_files.MakeFolder(SystemDirectory());
  if (m_wow64) m_files.MakeFolder(Wow64Directory());
}

void Machine::SetWow64(bool on) {
  m_wow64 = on;
  if (on) m_files.MakeFolder(Wow64Directory());
}

std::string Machine::PathOf(const Process& process, std::string_view path) const {
  std::string full = path.size() >= 2 && path[1] == ':' ? std::string(path)
                                                        : FileSystem::Join(process.currentDirectory, path);
  if (process.wow64 && !ReplaceFolder(full, m_windowsFolder + "\\Sysnative", SystemDirectory()))
    ReplaceFolder(full, SystemDirectory(), Wow64Directory());
  return full;
}

int Machine::StartProcess(const std::string& modulePath, Program program,
                          const std::string& currentDirectory) {
  auto lock = Lock();
  auto process = std::make_unique<Process>();
  process->pid = m_nextPid += 4;
  process->modulePath = modulePath;
  process->program = std::move(program);
  process->currentDirectory = currentDirectory.empty() ? FileSystem::FolderOf(modulePath) : currentDirectory;
  process->wow64 = m_wow64;
  m_files.MakeFolder(FileSystem::FolderOf(modulePath));
  m_files.MakeFolder(process->currentDirectory);
  InstallProcessPorts(*this, *process);
  Process* raw = process.get();
  m_processes.emplace(raw->pid, std::move(process));
  StartThread(
      raw->pid, &raw->ports,
      [this, raw] {
        int code = 0;
        try {
          code = raw->program.main(raw->ports);
        } catch (const ProcessExit& exit) {
          code = static_cast<int>(exit.code);
        } catch (const ThreadKilled&) {
          code = raw->exitCode.value_or(0);
        }
        auto lock = Lock();
        EndProcess(raw->pid, code);
      },
      "gui");
  return raw->pid;
}

Process* Machine::FindProcess(int pid) {
  auto it = m_processes.find(pid);
  return it == m_processes.end() ? nullptr : it->second.get();
}

bool Machine::IsRunning(int pid) {
  Process* process = FindProcess(pid);
  return process && !process->exitCode;
}

std::vector<int> Machine::RunningProcesses() const {
  std::vector<int> pids;
  for (const auto& [pid, process] : m_processes)
    if (!process->exitCode) pids.push_back(pid);
  return pids;
}

void* Machine::StartThread(int pid, const plat::Ports* ports, std::function<void()> body, std::string name) {
  SimThread* record = m_scheduler.Register(name);
  record->pid = pid;
  auto object = std::make_shared<KernelObject>(KernelObject{KernelObject::Kind::Thread, name});
  void* handle = CreateHandle(pid, object);
  m_threads.emplace_back([this, record, ports, object, body = std::move(body)] {
    Scheduler::BindSelf(record);
    plat::SetCurrent(ports);
    try {
      body();
    } catch (const ThreadKilled&) {
    } catch (const ProcessExit&) {
    }
    auto lock = Lock();
    object->signaled = true;
    m_scheduler.Unregister(record);
  });
  return handle;
}

void* Machine::CreateHandle(int pid, std::shared_ptr<KernelObject> object) {
  std::uintptr_t value = m_nextHandle += 4;
  m_handles.emplace(value, HandleEntry{pid, std::move(object)});
  return reinterpret_cast<void*>(value);
}

std::shared_ptr<KernelObject> Machine::Object(void* handle) {
  auto it = m_handles.find(reinterpret_cast<std::uintptr_t>(handle));
  return it == m_handles.end() ? nullptr : it->second.object;
}

void Machine::CloseHandle(void* handle) {
  m_handles.erase(reinterpret_cast<std::uintptr_t>(handle));
  m_scheduler.Notify();
}

std::shared_ptr<KernelObject> Machine::FindNamedMutex(const std::string& name) {
  auto it = m_namedMutexes.find(name);
  if (it == m_namedMutexes.end()) return nullptr;
  auto object = it->second.lock();
  if (!object) m_namedMutexes.erase(it);
  return object;
}

std::shared_ptr<KernelObject> Machine::OpenOrCreateNamedMutex(const std::string& name) {
  if (auto existing = FindNamedMutex(name)) return existing;
  auto object = std::make_shared<KernelObject>(KernelObject{KernelObject::Kind::Mutex, name});
  m_namedMutexes[name] = object;
  return object;
}

void Machine::BeginExit(int pid, int code) {
  Process* process = FindProcess(pid);
  if (process && !process->exitCode) process->exitCode = code;
  m_scheduler.KillProcessThreads(pid);
}

void Machine::EndProcess(int pid, int code) {
  Process* process = FindProcess(pid);
  if (process == nullptr) return;
  if (!process->exitCode) process->exitCode = code;
  m_scheduler.KillProcessThreads(pid);
  m_desktop.DestroyProcessWindows(pid);
  std::erase_if(m_handles, [pid](const auto& entry) { return entry.second.pid == pid; });
  m_scheduler.Notify();
}

}  // namespace sim
