// The driver's pointer: presses, drags, the cursor over the windows, and
// links followed in a browser.
#include "platform/UrlHost.h"
#include "platform/WinConstants.h"
#include "sim/Driver.h"

namespace sim {

namespace {

plat::Point Middle(const plat::Rect& rect) {
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

plat::Point OnScreen(const SimWnd& dialog, plat::Point client) {
  return {dialog.rect.left + client.x, dialog.rect.top + client.y};
}

std::string Named(int controlId) {
  return "control " + std::to_string(controlId);
}

}  // namespace

std::string Driver::ActiveForPointer(SimWnd*& dialog) {
  dialog = ActiveLocked(0);
  if (dialog == nullptr) return "no window is open";
  if (auto busy = ModalBusy(); !busy.empty()) return busy;
  if (!dialog->visible) return "the window is hidden";
  return {};
}

std::string Driver::BrowserForPointer(int browserId, SimWnd*& dialog, SimWnd*& browser) {
  if (auto error = ActiveForPointer(dialog); !error.empty()) return error;
  browser = m_machine.Screen().FindControl(dialog->hwnd, browserId);
  if (browser == nullptr || browser->kind != plat::ControlKind::Browser)
    return Named(browserId) + " is no browser";
  return {};
}

std::string Driver::Press(plat::Point client) {
  {
    auto lock = m_machine.Lock();
    SimWnd* dialog = nullptr;
    if (auto error = ActiveForPointer(dialog); !error.empty()) return error;
    m_machine.Screen().MouseDown(*dialog, OnScreen(*dialog, client));
  }
  WaitIdle();
  return {};
}

std::string Driver::PressControl(int controlId) {
  {
    auto lock = m_machine.Lock();
    SimWnd* dialog = nullptr;
    if (auto error = ActiveForPointer(dialog); !error.empty()) return error;
    SimWnd* control = m_machine.Screen().FindControl(dialog->hwnd, controlId);
    if (control == nullptr) return Named(controlId) + " does not exist";
    if (!control->visible) return Named(controlId) + " is hidden";
    m_machine.Screen().MouseDown(*dialog, Middle(control->rect));
  }
  WaitIdle();
  return {};
}

std::string Driver::Release(bool away) {
  {
    auto lock = m_machine.Lock();
    if (away) m_machine.Screen().MouseMove({-10000, -10000});
    m_machine.Screen().MouseUp();
  }
  WaitIdle();
  return {};
}

std::string Driver::Drag(plat::Point from, plat::Point to) {
  plat::Point start;
  {
    auto lock = m_machine.Lock();
    SimWnd* dialog = nullptr;
    if (auto error = ActiveForPointer(dialog); !error.empty()) return error;
    start = OnScreen(*dialog, from);
    m_machine.Screen().MouseDown(*dialog, start);
  }
  WaitIdle();
  {
    auto lock = m_machine.Lock();
    m_machine.Screen().MouseMove({start.x + to.x - from.x, start.y + to.y - from.y});
    m_machine.Screen().MouseUp();
  }
  WaitIdle();
  return {};
}

std::string Driver::PointAt(plat::Point client) {
  {
    auto lock = m_machine.Lock();
    SimWnd* dialog = nullptr;
    if (auto error = ActiveForPointer(dialog); !error.empty()) return error;
    m_machine.Screen().MouseMove(OnScreen(*dialog, client));
  }
  WaitIdle();
  return {};
}

std::string Driver::Hover(int controlId) {
  {
    auto lock = m_machine.Lock();
    SimWnd* dialog = nullptr;
    if (auto error = ActiveForPointer(dialog); !error.empty()) return error;
    SimWnd* control = m_machine.Screen().FindControl(dialog->hwnd, controlId);
    if (control == nullptr) return Named(controlId) + " does not exist";
    m_machine.Screen().MouseMove(Middle(control->rect));
  }
  WaitIdle();
  return {};
}

std::string Driver::FollowLink(int browserId, const std::string& url) {
  HWND dialogHwnd = nullptr;
  bool refused = false;
  {
    auto lock = m_machine.Lock();
    SimWnd* dialog = nullptr;
    SimWnd* browser = nullptr;
    if (auto error = BrowserForPointer(browserId, dialog, browser); !error.empty()) return error;
    if (!browser->visible) return Named(browserId) + " is hidden";
    std::string links;
    bool found = false;
    for (const SimDocument& document : browser->browser.documents) {
      for (const std::string& link : document.links) {
        found = found || link == url;
        links += (links.empty() ? "" : " ") + link;
      }
    }
    if (!found) return "the page has no link to " + url + "; its links: " + (links.empty() ? "none" : links);
    if (browser->browser.confinedTo && !plat::UrlOnHosts(url, *browser->browser.confinedTo)) {
      m_machine.Screen().RefuseNavigation(*browser, url);
      refused = true;
    } else {
      browser->navigations.push_back(url);
    }
    dialogHwnd = dialog->hwnd;
  }
  if (refused) {
    WaitIdle();
    return {};
  }
  // The linked page replaces the whole page, as a link to the top does.
  std::vector<SimDocument> documents = LoadPage(m_machine.Web(), url);
  {
    auto lock = m_machine.Lock();
    if (SimWnd* browser = m_machine.Screen().FindControl(dialogHwnd, browserId))
      m_machine.Screen().ShowPage(*browser, std::move(documents));
  }
  WaitIdle();
  return {};
}

// Only a confined browser is modelled: it refuses every new window.
std::string Driver::OpenNewWindow(int browserId, const std::string& url) {
  {
    auto lock = m_machine.Lock();
    SimWnd* dialog = nullptr;
    SimWnd* browser = nullptr;
    if (auto error = BrowserForPointer(browserId, dialog, browser); !error.empty()) return error;
    if (!browser->browser.confinedTo) return Named(browserId) + " is not confined: a window would open";
    m_machine.Screen().RefuseNavigation(*browser, url);
  }
  WaitIdle();
  return {};
}

int Driver::CursorShape() {
  auto lock = m_machine.Lock();
  return m_machine.Screen().cursorShape;
}

}  // namespace sim
