// The browser-host port over the browsers of every open dialog.
#pragma once

#include "platform/BrowserHost.h"
#include "platform/win32/BrowserHostWin32.h"

namespace win32 {

class BrowserPortWin32 final : public plat::IBrowserHost {
 public:
  explicit BrowserPortWin32(BrowserHosts& browsers) : m_browsers(browsers) {}

  void Navigate(HWND browser, std::string_view url) override;
  void SetBrowserVisible(HWND browser, bool visible) override;
  std::unique_ptr<plat::IBrowserDocument> GetBrowserDocument(HWND browser) override;
  void ConfineBrowser(HWND browser, std::vector<std::string> hosts) override;
  std::optional<std::string> NextRefusedNavigation(HWND browser) override;

 private:
  BrowserHosts& m_browsers;
};

}  // namespace win32
