#include "sim/SimSystem.h"

#include "platform/WinConstants.h"
#include "sim/Machine.h"

namespace sim {

plat::OsVersion SimSystem::GetVersion() {
  return m_machine.Version();
}
std::string SimSystem::GetSystemDirectory() {
  auto lock = m_machine.Lock();
  return m_process.wow64 ? m_machine.Wow64Directory() : m_machine.SystemDirectory();
}
// A 32-bit Windows has none; the machine is one unless set to wow64.
std::string SimSystem::GetSystemWow64Directory() {
  auto lock = m_machine.Lock();
  return m_process.wow64 ? m_machine.Wow64Directory() : std::string();
}
std::string SimSystem::GetProgramDataDirectory() {
  return "C:\\ProgramData";
}
std::string SimSystem::GetModuleFileName() {
  return m_process.modulePath;
}
std::string SimSystem::GetCurrentDirectory() {
  return m_process.currentDirectory;
}

DWORD SimSystem::GetTickCount() {
  auto lock = m_machine.Lock();
  return m_machine.Tick();
}

plat::LocalTime SimSystem::GetLocalTime() {
  auto lock = m_machine.Lock();
  return m_machine.LocalTimeNow();
}

void SimSystem::Sleep(DWORD ms) {
  auto lock = m_machine.Lock();
  m_machine.Sched().Sleep(lock, ms);
}

plat::KernelHandle SimSystem::OpenMutex(std::string_view name) {
  auto lock = m_machine.Lock();
  auto object = m_machine.FindNamedMutex(std::string(name));
  if (!object) return {};
  return plat::KernelHandle(this, m_machine.CreateHandle(m_process.pid, object));
}

plat::KernelHandle SimSystem::CreateMutex(std::string_view name, bool) {
  auto lock = m_machine.Lock();
  auto object = m_machine.OpenOrCreateNamedMutex(std::string(name));
  return plat::KernelHandle(this, m_machine.CreateHandle(m_process.pid, object));
}

plat::KernelHandle SimSystem::CreateThread(std::function<void()> body) {
  auto lock = m_machine.Lock();
  return plat::KernelHandle(
      this, m_machine.StartThread(m_process.pid, &m_process.ports, std::move(body), "worker"));
}

// One worker runs the tasks in their order, as a pool under no load would.
// Its handles go with the process.
bool SimSystem::QueueWork(std::function<void()> body) {
  auto lock = m_machine.Lock();
  m_work.push_back(std::move(body));
  if (m_poolWake == nullptr) {
    m_poolWake = m_machine.CreateHandle(m_process.pid, std::make_shared<KernelObject>(KernelObject{
                                                           KernelObject::Kind::Event, {}, false, false}));
    m_machine.StartThread(
        m_process.pid, &m_process.ports, [this] { RunPool(); }, "pool");
  }
  if (auto wake = m_machine.Object(m_poolWake)) wake->signaled = true;
  m_machine.Sched().Notify();
  return true;
}

void SimSystem::RunPool() {
  const plat::KernelHandle wake(nullptr, m_poolWake);  // not owned
  // The wait fails once the process has ended and its handles are gone.
  while (WaitForSingleObject(wake, INFINITE) == WAIT_OBJECT_0) {
    for (;;) {
      std::function<void()> body;
      {
        auto lock = m_machine.Lock();
        if (m_work.empty()) break;
        body = std::move(m_work.front());
        m_work.pop_front();
      }
      body();
    }
  }
}

plat::KernelHandle SimSystem::CreateEvent(bool manualReset, bool initialState) {
  auto lock = m_machine.Lock();
  auto object =
      std::make_shared<KernelObject>(KernelObject{KernelObject::Kind::Event, {}, initialState, manualReset});
  return plat::KernelHandle(this, m_machine.CreateHandle(m_process.pid, object));
}

void SimSystem::SetEvent(const plat::KernelHandle& event) {
  auto lock = m_machine.Lock();
  if (auto object = m_machine.Object(event.Get())) object->signaled = true;
  m_machine.Sched().Notify();
}

void SimSystem::ResetEvent(const plat::KernelHandle& event) {
  auto lock = m_machine.Lock();
  if (auto object = m_machine.Object(event.Get())) object->signaled = false;
}

DWORD SimSystem::WaitForSingleObject(const plat::KernelHandle& handle, DWORD timeoutMs) {
  auto lock = m_machine.Lock();
  auto object = m_machine.Object(handle.Get());
  if (!object) return 0xFFFFFFFF;  // WAIT_FAILED
  std::optional<VirtualTime> deadline;
  if (timeoutMs != INFINITE) deadline = m_machine.Sched().Now() + timeoutMs;
  bool signaled = m_machine.Sched().Block(
      lock, [&] { return object->signaled; }, deadline);
  if (!signaled) return WAIT_TIMEOUT;
  if (object->kind == KernelObject::Kind::Event && !object->manualReset) object->signaled = false;
  return WAIT_OBJECT_0;
}

bool SimSystem::CanConvertToAnsi(std::string_view text) {
  auto lock = m_machine.Lock();
  return m_machine.Disk().CanConvertToAnsi(text);
}

UINT SimSystem::GetAnsiCodePage() {
  auto lock = m_machine.Lock();
  return static_cast<UINT>(m_machine.Disk().CodePage());
}

void SimSystem::SeedRandom(unsigned seed) {
  auto lock = m_machine.Lock();
  m_machine.SeedRandom(seed);
}

int SimSystem::Random() {
  auto lock = m_machine.Lock();
  return m_machine.Random();
}

DWORD SimSystem::WaitForMultipleObjects(std::span<const plat::KernelHandle* const> handles, DWORD timeoutMs) {
  auto lock = m_machine.Lock();
  std::vector<std::shared_ptr<KernelObject>> objects;
  for (const plat::KernelHandle* handle : handles) {
    auto object = m_machine.Object(handle->Get());
    if (!object) return 0xFFFFFFFF;  // WAIT_FAILED
    objects.push_back(std::move(object));
  }
  auto firstSignaled = [&]() -> std::optional<size_t> {
    for (size_t i = 0; i < objects.size(); ++i)
      if (objects[i]->signaled) return i;
    return std::nullopt;
  };
  std::optional<VirtualTime> deadline;
  if (timeoutMs != INFINITE) deadline = m_machine.Sched().Now() + timeoutMs;
  m_machine.Sched().Block(
      lock, [&] { return firstSignaled().has_value(); }, deadline);
  std::optional<size_t> index = firstSignaled();
  if (!index) return WAIT_TIMEOUT;
  KernelObject& object = *objects[*index];
  if (object.kind == KernelObject::Kind::Event && !object.manualReset) object.signaled = false;
  return WAIT_OBJECT_0 + static_cast<DWORD>(*index);
}

void SimSystem::TrimWorkingSet() {
  auto lock = m_machine.Lock();
  m_machine.NoteWorkingSetTrim();
}

void SimSystem::ExitProcess(UINT exitCode) {
  {
    auto lock = m_machine.Lock();
    m_machine.BeginExit(m_process.pid, static_cast<int>(exitCode));
  }
  throw ProcessExit{exitCode};
}

void SimSystem::CloseHandle(void* handle) {
  auto lock = m_machine.Lock();
  m_machine.CloseHandle(handle);
}

}  // namespace sim
