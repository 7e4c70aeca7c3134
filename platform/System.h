// Port: kernel services (version, folders, clocks, sleep, named mutexes,
// threads and events, working set, process exit).
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "platform/WinTypes.h"

namespace plat {

class ISystem;

// Move-only owner of a kernel object handle; closes it through its port.
class KernelHandle {
 public:
  KernelHandle() = default;
  KernelHandle(ISystem* owner, void* handle) : m_owner(owner), m_handle(handle) {}
  KernelHandle(const KernelHandle&) = delete;
  KernelHandle& operator=(const KernelHandle&) = delete;
  KernelHandle(KernelHandle&& other) noexcept
      : m_owner(std::exchange(other.m_owner, nullptr)), m_handle(std::exchange(other.m_handle, nullptr)) {}
  KernelHandle& operator=(KernelHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      m_owner = std::exchange(other.m_owner, nullptr);
      m_handle = std::exchange(other.m_handle, nullptr);
    }
    return *this;
  }
  ~KernelHandle() { Reset(); }

  void* Get() const { return m_handle; }
  explicit operator bool() const { return m_handle != nullptr; }
  void Reset();

 private:
  ISystem* m_owner = nullptr;
  void* m_handle = nullptr;
};

struct OsVersion {
  DWORD major = 0;
  DWORD minor = 0;
  DWORD build = 0;
};

// The local date and time to the millisecond, and how far it is ahead of UTC.
struct LocalTime {
  WORD year = 0;
  WORD month = 0;  // 1 to 12
  WORD day = 0;    // 1 to 31
  WORD hour = 0;
  WORD minute = 0;
  WORD second = 0;
  WORD milliseconds = 0;
  int utcOffsetMinutes = 0;  // local time minus UTC
};

class ISystem {
 public:
  virtual ~ISystem() = default;

  virtual OsVersion GetVersion() = 0;
  virtual std::string GetSystemDirectory() = 0;  // no trailing backslash
  // The 32-bit system folder of a 64-bit system; empty where there is none.
  virtual std::string GetSystemWow64Directory() = 0;
  // The machine's folder of programs' shared data (no trailing backslash).
  virtual std::string GetProgramDataDirectory() = 0;
  virtual std::string GetModuleFileName() = 0;
  virtual std::string GetCurrentDirectory() = 0;
  virtual DWORD GetTickCount() = 0;
  virtual LocalTime GetLocalTime() = 0;
  virtual void Sleep(DWORD ms) = 0;

  // Named mutexes in the session's namespace; empty handle when absent.
  virtual KernelHandle OpenMutex(std::string_view name) = 0;
  virtual KernelHandle CreateMutex(std::string_view name, bool initialOwner) = 0;

  // Threads and events. A thread handle is signalled when the thread ends.
  virtual KernelHandle CreateThread(std::function<void()> body) = 0;
  // Runs the body on one of the threads the system keeps for the process's
  // short tasks; false when it could not be queued.
  virtual bool QueueWork(std::function<void()> body) = 0;
  virtual KernelHandle CreateEvent(bool manualReset, bool initialState) = 0;
  virtual void SetEvent(const KernelHandle& event) = 0;
  virtual void ResetEvent(const KernelHandle& event) = 0;
  virtual DWORD WaitForSingleObject(const KernelHandle& handle, DWORD timeoutMs) = 0;
  // Waits until any one of the handles is signalled: WAIT_OBJECT_0 plus the
  // lowest index of a signalled one (an auto-reset event it names is reset),
  // WAIT_TIMEOUT, or WAIT_FAILED.
  virtual DWORD WaitForMultipleObjects(std::span<const KernelHandle* const> handles, DWORD timeoutMs) = 0;

  // Whether every character of the text has a form in the system's ANSI
  // code page (in which files and remote-access records are stored).
  virtual bool CanConvertToAnsi(std::string_view text) = 0;
  // The system's ANSI code page (GetACP).
  virtual UINT GetAnsiCodePage() = 0;

  // The C library's generator (srand, rand): 0 to 32767.
  virtual void SeedRandom(unsigned seed) = 0;
  virtual int Random() = 0;

  virtual void TrimWorkingSet() = 0;
  [[noreturn]] virtual void ExitProcess(UINT exitCode) = 0;

  virtual void CloseHandle(void* handle) = 0;
};

inline void KernelHandle::Reset() {
  if (m_handle && m_owner) m_owner->CloseHandle(m_handle);
  m_handle = nullptr;
  m_owner = nullptr;
}

}  // namespace plat
