// A window sink for the window-system tests: it logs what reaches it and
// runs a case's steps, one per posted kStep, so that each step sees the
// messages the previous one caused. A step may hold the script, for a timer
// handler to end the dialog; otherwise the last step ends it with
// kEndResult. The includer brings the message constants: those of
// platform/WinConstants.h, or of <windows.h>.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Ports.h"

namespace contract {

constexpr UINT kStep = WM_USER + 0x211;     // runs the next step of a case
constexpr UINT kSent = WM_USER + 0x212;     // handled with a result, logged
constexpr UINT kPosted = WM_USER + 0x213;   // logged
constexpr UINT kIgnored = WM_USER + 0x214;  // left to default processing
constexpr INT_PTR kEndResult = 42;

class ScriptedSink final : public plat::IWindowSink {
 public:
  using Step = std::function<void(HWND)>;
  using TimerHandler = std::function<void(HWND, UINT_PTR)>;

  ScriptedSink(plat::IWindowing& windows, std::vector<Step> steps)
      : m_windows(windows), m_steps(std::move(steps)) {}

  LRESULT OnWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override {
    handled = true;
    switch (msg) {
      case WM_CREATE:
        log.push_back("create");
        createHadRecord = lParam != 0;
        return createResult;
      case WM_INITDIALOG:
        log.push_back("initdialog");
        m_windows.PostMessage(hwnd, kStep, 0, 0);
        return TRUE;
      case kStep:
        RunStep(hwnd);
        return 0;
      case kSent:
        log.push_back("sent " + std::to_string(wParam));
        return 1000 + static_cast<LRESULT>(wParam);
      case kPosted:
        log.push_back("posted " + std::to_string(wParam));
        return 0;
      case WM_TIMER:
        timers.push_back(wParam);
        if (onTimer) onTimer(hwnd, wParam);
        return 0;
      case WM_COMMAND:
        if (((wParam >> 16) & 0xFFFF) == BN_CLICKED) clicks.push_back(static_cast<int>(wParam & 0xFFFF));
        return 0;
      default:
        ++unhandled[msg];
        handled = false;
        return 0;
    }
  }

  void Hold() { m_held = true; }

  std::vector<std::string> log;
  std::vector<UINT_PTR> timers;
  std::vector<int> clicks;
  std::map<UINT, int> unhandled;  // how often each message was left to default processing
  TimerHandler onTimer;
  LRESULT createResult = 0;
  bool createHadRecord = false;

 private:
  void RunStep(HWND hwnd) {
    if (m_next < m_steps.size()) m_steps[m_next++](hwnd);
    if (m_held) return;
    if (m_next < m_steps.size())
      m_windows.PostMessage(hwnd, kStep, 0, 0);
    else
      m_windows.EndDialog(hwnd, kEndResult);
  }

  plat::IWindowing& m_windows;
  std::vector<Step> m_steps;
  size_t m_next = 0;
  bool m_held = false;
};

}  // namespace contract
