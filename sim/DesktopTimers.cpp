// Window timers of the headless desktop, on the virtual clock, and sleep.
#include <algorithm>

#include "platform/WinConstants.h"
#include "sim/Desktop.h"

namespace sim {

UINT_PTR Desktop::SetTimer(HWND hwnd, UINT_PTR id, UINT period) {
  if (Find(hwnd) == nullptr) return 0;
  period = std::max<UINT>(period, 10);
  VirtualTime due = m_scheduler.Now() + period;
  for (SimTimer& t : m_timers) {
    if (t.hwnd == hwnd && t.id == id) {
      t.period = period;
      t.nextDue = due;
      m_scheduler.Notify();
      return id;
    }
  }
  m_timers.push_back({hwnd, id, period, due, false});
  m_scheduler.Notify();
  return id;
}

bool Desktop::KillTimer(HWND hwnd, UINT_PTR id) {
  return std::erase_if(m_timers, [&](const SimTimer& t) { return t.hwnd == hwnd && t.id == id; }) > 0;
}

std::vector<SimTimer> Desktop::TimersOf(HWND hwnd) const {
  std::vector<SimTimer> result;
  for (const SimTimer& t : m_timers)
    if (t.hwnd == hwnd) result.push_back(t);
  return result;
}

std::optional<VirtualTime> Desktop::NextDue() const {
  std::optional<VirtualTime> next;
  for (const SimTimer& t : m_timers)
    if (!m_asleep && (!next || t.nextDue < *next)) next = t.nextDue;
  for (const SimTrayIcon& icon : m_trayIcons)
    if (icon.balloonUntil && (!next || *icon.balloonUntil < *next)) next = icon.balloonUntil;
  return next;
}

void Desktop::FireDue(VirtualTime now) {
  for (SimTimer& t : m_timers) {
    if (!m_asleep && t.nextDue <= now) {
      t.pending = true;
      t.nextDue = now + t.period;
    }
  }
  for (SimTrayIcon& icon : m_trayIcons)
    if (icon.balloonUntil && *icon.balloonUntil <= now) ClearBalloon(icon);
}

void Desktop::Suspend() {
  if (m_asleep) return;
  m_asleep = true;
  m_timerLeft.clear();
  VirtualTime now = m_scheduler.Now();
  for (const SimTimer& t : m_timers) m_timerLeft[{t.hwnd, t.id}] = t.nextDue > now ? t.nextDue - now : 0;
}

void Desktop::Resume() {
  if (!m_asleep) return;
  m_asleep = false;
  VirtualTime now = m_scheduler.Now();
  for (SimTimer& t : m_timers) {
    auto left = m_timerLeft.find({t.hwnd, t.id});
    if (left != m_timerLeft.end()) t.nextDue = now + left->second;
  }
  m_timerLeft.clear();
  m_scheduler.Notify();
}

}  // namespace sim
