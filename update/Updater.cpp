#include "update/Updater.h"

#include "platform/WinConstants.h"

CString UpdaterPathFor(const CString& strModulePath) {
  std::string_view path = strModulePath.View();
  size_t slash = path.rfind('\\');
  if (slash == std::string_view::npos) return CString();
  return CString(path.substr(0, slash)) + "\\updata.exe";
}

namespace {

// Paths the shell opens hold at most 259 UTF-16 units before their NUL.
constexpr size_t kMaxPathUnits = 259;

size_t Utf16Units(std::string_view utf8) {
  size_t units = 0;
  for (unsigned char ch : utf8) {
    if ((ch & 0xC0) != 0x80) ++units;  // a character's first byte
    if (ch >= 0xF0) ++units;           // outside the basic plane: a surrogate pair
  }
  return units;
}

}  // namespace

void CUpdater::LaunchUpdater() {
  // Built from the whole module path; a path the shell cannot take starts nothing.
  // Without the module's own folder there is no updater to start.
  CString strUpdater = UpdaterPathFor(m_system.GetModuleFileName());
  if (strUpdater.IsEmpty() || Utf16Units(strUpdater.View()) > kMaxPathUnits) {
    m_log.Printf("update: no updater started, its path \"%s\" is %s", strUpdater.GetString(),
                 strUpdater.IsEmpty() ? "unknown" : "longer than the shell takes");
    return;
  }
  INT_PTR nResult = m_shell.Execute("open", strUpdater.View(), "", "", SW_SHOW);
  m_log.Printf("update: launched \"%s\", the shell answered %ld", strUpdater.GetString(),
               static_cast<long>(nResult));
}

void CUpdater::CheckPublishedVersion(int nPublished) {
  if (nPublished <= kOwnVersion) return;
  m_log.Printf("update: the published version %d is newer than %d", nPublished, kOwnVersion);
  LaunchUpdater();
}
