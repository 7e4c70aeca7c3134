// Port: the web-browser control a dialog hosts. All texts are UTF-8.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/WinTypes.h"

namespace plat {

// An event of a control hosted in a dialog (the web browser's), sent to the
// dialog's sink: wParam the control's id, lParam the event's dispatch id.
constexpr UINT kWmControlEvent = 0x8000 + 0x0C00;
// The browser's event when a page or one of its frames has finished loading.
constexpr LPARAM kEventDocumentComplete = 259;
// A confined browser refused a navigation or a new window; the address waits
// in NextRefusedNavigation.
constexpr LPARAM kEventNavigationRefused = 0x7F00;

// A browser's top document, held while the owner lives.
class IBrowserDocument {
 public:
  virtual ~IBrowserDocument() = default;
  // Sets the body element's scroll attribute; false when the page has no body.
  virtual bool SetBodyScroll(std::string_view value) = 0;
};

// Navigate and the document-complete events that follow are asynchronous;
// an event reaches the dialog as kWmControlEvent.
class IBrowserHost {
 public:
  virtual ~IBrowserHost() = default;

  virtual void Navigate(HWND browser, std::string_view url) = 0;
  virtual void SetBrowserVisible(HWND browser, bool visible) = 0;
  // The top document, or null when there is none (yet).
  virtual std::unique_ptr<IBrowserDocument> GetBrowserDocument(HWND browser) = 0;
  // Keeps the browser's top page on these hosts: a navigation elsewhere is
  // cancelled, new windows are refused, and each refused address is queued
  // for the owner with a kEventNavigationRefused event.
  virtual void ConfineBrowser(HWND browser, std::vector<std::string> hosts) = 0;
  // The oldest refused address not yet taken ("" for a new window that named
  // none); nullopt when none is left.
  virtual std::optional<std::string> NextRefusedNavigation(HWND browser) = 0;
};

}  // namespace plat
