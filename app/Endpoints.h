// The service's hosts. Deployments change them here; the defaults live under
// the reserved .example top-level domain.
#pragma once

#include "framework/CString.h"

namespace endpoints {

// The directory server: server lists, the banner page.
constexpr const char* kDirectoryHost = "dir.velk.example";
constexpr int kDirectoryPort = 8000;

constexpr const char* kProductSite = "www.velk.example";
constexpr const char* kCompanySite = "www.velknet.example";
constexpr const char* kOfficialPortal = "portal.velk.example";
constexpr const char* kGSite = "g.velk.example";
constexpr const char* kContentSite = "content.velk.example";

// Paths on the directory server.
constexpr const char* kServerListPath = "/webadmin/serverlist.txt";
constexpr const char* kServerSelectPath = "/tallmer/server.txt";
constexpr const char* kBannerPath = "/webadmin/logo1.php";

// Paths on the web sites.
constexpr const char* kRootPath = "/";
constexpr const char* kCompanyPasswordPath = "/board/mb_password.php";
constexpr const char* kPortalLoginPath = "/login.asp";
constexpr const char* kFaqPath = "/App/faq/app_faq.asp";
constexpr const char* kNoticePath = "/App/Notice/app_notice.asp";

// "http://<host><path>"
inline CString SiteUrl(const char* host, const char* path) {
  CString url;
  url.Format("http://%s%s", host, path);
  return url;
}

// "http://<directory host>:<port><path>"
inline CString DirectoryUrl(const char* path) {
  CString url;
  url.Format("http://%s:%d%s", kDirectoryHost, kDirectoryPort, path);
  return url;
}

}  // namespace endpoints
