// The skin's links: pages opened in the user's browser through the shell,
// pages loaded into the banner, and the banner's own upkeep.
#pragma once

#include "desktop/TrayIcon.h"
#include "desktop/WebBrowser2.h"
#include "platform/Shell.h"

class CWebLinks {
 public:
  CWebLinks(plat::IShell& shell, CWebBrowser2& banner, CTrayIcon& trayIcon)
      : m_shell(shell), m_banner(banner), m_trayIcon(trayIcon) {}

  // The banner page of the directory server. The banner stays on the
  // directory server and the content site.
  void NavigateBanner();
  // The command of a link control; false when the control is no link.
  bool Follow(int nControlId);
  // A page or frame of the banner finished loading: no scroll bars on the
  // top page, so that it fits the skin.
  void OnDocumentComplete();
  // The banner refused a page of another host or a new window: a web page
  // opens in the user's browser instead, as the links do.
  void OnNavigationRefused();

 private:
  void Open(const CString& strUrl);
  void ShowInBanner(const CString& strUrl);

  plat::IShell& m_shell;
  CWebBrowser2& m_banner;
  CTrayIcon& m_trayIcon;
};
