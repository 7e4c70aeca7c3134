// Pages a browser control of the headless desktop shows or refuses.
#include "platform/BrowserHost.h"
#include "sim/Desktop.h"

namespace sim {

void Desktop::ShowPage(SimWnd& browser, std::vector<SimDocument> documents) {
  SimBrowser& state = browser.browser;
  state.documents = std::move(documents);
  ++state.generation;
  if (state.documents.empty()) return;
  std::vector<std::string> completed;
  for (size_t i = 1; i < state.documents.size(); ++i) completed.push_back(state.documents[i].url);
  completed.push_back(state.documents.front().url);
  for (std::string& url : completed) {
    state.completions.push_back({std::move(url), std::nullopt});
    Post(browser.parent, plat::kWmControlEvent, static_cast<WPARAM>(browser.id),
         plat::kEventDocumentComplete);
  }
}

void Desktop::RefuseNavigation(SimWnd& browser, std::string url) {
  browser.browser.refused.push_back(std::move(url));
  Post(browser.parent, plat::kWmControlEvent, static_cast<WPARAM>(browser.id), plat::kEventNavigationRefused);
}

}  // namespace sim
