// Files, attributes and profile reads on the real file system.
#pragma once

#include "platform/Files.h"

namespace win32 {

class FilesWin32 final : public plat::IFiles {
 public:
  std::unique_ptr<plat::IFile> Open(std::string_view path, unsigned mode) override;
  bool Delete(std::string_view path) override;
  bool Replace(std::string_view source, std::string_view target) override;
  DWORD GetAttributes(std::string_view path) override;
  bool SetAttributes(std::string_view path, DWORD attributes) override;
  bool RestrictToAdministrators(std::string_view path) override;
  bool IsRestrictedToAdministrators(std::string_view path) override;
  bool RestrictToAdministratorsAndUser(std::string_view path) override;
  bool IsRestrictedToAdministratorsAndUser(std::string_view path) override;
  bool MakeProtectedFolder(std::string_view path) override;

  UINT GetProfileInt(std::string_view section, std::string_view key, int defaultValue,
                     std::string_view path) override;
  DWORD GetProfileString(std::string_view section, std::string_view key, std::string_view defaultValue,
                         std::string& out, DWORD bufferSize, std::string_view path) override;
};

}  // namespace win32
