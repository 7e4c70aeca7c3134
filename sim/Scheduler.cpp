#include "sim/Scheduler.h"

#include <chrono>
#include <cstdio>
#include <exception>

namespace sim {

namespace {
thread_local SimThread* t_self = nullptr;
// Real time the driver waits for running threads to block before it reports
// that the machine does not settle.
constexpr auto kSettleGuard = std::chrono::seconds(30);
}  // namespace

SimThread* Scheduler::Register(std::string name) {
  SimThread& thread = m_threads.emplace_back();
  thread.name = std::move(name);
  return &thread;
}

void Scheduler::KillProcessThreads(int pid) {
  for (SimThread& t : m_threads)
    if (t.pid == pid) t.killed = true;
  m_cv.notify_all();
}

void Scheduler::Unregister(SimThread* thread) {
  m_threads.remove_if([thread](const SimThread& t) { return &t == thread; });
  m_cv.notify_all();
}

SimThread* Scheduler::Self() {
  return t_self;
}
void Scheduler::BindSelf(SimThread* thread) {
  t_self = thread;
}

bool Scheduler::Block(std::unique_lock<std::mutex>& lock, std::function<bool()> wakeWhen,
                      std::optional<VirtualTime> deadline) {
  SimThread* self = t_self;
  auto due = [&] { return deadline && m_now >= *deadline; };
  if (self == nullptr) {
    // An unregistered thread (a test's own) waits in real time for state changes.
    while (!wakeWhen() && !due()) m_cv.wait_for(lock, std::chrono::milliseconds(5));
    return !due() || wakeWhen();
  }
  // A killed thread unwinds; while it already unwinds, waits end at once.
  if (self->killed) {
    if (std::uncaught_exceptions() > 0) return wakeWhen();
    throw ThreadKilled{};
  }
  self->blocked = true;
  self->wakeWhen = wakeWhen;
  self->deadline = deadline;
  self->waitSerial = m_nextWaitSerial++;
  self->timedOut = false;
  m_cv.notify_all();
  while (!self->killed && !wakeWhen() && !self->timedOut) {
    if (m_autoAdvance && IsQuiescent()) {
      if (ReleaseOneDue()) continue;
      if (auto next = NextDue()) {
        MoveClockTo(*next);
        RunDue();
        continue;
      }
    }
    m_cv.wait(lock);
  }
  self->blocked = false;
  self->wakeWhen = nullptr;
  self->deadline.reset();
  self->timedOut = false;
  m_cv.notify_all();
  if (self->killed && std::uncaught_exceptions() == 0) throw ThreadKilled{};
  return wakeWhen();
}

void Scheduler::Sleep(std::unique_lock<std::mutex>& lock, std::uint32_t ms) {
  Block(
      lock, [] { return false; }, m_now + ms);
}

void Scheduler::ScheduleAt(VirtualTime at, std::function<void()> work) {
  m_scheduled.emplace(at, std::move(work));
  m_cv.notify_all();
}

bool Scheduler::IsQuiescent() const {
  for (const SimThread& t : m_threads) {
    if (!t.blocked || t.killed) return false;
    if (t.wakeWhen && t.wakeWhen()) return false;
    if (t.timedOut) return false;
  }
  for (IClockSource* source : m_sources) {
    auto due = source->NextDue();
    if (due && *due <= m_now) return false;
  }
  return m_scheduled.empty() || m_scheduled.begin()->first > m_now;
}

bool Scheduler::WaitQuiescent(std::unique_lock<std::mutex>& lock) {
  auto giveUp = std::chrono::steady_clock::now() + kSettleGuard;
  while (true) {
    RunDue();
    if (IsQuiescent()) return true;
    if (std::chrono::steady_clock::now() > giveUp) {
      std::fprintf(stderr, "simulated machine did not settle:\n%s", DescribeThreads().c_str());
      ++m_settleFailures;
      return false;
    }
    m_cv.wait_for(lock, std::chrono::milliseconds(2));
  }
}

// Work that is due now runs before anything is judged idle.
void Scheduler::RunDue() {
  while (!m_scheduled.empty() && m_scheduled.begin()->first <= m_now) {
    auto work = std::move(m_scheduled.begin()->second);
    m_scheduled.erase(m_scheduled.begin());
    work();
    m_cv.notify_all();
  }
  for (IClockSource* source : m_sources) {
    auto due = source->NextDue();
    if (due && *due <= m_now) {
      source->FireDue(m_now);
      m_cv.notify_all();
    }
  }
}

std::optional<VirtualTime> Scheduler::NextThreadDeadline() const {
  std::optional<VirtualTime> next;
  for (const SimThread& t : m_threads)
    if (t.blocked && !t.timedOut && t.deadline && (!next || *t.deadline < *next)) next = t.deadline;
  return next;
}

std::optional<VirtualTime> Scheduler::NextDue() const {
  std::optional<VirtualTime> next = NextThreadDeadline();
  for (IClockSource* source : m_sources) {
    auto due = source->NextDue();
    if (due && (!next || *due < *next)) next = due;
  }
  if (!m_scheduled.empty() && (!next || m_scheduled.begin()->first < *next))
    next = m_scheduled.begin()->first;
  return next;
}

bool Scheduler::ReleaseOneDue() {
  SimThread* first = nullptr;
  for (SimThread& t : m_threads) {
    if (!t.blocked || t.timedOut || !t.deadline || *t.deadline > m_now) continue;
    if (!first || *t.deadline < *first->deadline ||
        (*t.deadline == *first->deadline && t.waitSerial < first->waitSerial))
      first = &t;
  }
  if (first == nullptr) return false;
  first->timedOut = true;
  m_cv.notify_all();
  return true;
}

void Scheduler::MoveClockTo(VirtualTime t) {
  if (t > m_now) m_now = t;
  m_cv.notify_all();
}

void Scheduler::WaitIdle(std::unique_lock<std::mutex>& lock) {
  VirtualTime began = m_now;
  while (WaitQuiescent(lock)) {
    if (ReleaseOneDue()) continue;
    auto threadDeadline = NextThreadDeadline();
    if (!threadDeadline) return;
    if (m_idleRunLimit != 0 && *NextDue() - began > m_idleRunLimit) {
      std::fprintf(stderr, "simulated machine still busy after %llu ms of virtual time:\n%s",
                   static_cast<unsigned long long>(m_idleRunLimit), DescribeThreads().c_str());
      ++m_settleFailures;
      return;
    }
    MoveClockTo(*NextDue());
  }
}

void Scheduler::Advance(std::unique_lock<std::mutex>& lock, std::uint32_t ms) {
  RunTo(lock, m_now + ms);
  WaitIdle(lock);
}

void Scheduler::RunTo(std::unique_lock<std::mutex>& lock, VirtualTime target) {
  while (WaitQuiescent(lock)) {
    if (ReleaseOneDue()) continue;
    auto next = NextDue();
    if (!next || *next > target) break;
    MoveClockTo(*next);
  }
  MoveClockTo(target);
  while (WaitQuiescent(lock) && ReleaseOneDue()) {
  }
}

std::vector<std::string> Scheduler::ThreadsOf(int pid) const {
  std::vector<std::string> names;
  for (const SimThread& t : m_threads)
    if (t.pid == pid) names.push_back(t.name);
  return names;
}

std::string Scheduler::DescribeThreads() const {
  std::string text;
  for (const SimThread& t : m_threads) {
    text += "  " + t.name + (t.blocked ? " blocked" : " running");
    if (t.deadline) text += " until " + std::to_string(*t.deadline);
    text += "\n";
  }
  return text;
}

}  // namespace sim
