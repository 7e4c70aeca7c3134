// The service's hosts. They are deployment values of the build (CMake cache
// variables, see cmake/Endpoints.cmake); the defaults live under the reserved
// .example top-level domain.
#pragma once

#include "DorvantaEndpoints.h"
#include "framework/CString.h"

namespace endpoints {

// The directory server: server lists, the banner page.
constexpr const char* kDirectoryHost = DORVANTA_DIRECTORY_HOST;
constexpr int kDirectoryPort = DORVANTA_DIRECTORY_PORT;

constexpr const char* kProductSite = DORVANTA_PRODUCT_SITE;
constexpr const char* kCompanySite = DORVANTA_COMPANY_SITE;
constexpr const char* kOfficialPortal = DORVANTA_OFFICIAL_PORTAL;
constexpr const char* kGSite = DORVANTA_G_SITE;
constexpr const char* kContentSite = DORVANTA_CONTENT_SITE;

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
