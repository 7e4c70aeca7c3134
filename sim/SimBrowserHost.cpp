#include "sim/SimBrowserHost.h"

#include <utility>

#include "sim/WindowLookup.h"

namespace sim {

namespace {

bool IsBrowser(const SimWnd& wnd) {
  return wnd.kind == plat::ControlKind::Browser;
}

// The top document of a browser as the program holds it; it stands for the
// page it was taken from, not for the pages after it.
class SimBrowserDocument final : public plat::IBrowserDocument {
 public:
  SimBrowserDocument(Machine& machine, HWND browser, int generation)
      : m_machine(machine), m_browser(browser), m_generation(generation) {}

  bool SetBodyScroll(std::string_view value) override {
    return With(m_machine, m_browser, false, [&](SimWnd& w) {
      SimBrowser& state = w.browser;
      if (state.generation != m_generation || state.documents.empty()) return false;
      SimDocument& top = state.documents.front();
      if (!top.hasBody) return false;
      top.scroll = value;
      return true;
    });
  }

 private:
  Machine& m_machine;
  HWND m_browser;
  int m_generation;
};

}  // namespace

void SimBrowserHost::Navigate(HWND browser, std::string_view url) {
  bool isBrowser = With(m_machine, browser, false, [&](SimWnd& w) {
    if (!IsBrowser(w)) return false;
    w.navigations.emplace_back(url);
    return true;
  });
  if (!isBrowser) return;
  // The page loads over the network without the machine lock.
  std::vector<SimDocument> documents = LoadPage(m_machine.Web(), std::string(url));
  With(m_machine, browser, 0, [&](SimWnd& w) {
    m_machine.Screen().ShowPage(w, std::move(documents));
    return 0;
  });
}

void SimBrowserHost::SetBrowserVisible(HWND browser, bool visible) {
  With(m_machine, browser, 0, [&](SimWnd& w) {
    w.browser.visible = visible;
    return 0;
  });
}

std::unique_ptr<plat::IBrowserDocument> SimBrowserHost::GetBrowserDocument(HWND browser) {
  int generation = With(m_machine, browser, -1, [](SimWnd& w) {
    return IsBrowser(w) && !w.browser.documents.empty() ? w.browser.generation : -1;
  });
  if (generation < 0) return nullptr;
  return std::make_unique<SimBrowserDocument>(m_machine, browser, generation);
}

void SimBrowserHost::ConfineBrowser(HWND browser, std::vector<std::string> hosts) {
  With(m_machine, browser, 0, [&](SimWnd& w) {
    if (IsBrowser(w)) w.browser.confinedTo = std::move(hosts);
    return 0;
  });
}

std::optional<std::string> SimBrowserHost::NextRefusedNavigation(HWND browser) {
  return With(m_machine, browser, std::optional<std::string>(), [](SimWnd& w) -> std::optional<std::string> {
    SimBrowser& state = w.browser;
    if (!IsBrowser(w) || state.refusedTaken >= state.refused.size()) return std::nullopt;
    return state.refused[state.refusedTaken++];
  });
}

}  // namespace sim
