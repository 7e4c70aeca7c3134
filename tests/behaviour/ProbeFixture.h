// A process on the simulated machine whose test thread owns a window that
// receives a prober's messages; the clock moves whenever every thread waits.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "probe/PingMessages.h"
#include "probe/PingTexts.h"
#include "resources/DialogTemplates.h"
#include "sim/Machine.h"
#include "sim/ProcessPorts.h"

struct PingMessage {
  UINT message;
  WPARAM kind;
  LPARAM lParam;
  std::string text;  // WM_PING_RESULT only
  sim::VirtualTime at;
};

class ProbeMachine : public ::testing::Test {
 protected:
  ProbeMachine() {
    m_process.pid = 7;
    m_process.modulePath = "C:\\Tests\\probe.exe";
    m_process.currentDirectory = "C:\\Tests";
    sim::InstallProcessPorts(m_machine, m_process);
    auto lock = m_machine.Lock();
    m_thread = m_machine.Sched().Register("test");
    m_machine.Sched().SetAutoAdvance(true);
    sim::Scheduler::BindSelf(m_thread);
    m_hWnd = m_machine.Screen().CreateDialogWindow(kAboutDialogTemplate, nullptr, m_process, nullptr);
  }
  ~ProbeMachine() override {
    auto lock = m_machine.Lock();
    m_machine.Sched().Unregister(m_thread);
    sim::Scheduler::BindSelf(nullptr);
  }

  plat::ISockets& Sockets() { return *m_process.ports.sockets; }
  plat::ISystem& System() { return *m_process.ports.system; }
  plat::IWindowing& Windows() { return *m_process.ports.windows; }

  void Host(const char* address, std::initializer_list<std::optional<DWORD>> rtts, bool options = false) {
    sim::IcmpHost host;
    host.script.assign(rtts.begin(), rtts.end());
    host.rtt = host.script.back();
    host.ipOptions = options;
    auto lock = m_machine.Lock();
    m_machine.Icmp().SetHost(*sim::ParseDottedAddress(address), std::move(host));
  }

  // The window's messages until `dones` completions have come, each text
  // taken back from the ledger that handed it out.
  static constexpr UINT kMarker = WM_USER + 999;
  std::vector<PingMessage> Receive(CPingTexts& texts, int dones = 1, UINT until = WM_PING_DONE) {
    std::vector<PingMessage> received;
    auto lock = m_machine.Lock();
    while (dones > 0) {
      std::optional<sim::SimMessage> msg = m_machine.Screen().WaitMessage(lock, [] { return false; });
      if (!msg) continue;
      PingMessage ping{msg->message, msg->wParam, msg->lParam, {}, m_machine.Sched().Now()};
      if (msg->message == WM_PING_RESULT) {
        lock.unlock();
        ping.text = texts.Take(msg->lParam).Str();
        lock.lock();
      }
      if (msg->message == until) --dones;
      received.push_back(std::move(ping));
    }
    return received;
  }
  // Everything queued so far (a marker posted now comes after it).
  std::vector<PingMessage> Drain(CPingTexts& texts) {
    Windows().PostMessage(m_hWnd, kMarker, 0, 0);
    std::vector<PingMessage> received = Receive(texts, 1, kMarker);
    received.pop_back();
    return received;
  }
  std::vector<sim::SentDatagram> Sent() {
    auto lock = m_machine.Lock();
    return m_machine.Icmp().Sent();
  }
  sim::VirtualTime Now() {
    auto lock = m_machine.Lock();
    return m_machine.Sched().Now();
  }

  sim::Machine m_machine;
  sim::Process m_process;
  sim::SimThread* m_thread = nullptr;
  HWND m_hWnd = nullptr;
};

// The texts of a run, with WM_PING_DONE as "done:LPARAM".
inline std::vector<std::string> Texts(const std::vector<PingMessage>& messages) {
  std::vector<std::string> texts;
  for (const PingMessage& m : messages)
    texts.push_back(m.message == WM_PING_DONE ? "done:" + std::to_string(m.lParam) : m.text);
  return texts;
}
