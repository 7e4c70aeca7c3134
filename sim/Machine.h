// One simulated Windows computer: clock and threads, desktop, drive C:,
// kernel objects, processes and the remote-access service.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/Ports.h"
#include "platform/ProxyChoice.h"
#include "sim/ChildProcesses.h"
#include "sim/Desktop.h"
#include "sim/FileSystem.h"
#include "sim/IcmpNetwork.h"
#include "sim/Network.h"
#include "sim/Program.h"
#include "sim/RasService.h"
#include "sim/RegistryHive.h"
#include "sim/RoutingTable.h"
#include "sim/Scheduler.h"
#include "sim/ServiceManager.h"
#include "sim/SimShell.h"
#include "sim/WebServers.h"

namespace sim {

// Thrown by ExitProcess in a simulated process; unwinds its GUI thread.
struct ProcessExit {
  UINT code;
};

struct KernelObject {
  enum class Kind { Mutex, Event, Thread } kind;
  std::string name;
  bool signaled = false;
  bool manualReset = true;
};

struct Process {
  int pid = 0;
  std::string modulePath;
  std::string currentDirectory;
  // The 32-bit build on 64-bit Windows: SysWOW64 is its system directory
  // and its paths into system32 lead there.
  bool wow64 = false;
  std::optional<int> exitCode;
  bool endedFromOutside = false;  // by the task manager, not by the program
  plat::Ports ports;
  Program program;
  std::vector<std::shared_ptr<void>> adapters;  // the port objects behind ports
};

struct MachineOptions {
  std::filesystem::path root;  // host folder for drive C: (a fresh temporary folder when empty)
  int codePage = 936;
  plat::OsVersion version{6, 1, 7601};
};

// Removes the drive folders that machines of host processes no longer
// running (a killed console) left in folder; returns how many. A machine
// with a fresh drive does this once per host process before it starts.
int RemoveStaleMachineRoots(const std::filesystem::path& folder);

class Machine {
 public:
  explicit Machine(MachineOptions options = {});
  ~Machine();
  Machine(const Machine&) = delete;
  Machine& operator=(const Machine&) = delete;

  Scheduler& Sched() { return m_scheduler; }
  Desktop& Screen() { return m_desktop; }
  FileSystem& Disk() { return m_files; }
  RasService& Ras() { return m_ras; }
  Network& Net() { return m_network; }
  RegistryHive& Registry() { return m_registry; }
  ServiceManager& Services() { return m_services; }
  ChildProcesses& Children() { return m_children; }
  RoutingTable& Routes() { return m_routes; }
  IcmpNetwork& Icmp() { return m_icmp; }
  // The service's web hosts, and every shell call (lock held for the calls).
  WebServers& Web() { return m_web; }
  std::vector<ShellCall>& ShellCalls() { return m_shellCalls; }
  // The signed-in user's proxy settings (lock held).
  plat::UserProxySettings& UserProxy() { return m_userProxy; }
  std::unique_lock<std::mutex> Lock() { return std::unique_lock(m_scheduler.Mutex()); }

  // Clock (the 32-bit tick can be set, e.g. near its wrap).
  DWORD Tick() const { return static_cast<DWORD>(m_tickBase + m_scheduler.Now()); }
  void SetTick(DWORD tick) { m_tickBase = tick - m_scheduler.Now(); }
  // The wall clock: the local time now, and setting it (milliseconds since
  // 1970-01-01 00:00 local time, and the offset from UTC).
  plat::LocalTime LocalTimeNow() const;
  void SetLocalTime(std::int64_t localMs, int utcOffsetMinutes);
  void WaitIdle();
  void Advance(DWORD ms);

  const plat::OsVersion& Version() const { return m_options.version; }
  void SetVersion(plat::OsVersion version) { m_options.version = version; }
  // The Windows folder (C:\Windows unless set), its system32 and, on a
  // 64-bit Windows running 32-bit programs (wow64), its SysWOW64.
  void SetWindowsFolder(std::string folder);
  const std::string& WindowsFolder() const { return m_windowsFolder; }
  std::string SystemDirectory() const { return m_windowsFolder + "\\system32"; }
  std::string Wow64Directory() const { return m_windowsFolder + "\\SysWOW64"; }
  void SetWow64(bool on);
  bool Wow64() const { return m_wow64; }
  // The full path a process names: taken from its current directory when
  // relative, and redirected from system32 to SysWOW64 for a 32-bit process
  // on 64-bit Windows (its Sysnative is the real system32); and where that
  // lies on the disk.
  std::string PathOf(const Process& process, std::string_view path) const;
  std::optional<std::filesystem::path> HostPathOf(const Process& process, std::string_view path) const {
    return m_files.HostPath(PathOf(process, path), "C:\\");
  }
  int WorkingSetTrims() const { return m_workingSetTrims; }

  // Processes: runs entry on a new GUI thread of a new process, whose
  // current directory is its module's folder unless one is given.
  int StartProcess(const std::string& modulePath, Program program, const std::string& currentDirectory = {});
  Process* FindProcess(int pid);
  bool IsRunning(int pid);
  std::vector<int> RunningProcesses() const;

  // Kernel objects (lock held).
  void* CreateHandle(int pid, std::shared_ptr<KernelObject> object);
  std::shared_ptr<KernelObject> Object(void* handle);
  void CloseHandle(void* handle);
  std::shared_ptr<KernelObject> FindNamedMutex(const std::string& name);
  std::shared_ptr<KernelObject> OpenOrCreateNamedMutex(const std::string& name);
  // A thread of a process (registered with the scheduler before it starts).
  void* StartThread(int pid, const plat::Ports* ports, std::function<void()> body, std::string name);
  // Ends a process from inside it (lock held); the caller then unwinds.
  void BeginExit(int pid, int code);

  void NoteWorkingSetTrim() { ++m_workingSetTrims; }

  // The C library's generator as Windows has it: seeded with 1 until srand.
  void SeedRandom(unsigned seed) { m_randomState = seed; }
  int Random() {
    m_randomState = m_randomState * 214013u + 2531011u;
    return static_cast<int>((m_randomState >> 16) & 0x7FFF);
  }

 private:
  void EndProcess(int pid, int code);

  MachineOptions m_options;
  std::filesystem::path m_ownedRoot;
  Scheduler m_scheduler;
  Desktop m_desktop;
  FileSystem m_files;
  RasService m_ras{m_scheduler};
  Network m_network;
  RegistryHive m_registry;
  ServiceManager m_services;
  ChildProcesses m_children;
  RoutingTable m_routes;
  IcmpNetwork m_icmp{m_scheduler};
  WebServers m_web;
  std::vector<ShellCall> m_shellCalls;
  plat::UserProxySettings m_userProxy;
  std::string m_windowsFolder = "C:\\Windows";
  bool m_wow64 = false;
  DWORD m_tickBase = 0x1000;
  // 2024-01-01 09:00:00 in UTC+09:00 when the machine starts.
  std::int64_t m_localBaseMs = 1704099600000;
  int m_utcOffsetMinutes = 9 * 60;
  int m_workingSetTrims = 0;
  unsigned m_randomState = 1;
  int m_nextPid = 1000;
  std::map<int, std::unique_ptr<Process>> m_processes;
  struct HandleEntry {
    int pid;
    std::shared_ptr<KernelObject> object;
  };
  std::map<std::uintptr_t, HandleEntry> m_handles;
  std::uintptr_t m_nextHandle = 0x100;
  std::map<std::string, std::weak_ptr<KernelObject>> m_namedMutexes;
  std::vector<std::thread> m_threads;
};

}  // namespace sim
