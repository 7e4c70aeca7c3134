// The system port of a simulated process.
#pragma once

#include <deque>
#include <functional>

#include "platform/System.h"

namespace sim {

class Machine;
struct Process;

class SimSystem final : public plat::ISystem {
 public:
  SimSystem(Machine& machine, Process& process) : m_machine(machine), m_process(process) {}

  plat::OsVersion GetVersion() override;
  std::string GetSystemDirectory() override;
  std::string GetSystemWow64Directory() override;
  std::string GetProgramDataDirectory() override;
  std::string GetModuleFileName() override;
  std::string GetCurrentDirectory() override;
  DWORD GetTickCount() override;
  plat::LocalTime GetLocalTime() override;
  void Sleep(DWORD ms) override;
  plat::KernelHandle OpenMutex(std::string_view name) override;
  plat::KernelHandle CreateMutex(std::string_view name, bool initialOwner) override;
  plat::KernelHandle CreateThread(std::function<void()> body) override;
  bool QueueWork(std::function<void()> body) override;
  plat::KernelHandle CreateEvent(bool manualReset, bool initialState) override;
  void SetEvent(const plat::KernelHandle& event) override;
  void ResetEvent(const plat::KernelHandle& event) override;
  DWORD WaitForSingleObject(const plat::KernelHandle& handle, DWORD timeoutMs) override;
  bool CanConvertToAnsi(std::string_view text) override;
  UINT GetAnsiCodePage() override;
  void SeedRandom(unsigned seed) override;
  int Random() override;
  DWORD WaitForMultipleObjects(std::span<const plat::KernelHandle* const> handles, DWORD timeoutMs) override;
  void TrimWorkingSet() override;
  [[noreturn]] void ExitProcess(UINT exitCode) override;
  void CloseHandle(void* handle) override;

 private:
  void RunPool();

  Machine& m_machine;
  Process& m_process;
  // The process's pool: one worker, started with the first task.
  std::deque<std::function<void()>> m_work;
  void* m_poolWake = nullptr;
};

}  // namespace sim
