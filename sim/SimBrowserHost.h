// The browser-host port of a simulated process: pages load from the
// simulated web servers.
#pragma once

#include "platform/BrowserHost.h"

namespace sim {

class Machine;
struct Process;

class SimBrowserHost final : public plat::IBrowserHost {
 public:
  SimBrowserHost(Machine& machine, Process&) : m_machine(machine) {}

  void Navigate(HWND browser, std::string_view url) override;
  void SetBrowserVisible(HWND browser, bool visible) override;
  std::unique_ptr<plat::IBrowserDocument> GetBrowserDocument(HWND browser) override;
  void ConfineBrowser(HWND browser, std::vector<std::string> hosts) override;
  std::optional<std::string> NextRefusedNavigation(HWND browser) override;

 private:
  Machine& m_machine;
};

}  // namespace sim
