#include "desktop/WebBrowser2.h"

#include "framework/CWinApp.h"

plat::IBrowserHost& CWebBrowser2::Host() {
  return *AfxGetApp()->Ports().browser;
}

void CWebBrowser2::Navigate(const CString& strUrl) {
  Host().Navigate(m_hWnd, strUrl.View());
}

std::unique_ptr<plat::IBrowserDocument> CWebBrowser2::GetDocument() const {
  return Host().GetBrowserDocument(m_hWnd);
}

void CWebBrowser2::SetVisible(BOOL bVisible) {
  Host().SetBrowserVisible(m_hWnd, bVisible != FALSE);
}

void CWebBrowser2::Confine(std::vector<std::string> hosts) {
  Host().ConfineBrowser(m_hWnd, std::move(hosts));
}

std::optional<std::string> CWebBrowser2::NextRefusedNavigation() {
  return Host().NextRefusedNavigation(m_hWnd);
}
