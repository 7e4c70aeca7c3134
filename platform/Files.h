// Port: files. Text-mode files translate CR LF on disk to LF and convert
// between the system's ANSI code page on disk and UTF-8 in the program.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/WinTypes.h"

namespace plat {

enum FileMode : unsigned {
  kModeRead = 0x1,
  kModeWrite = 0x2,
  kModeReadWrite = kModeRead | kModeWrite,
  kModeCreate = 0x10,      // create when missing
  kModeNoTruncate = 0x20,  // with kModeCreate: keep an existing file's content
  kModeText = 0x100,       // CR LF and code page translation
  // With kModeCreate: a new file gets the protected list of
  // RestrictToAdministrators in the create call itself; no other open may
  // share the file while it is held, and Close flushes it to the disk.
  kModeProtected = 0x200,
  kModeAppend = 0x400,  // every write goes to the end of the file
};

class IFile {
 public:
  virtual ~IFile() = default;
  // Reads one line without its line break; false at end of file.
  virtual bool ReadLine(std::string& line) = 0;
  // Writes text; in text mode "\n" becomes CR LF on disk.
  virtual bool Write(std::string_view text) = 0;
  // Flushes and closes; false if the data could not be written.
  virtual bool Close() = 0;
  // The file's length in bytes now.
  virtual std::uint64_t GetLength() = 0;
};

constexpr DWORD kInvalidFileAttributes = 0xFFFFFFFF;
constexpr DWORD kFileAttributeReadOnly = 0x1;
constexpr DWORD kFileAttributeHidden = 0x2;
constexpr DWORD kFileAttributeSystem = 0x4;
constexpr DWORD kFileAttributeDirectory = 0x10;
constexpr DWORD kFileAttributeNormal = 0x80;

class IFiles {
 public:
  virtual ~IFiles() = default;
  // Null when the file cannot be opened or created.
  virtual std::unique_ptr<IFile> Open(std::string_view path, unsigned mode) = 0;
  virtual bool Delete(std::string_view path) = 0;
  // Replaces target with source in one step (source is removed), written
  // through to the disk before it returns.
  virtual bool Replace(std::string_view source, std::string_view target) = 0;
  virtual DWORD GetAttributes(std::string_view path) = 0;
  virtual bool SetAttributes(std::string_view path, DWORD attributes) = 0;
  // Access to the file for Administrators and SYSTEM alone (a protected
  // list of exactly those two), and whether a file has exactly that.
  virtual bool RestrictToAdministrators(std::string_view path) = 0;
  virtual bool IsRestrictedToAdministrators(std::string_view path) = 0;
  // A protected list of Administrators and SYSTEM with full access and the
  // user the program runs as (the elevated token keeps the user's own
  // identity) with read access, and whether a file or folder has exactly
  // that. On a folder the user may list it, and what is made in it inherits
  // Administrators and SYSTEM alone.
  virtual bool RestrictToAdministratorsAndUser(std::string_view path) = 0;
  virtual bool IsRestrictedToAdministratorsAndUser(std::string_view path) = 0;
  // A folder with that protected list (inherited by what is made in it):
  // created with it, or an existing one given it. False when the path is no
  // plain folder or the list cannot be set.
  virtual bool MakeProtectedFolder(std::string_view path) = 0;

  // Profile (INI) reads with the semantics of GetPrivateProfileIntA and
  // GetPrivateProfileStringA; bufferSize counts the terminating NUL.
  virtual UINT GetProfileInt(std::string_view section, std::string_view key, int defaultValue,
                             std::string_view path) = 0;
  virtual DWORD GetProfileString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue, std::string& out, DWORD bufferSize,
                                 std::string_view path) = 0;
};

}  // namespace plat
