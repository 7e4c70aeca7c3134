// Windows' yardstick for a window that is "Not Responding": a window thread
// that retrieves no message for 5 s. For each window thread, from its first
// window on, the longest stretch of virtual time in which it neither waited
// for nor peeked at its messages. Guarded by the machine lock.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "sim/Scheduler.h"

namespace sim {

constexpr VirtualTime kNotRespondingMs = 5000;

class ResponseWatch {
 public:
  void WindowCreated(const SimThread* thread, VirtualTime now);
  // The thread waits for its messages; it retrieves them until the wait ends.
  void WaitBegins(const SimThread* thread, VirtualTime now);
  void WaitEnds(const SimThread* thread, VirtualTime now);
  // The thread peeks at its messages (as a wait that paints does).
  void Peeked(const SimThread* thread, VirtualTime now);
  void ProcessEnded(int pid, VirtualTime now);
  // The longest stretch of the process's window threads so far, the one
  // running now included.
  VirtualTime Longest(int pid, VirtualTime now) const;
  // Whether a window thread of the process waits for its messages now.
  bool Waiting(int pid) const;

 private:
  struct Stretch {
    VirtualTime since = 0;    // the last retrieval
    VirtualTime longest = 0;  // closed stretches
    bool waiting = false;
    bool ended = false;
  };
  using Key = std::pair<int, std::string>;

  Stretch* Find(const SimThread* thread);
  static void Close(Stretch& stretch, VirtualTime now);

  std::map<Key, Stretch> m_threads;
};

}  // namespace sim
