#include "desktop/WebLinks.h"

#include "platform/UrlHost.h"
#include "platform/WinConstants.h"
#include "resources/Endpoints.h"
#include "resources/Texts.h"
#include "resources/resource.h"

namespace {

struct LinkPage {
  int nControlId;
  const char* host;
  const char* path;
};

// Links that open a page in the user's browser and nothing else.
constexpr LinkPage kOpenedPages[] = {
    {IDC_LINK_G_WEBSITE, endpoints::kGSite, endpoints::kRootPath},
    {IDC_LINK_OFFICIAL, endpoints::kOfficialPortal, endpoints::kPortalLoginPath},
    {IDC_LINK_11, endpoints::kCompanySite, endpoints::kCompanyPasswordPath},
    {IDC_LINK_PRODUCT, endpoints::kProductSite, endpoints::kRootPath},
    {IDC_LINK_13, endpoints::kCompanySite, endpoints::kRootPath},
};

}  // namespace

void CWebLinks::NavigateBanner() {
  m_banner.Confine({endpoints::kDirectoryHost, endpoints::kContentSite});
  m_banner.Navigate(endpoints::DirectoryUrl(endpoints::kBannerPath));
}

bool CWebLinks::Follow(int nControlId) {
  for (const LinkPage& page : kOpenedPages) {
    if (page.nControlId != nControlId) continue;
    Open(endpoints::SiteUrl(page.host, page.path));
    return true;
  }
  if (nControlId == IDC_LINK_14) {
    ShowInBanner(endpoints::SiteUrl(endpoints::kContentSite, endpoints::kFaqPath));
    Open(endpoints::SiteUrl(endpoints::kCompanySite, endpoints::kRootPath));
    return true;
  }
  if (nControlId == IDC_BALLOON_TEST) {
    ShowInBanner(endpoints::SiteUrl(endpoints::kContentSite, endpoints::kNoticePath));
    m_trayIcon.ShowBalloon(texts::kTestBalloonTitle, texts::kTestBalloonText, texts::kTestBalloonTip);
    return true;
  }
  return false;
}

void CWebLinks::OnDocumentComplete() {
  std::unique_ptr<plat::IBrowserDocument> document = m_banner.GetDocument();
  if (!document) return;
  document->SetBodyScroll("no");
}

void CWebLinks::OnNavigationRefused() {
  while (std::optional<std::string> url = m_banner.NextRefusedNavigation())
    if (!plat::UrlHost(*url).empty()) Open(CString(*url));
}

// A page the shell cannot open is left alone. The browser runs at the
// user's own level, not with the program's rights.
void CWebLinks::Open(const CString& strUrl) {
  m_shell.OpenAsUser(strUrl.View(), SW_SHOW);
}

void CWebLinks::ShowInBanner(const CString& strUrl) {
  m_banner.Navigate(strUrl);
  m_banner.SetVisible(TRUE);
}
