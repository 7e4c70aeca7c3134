#include "directory/ServerListFile.h"

#include <cctype>

namespace {

constexpr const char* kListFileName = "server.ini";
constexpr const char* kDataFolderName = "Velk VPN";

std::string_view WithoutTrailingSlash(std::string_view folder) {
  while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.remove_suffix(1);
  return folder;
}

bool SameFolder(std::string_view a, std::string_view b) {
  a = WithoutTrailingSlash(a);
  b = WithoutTrailingSlash(b);
  if (a.empty() || a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

std::string_view FolderOf(std::string_view path) {
  size_t slash = path.find_last_of("\\/");
  return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash);
}

}  // namespace

CServerListPlace ServerListPlaceOf(std::string_view modulePath, std::string_view systemDir,
                                   std::string_view wow64Dir, std::string_view dataFolder) {
  std::string_view own = FolderOf(modulePath);
  // The 32-bit program on 64-bit Windows names the real system32 and reaches
  // its own system directory, SysWOW64, beside it: the same place for it.
  std::string native = std::string(FolderOf(WithoutTrailingSlash(systemDir))) + "\\system32";
  if (!own.empty() && !SameFolder(own, systemDir) && !SameFolder(own, wow64Dir) && !SameFolder(own, native))
    return {std::string(own), false};
  return {std::string(WithoutTrailingSlash(dataFolder)) + "\\" + kDataFolderName, true};
}

std::string PrepareServerListFile(plat::ISystem& system, plat::IFiles& files) {
  CServerListPlace place =
      ServerListPlaceOf(system.GetModuleFileName(), system.GetSystemDirectory(),
                        system.GetSystemWow64Directory(), system.GetProgramDataDirectory());
  // Without its protected folder (taken by a link, say) there is no place
  // for the list: nothing is downloaded and the start says so.
  if (place.bDataFolder && !PrepareDataFolder(files, place.strFolder)) return {};
  return place.strFolder + "\\" + kListFileName;
}

std::string DataFolderPath(plat::ISystem& system) {
  std::string programData = system.GetProgramDataDirectory();
  if (programData.empty()) return {};
  return std::string(WithoutTrailingSlash(programData)) + "\\" + kDataFolderName;
}

// Without the user's entry the folder is still the program's own: only the
// user cannot list it.
bool PrepareDataFolder(plat::IFiles& files, const std::string& strFolder) {
  if (strFolder.empty() || !files.MakeProtectedFolder(strFolder)) return false;
  files.RestrictToAdministratorsAndUser(strFolder);
  return true;
}
