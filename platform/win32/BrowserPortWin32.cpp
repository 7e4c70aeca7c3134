#include "platform/win32/BrowserPortWin32.h"

#include <utility>

namespace win32 {

// Browser control: asked before it is hosted, it acts once hosted; where it
// could not be hosted, the placeholder stays blank and these calls do nothing.
void BrowserPortWin32::Navigate(HWND browser, std::string_view url) {
  m_browsers.WhenHosted(browser, [url = std::string(url)](BrowserHost& host) { host.Navigate(url); });
}

void BrowserPortWin32::SetBrowserVisible(HWND browser, bool visible) {
  m_browsers.WhenHosted(browser, [visible](BrowserHost& host) { host.SetVisible(visible); });
}

std::unique_ptr<plat::IBrowserDocument> BrowserPortWin32::GetBrowserDocument(HWND browser) {
  BrowserHost* host = m_browsers.Find(browser);
  return host ? host->Document() : nullptr;
}

void BrowserPortWin32::ConfineBrowser(HWND browser, std::vector<std::string> hosts) {
  // Queued ahead of any navigation asked before the control is hosted.
  m_browsers.WhenHosted(browser, [hosts = std::move(hosts)](BrowserHost& host) { host.Confine(hosts); });
}

std::optional<std::string> BrowserPortWin32::NextRefusedNavigation(HWND browser) {
  BrowserHost* host = m_browsers.Find(browser);
  return host ? host->NextRefused() : std::nullopt;
}

}  // namespace win32
