#include "desktop/WebBrowser2.h"

void CWebBrowser2::Navigate(const CString& strUrl) {
  Windows().Navigate(m_hWnd, strUrl.View());
}

std::unique_ptr<plat::IBrowserDocument> CWebBrowser2::GetDocument() const {
  return Windows().GetBrowserDocument(m_hWnd);
}

void CWebBrowser2::SetVisible(BOOL bVisible) {
  Windows().SetBrowserVisible(m_hWnd, bVisible != FALSE);
}

void CWebBrowser2::Confine(std::vector<std::string> hosts) {
  Windows().ConfineBrowser(m_hWnd, std::move(hosts));
}

std::optional<std::string> CWebBrowser2::NextRefusedNavigation() {
  return Windows().NextRefusedNavigation(m_hWnd);
}
