// The system's web-browser control in a dialog: the three members the
// dialer uses. The window system hosts the control and calls them by their
// dispatch ids (Navigate 104, Document 203, Visible 402).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/CWnd.h"

class CWebBrowser2 : public CWnd {
 public:
  // Loads a page; flags, target frame, post data and headers stay empty.
  void Navigate(const CString& strUrl);
  // The top document, or null while there is none.
  std::unique_ptr<plat::IBrowserDocument> GetDocument() const;
  void SetVisible(BOOL bVisible);
  // Keeps the top page on these hosts; other navigations and new windows
  // are refused and reported with plat::kEventNavigationRefused.
  void Confine(std::vector<std::string> hosts);
  // The oldest refused address not yet taken.
  std::optional<std::string> NextRefusedNavigation();

 private:
  static plat::IBrowserHost& Host();
};
