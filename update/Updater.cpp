#include "update/Updater.h"

#include "platform/WinConstants.h"

CString UpdaterPathFor(const CString& strModulePath) {
  std::string_view path = strModulePath.View();
  size_t slash = path.rfind('\\');
  std::string_view folder = slash == std::string_view::npos ? std::string_view() : path.substr(0, slash);
  return CString(folder) + "\\updata.exe";
}

void CUpdater::LaunchUpdater() {
  // The module path as a 260-character buffer would hold it.
  std::string modulePath = m_system.GetModuleFileName();
  if (modulePath.size() > 259) modulePath.resize(259);
  CString strUpdater = UpdaterPathFor(modulePath);
  m_shell.Execute("open", strUpdater.View(), "", "", SW_SHOW);
}

void CUpdater::CheckPublishedVersion(int nPublished) {
  if (nPublished > kOwnVersion) LaunchUpdater();
}
