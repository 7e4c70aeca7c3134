// The machine's virtual clock and the threads that run on it.
//
// Every dialer thread registers here. A blocked thread waits on the one
// machine lock with a wake condition and maybe a deadline. The clock moves
// only when every registered thread is blocked without its condition met,
// and then jumps to the earliest pending deadline. Waits that end at the
// same instant are released one at a time, in the order they began, so a
// run is the same every time.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <list>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace sim {

using VirtualTime = std::uint64_t;  // milliseconds since the machine started

// Thrown inside a simulated thread whose process has ended, so that the
// thread unwinds to its start; never caught by the program's code.
struct ThreadKilled {};

struct SimThread {
  std::string name;
  int pid = 0;
  bool killed = false;
  bool blocked = false;
  std::function<bool()> wakeWhen;  // evaluated under the machine lock
  std::optional<VirtualTime> deadline;
  std::uint64_t waitSerial = 0;  // order in which the waits began
  bool timedOut = false;         // the clock has released this wait
  bool finished = false;
  void* queue = nullptr;  // the desktop's message queue of a GUI thread
};

// A source of deadlines other than threads (window timers, scheduled events).
class IClockSource {
 public:
  virtual std::optional<VirtualTime> NextDue() const = 0;
  // Called with the lock held once the clock has reached now.
  virtual void FireDue(VirtualTime now) = 0;

 protected:
  ~IClockSource() = default;
};

class Scheduler {
 public:
  std::mutex& Mutex() { return m_mutex; }
  VirtualTime Now() const { return m_now; }
  // A number that grows with every call: orders records made at one instant.
  std::uint64_t NextOrder() { return ++m_order; }

  // Registration; the calling thread becomes the record's thread.
  SimThread* Register(std::string name);
  void Unregister(SimThread* thread);
  // Makes every thread of the process unwind at its next wait.
  void KillProcessThreads(int pid);
  static SimThread* Self();
  static void BindSelf(SimThread* thread);

  // Blocks the calling registered thread (lock held) until wakeWhen() or the deadline.
  // Returns false when the deadline ended the wait.
  bool Block(std::unique_lock<std::mutex>& lock, std::function<bool()> wakeWhen,
             std::optional<VirtualTime> deadline = std::nullopt);
  void Sleep(std::unique_lock<std::mutex>& lock, std::uint32_t ms);
  // Wakes waiters to re-check their conditions after a state change.
  void Notify() { m_cv.notify_all(); }

  void AddSource(IClockSource* source) { m_sources.push_back(source); }
  void RemoveSource(IClockSource* source) { m_sources.remove(source); }

  // Runs scheduled work at a virtual time (on the driving thread, lock held).
  void ScheduleAt(VirtualTime at, std::function<void()> work);

  // Driver side (unregistered thread, lock held).
  void WaitIdle(std::unique_lock<std::mutex>& lock);
  void Advance(std::unique_lock<std::mutex>& lock, std::uint32_t ms);
  // Lets time run to target, firing what falls due on the way, whether or
  // not a thread waits; returns once what is due at target has settled.
  void RunTo(std::unique_lock<std::mutex>& lock, VirtualTime target);
  // Waits until no registered thread can run; false after the real-time guard.
  bool WaitQuiescent(std::unique_lock<std::mutex>& lock);
  // Lets a blocked thread move the clock itself when nothing else can run
  // (for a machine without a driver, such as the contract tests').
  void SetAutoAdvance(bool on) { m_autoAdvance = on; }
  // A description of what each thread waits for, for deadlock reports.
  std::string DescribeThreads() const;
  // The names of the threads a process has now.
  std::vector<std::string> ThreadsOf(int pid) const;
  // How far one WaitIdle may run the clock before it gives up as a livelock
  // (0: no bound), and how often a wait has given up, either so or because
  // the threads did not settle in real time.
  void SetIdleRunLimit(VirtualTime ms) { m_idleRunLimit = ms; }
  int SettleFailures() const { return m_settleFailures; }

 private:
  bool IsQuiescent() const;
  std::optional<VirtualTime> NextThreadDeadline() const;
  std::optional<VirtualTime> NextDue() const;
  void MoveClockTo(VirtualTime t);
  void RunDue();
  // Ends the earliest-begun wait whose deadline has come; false if none.
  bool ReleaseOneDue();

  std::mutex m_mutex;
  std::condition_variable m_cv;
  VirtualTime m_now = 0;
  bool m_autoAdvance = false;
  VirtualTime m_idleRunLimit = 0;
  int m_settleFailures = 0;
  std::uint64_t m_nextWaitSerial = 1;
  std::uint64_t m_order = 0;
  std::list<SimThread> m_threads;
  std::list<IClockSource*> m_sources;
  std::multimap<VirtualTime, std::function<void()>> m_scheduled;
};

}  // namespace sim
