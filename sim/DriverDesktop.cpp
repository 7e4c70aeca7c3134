// The desktop's own events: the shell restarts, the session ends, the
// machine sleeps and wakes.
#include "platform/WinConstants.h"
#include "sim/Driver.h"

namespace sim {

std::string Driver::RestartShell() {
  {
    auto lock = m_machine.Lock();
    m_machine.Screen().RestartShell(m_machine.Version().major >= 6);
  }
  WaitIdle();
  return {};
}

// As Windows does: the query goes to every top-level window and the end
// follows only when all of them agreed; a window still busy with the
// query (a box of its own, say) holds the session up as a refusal does.
std::string Driver::EndSession() {
  std::vector<std::pair<HWND, std::string>> asked;
  {
    auto lock = m_machine.Lock();
    Desktop& desktop = m_machine.Screen();
    desktop.SessionAnswers().clear();
    for (SimWnd* window : desktop.TopLevelWindows()) {
      asked.emplace_back(window->hwnd, window->text);
      desktop.Post(window->hwnd, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
    }
  }
  WaitIdle();
  std::string holdUp;
  {
    auto lock = m_machine.Lock();
    Desktop& desktop = m_machine.Screen();
    for (const auto& [hwnd, title] : asked) {
      if (desktop.Find(hwnd) == nullptr) continue;  // its program ended meanwhile
      auto answer = desktop.SessionAnswers().find(hwnd);
      if (answer == desktop.SessionAnswers().end())
        holdUp = "the window \"" + title + "\" has not answered the query";
      else if (!answer->second)
        holdUp = "the window \"" + title + "\" refused to end the session";
      if (!holdUp.empty()) break;
    }
    for (const auto& [hwnd, title] : asked)
      desktop.Post(hwnd, WM_ENDSESSION, holdUp.empty() ? 1 : 0, ENDSESSION_LOGOFF);
  }
  WaitIdle();
  if (!holdUp.empty()) return "the session end was held up: " + holdUp;
  {
    auto lock = m_machine.Lock();
    for (int pid : m_machine.RunningProcesses()) m_machine.BeginExit(pid, kEndedWithSession);
  }
  WaitIdle();
  return {};
}

std::string Driver::Suspend() {
  {
    auto lock = m_machine.Lock();
    if (m_machine.Screen().Asleep()) return "the machine is asleep already";
    m_machine.Screen().Broadcast(WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
  }
  WaitIdle();
  auto lock = m_machine.Lock();
  m_machine.Screen().Suspend();
  return {};
}

// Windows tells every wake-up; a user's wake-up follows it.
std::string Driver::Resume() {
  {
    auto lock = m_machine.Lock();
    Desktop& desktop = m_machine.Screen();
    if (!desktop.Asleep()) return "the machine is not asleep";
    desktop.Resume();
    desktop.Broadcast(WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
    desktop.Broadcast(WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0);
  }
  WaitIdle();
  return {};
}

}  // namespace sim
