#include "sim/ResponseWatch.h"

#include <algorithm>

namespace sim {

ResponseWatch::Stretch* ResponseWatch::Find(const SimThread* thread) {
  if (thread == nullptr) return nullptr;
  auto found = m_threads.find({thread->pid, thread->name});
  return found == m_threads.end() || found->second.ended ? nullptr : &found->second;
}

void ResponseWatch::Close(Stretch& stretch, VirtualTime now) {
  if (!stretch.waiting) stretch.longest = std::max(stretch.longest, now - stretch.since);
  stretch.since = now;
}

void ResponseWatch::WindowCreated(const SimThread* thread, VirtualTime now) {
  if (thread == nullptr) return;
  Stretch& stretch = m_threads[{thread->pid, thread->name}];
  if (stretch.ended) stretch = Stretch{};
  if (stretch.since == 0 && stretch.longest == 0) stretch.since = now;
}

void ResponseWatch::WaitBegins(const SimThread* thread, VirtualTime now) {
  if (Stretch* stretch = Find(thread)) {
    Close(*stretch, now);
    stretch->waiting = true;
  }
}

void ResponseWatch::WaitEnds(const SimThread* thread, VirtualTime now) {
  if (Stretch* stretch = Find(thread)) {
    stretch->waiting = false;
    stretch->since = now;
  }
}

void ResponseWatch::Peeked(const SimThread* thread, VirtualTime now) {
  if (Stretch* stretch = Find(thread)) Close(*stretch, now);
}

void ResponseWatch::ProcessEnded(int pid, VirtualTime now) {
  for (auto& [key, stretch] : m_threads) {
    if (key.first != pid || stretch.ended) continue;
    Close(stretch, now);
    stretch.ended = true;
  }
}

VirtualTime ResponseWatch::Longest(int pid, VirtualTime now) const {
  VirtualTime longest = 0;
  for (const auto& [key, stretch] : m_threads) {
    if (key.first != pid) continue;
    longest = std::max(longest, stretch.longest);
    if (!stretch.ended && !stretch.waiting) longest = std::max(longest, now - stretch.since);
  }
  return longest;
}

bool ResponseWatch::Waiting(int pid) const {
  for (const auto& [key, stretch] : m_threads)
    if (key.first == pid && !stretch.ended && stretch.waiting) return true;
  return false;
}

}  // namespace sim
