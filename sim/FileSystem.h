// The machine's drive C:, kept in a host folder. Names are matched without
// regard to letter case, as on Windows. Texts on disk use the machine's
// ANSI code page.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace sim {

class FileSystem {
 public:
  explicit FileSystem(std::filesystem::path root);

  const std::filesystem::path& Root() const { return m_root; }

  // Host path of a Windows path; a relative path is taken from currentDir.
  // Missing components keep their given spelling. nullopt for other drives.
  std::optional<std::filesystem::path> HostPath(std::string_view windowsPath,
                                                std::string_view currentDir) const;
  static std::string Join(std::string_view folder, std::string_view name);
  static std::string FolderOf(std::string_view windowsPath);

  // Files and folders that refuse to be opened, created or deleted.
  void DenyAccess(const std::string& windowsPath);
  bool IsDenied(const std::filesystem::path& hostPath) const;
  void SetReadOnly(const std::string& windowsPath, bool readOnly);
  bool IsReadOnly(const std::filesystem::path& hostPath) const;
  // Files whose access list holds Administrators and SYSTEM alone.
  void SetAdministratorsOnly(const std::filesystem::path& hostPath, bool restricted);
  bool IsAdministratorsOnly(const std::filesystem::path& hostPath) const;
  // Files and folders whose list lets the signed-in user read as well.
  void SetAdministratorsAndUser(const std::filesystem::path& hostPath);
  bool IsAdministratorsAndUser(const std::filesystem::path& hostPath) const;
  // The hidden and system attribute bits of a file (FILE_ATTRIBUTE_HIDDEN, _SYSTEM).
  void SetHiddenSystem(const std::string& windowsPath, unsigned bits);
  unsigned HiddenSystem(const std::filesystem::path& hostPath) const;
  // Files held open without sharing: no other open succeeds meanwhile.
  void SetHeldExclusively(const std::filesystem::path& hostPath, bool held);
  bool IsHeldExclusively(const std::filesystem::path& hostPath) const;

  // Calls on a file that fail, as Windows fails them, the next times they
  // are made: a write or the flush and close of its data (the disk is
  // full), or a move with the file as source or target (it is in use).
  enum class FileCall { Write, Flush, Close, Rename };
  void FailNext(const std::filesystem::path& hostPath, FileCall call, int times);
  bool TakeFailure(const std::filesystem::path& hostPath, FileCall call);
  // Files that ever held bytes a program wrote while others could read
  // them; a move marks its target too.
  void NoteExposed(const std::filesystem::path& hostPath) { m_exposed.insert(Key(hostPath)); }
  bool WasExposed(const std::filesystem::path& hostPath) const { return m_exposed.count(Key(hostPath)) > 0; }
  void NoteMoved(const std::filesystem::path& from, const std::filesystem::path& to);

  // Set-up helpers for the driver (absolute Windows paths, raw bytes).
  bool WriteBytes(std::string_view windowsPath, std::string_view bytes);
  std::optional<std::string> ReadBytes(std::string_view windowsPath) const;
  bool MakeFolder(std::string_view windowsPath);

  // Counts the changes of file contents made through the machine, so that
  // what was read from a file can be kept until the file changes.
  void NoteChange() { ++m_generation; }
  std::uint64_t Generation() const { return m_generation; }

  // Code page conversion (Windows code page numbers: 936, 949, 1252, 65001).
  void SetCodePage(int codePage) { m_codePage = codePage; }
  int CodePage() const { return m_codePage; }
  std::string ToAnsi(std::string_view utf8) const;
  // Whether every character of the text has a form in the code page.
  bool CanConvertToAnsi(std::string_view utf8) const;
  std::string FromAnsi(std::string_view ansi) const;

 private:
  static std::string Key(const std::filesystem::path& hostPath);

  std::filesystem::path m_root;
  std::set<std::string> m_denied;     // lower-case host paths
  std::set<std::string> m_readOnly;   // lower-case host paths
  std::set<std::string> m_adminOnly;  // lower-case host paths
  std::set<std::string> m_userReads;  // lower-case host paths, also in m_adminOnly
  std::set<std::string> m_held;       // lower-case host paths
  std::set<std::string> m_exposed;    // lower-case host paths
  std::map<std::string, unsigned> m_hiddenSystem;
  std::map<std::pair<std::string, FileCall>, int> m_failures;  // by lower-case host path
  int m_codePage = 936;
  std::atomic<std::uint64_t> m_generation{0};
};

// Converts between character sets with iconv; unconvertible input is kept byte for byte.
std::string ConvertText(std::string_view text, const char* from, const char* to);
const char* CharsetOfCodePage(int codePage);

}  // namespace sim
