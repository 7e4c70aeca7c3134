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
