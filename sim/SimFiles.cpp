#include "sim/SimFiles.h"

#include <fstream>
#include <functional>
#include <sstream>

#include "sim/IniReader.h"
#include "sim/Machine.h"

namespace sim {

namespace {

class SimFile final : public plat::IFile {
 public:
  SimFile(Machine& machine, std::filesystem::path host, unsigned mode, std::string content,
          std::function<void()> release)
      : m_machine(machine),
        m_host(std::move(host)),
        m_mode(mode),
        m_content(std::move(content)),
        m_release(std::move(release)) {}
  ~SimFile() override { Close(); }

  bool ReadLine(std::string& line) override {
    if (!(m_mode & plat::kModeRead) || m_pos >= m_content.size()) return false;
    size_t end = m_content.find('\n', m_pos);
    size_t next = end == std::string::npos ? m_content.size() : end + 1;
    std::string raw = m_content.substr(m_pos, (end == std::string::npos ? m_content.size() : end) - m_pos);
    m_pos = next;
    if (m_mode & plat::kModeText) {
      if (!raw.empty() && raw.back() == '\r') raw.pop_back();
      auto lock = m_machine.Lock();
      line = m_machine.Disk().FromAnsi(raw);
    } else {
      line = raw;
    }
    return true;
  }

  // A write that fails puts nothing in the file; the close then says so.
  bool Write(std::string_view text) override {
    if (!(m_mode & plat::kModeWrite) || m_closed) return false;
    auto lock = m_machine.Lock();
    FileSystem& disk = m_machine.Disk();
    if (disk.TakeFailure(m_host, FileSystem::FileCall::Write)) {
      m_writeFailed = true;
      return false;
    }
    std::string bytes;
    if (m_mode & plat::kModeText) {
      for (char c : disk.ToAnsi(text)) {
        if (c == '\n') bytes += '\r';
        bytes += c;
      }
    } else {
      bytes = text;
    }
    if (m_mode & plat::kModeAppend) m_pos = m_content.size();
    m_content.replace(m_pos, std::min(bytes.size(), m_content.size() - m_pos), bytes);
    m_pos += bytes.size();
    m_dirty = true;
    if (!bytes.empty() && !disk.IsAdministratorsOnly(m_host)) disk.NoteExposed(m_host);
    return true;
  }

  std::uint64_t GetLength() override { return m_content.size(); }

  // A protected file is flushed first; a failed flush or close loses what
  // was written since the open.
  bool Close() override {
    if (m_closed) return true;
    m_closed = true;
    if (m_release) m_release();
    auto lock = m_machine.Lock();
    FileSystem& disk = m_machine.Disk();
    bool flushed = !m_dirty || !(m_mode & plat::kModeProtected) ||
                   !disk.TakeFailure(m_host, FileSystem::FileCall::Flush);
    bool closed = !disk.TakeFailure(m_host, FileSystem::FileCall::Close);
    if (!m_dirty) return closed && !m_writeFailed;
    if (!flushed || !closed) return false;
    std::ofstream out(m_host, std::ios::binary | std::ios::trunc);
    out.write(m_content.data(), static_cast<std::streamsize>(m_content.size()));
    out.close();
    disk.NoteChange();
    return static_cast<bool>(out) && !m_writeFailed;
  }

 private:
  Machine& m_machine;
  std::filesystem::path m_host;
  unsigned m_mode;
  std::string m_content;
  size_t m_pos = 0;
  std::function<void()> m_release;  // ends an exclusive hold
  bool m_dirty = false;
  bool m_writeFailed = false;
  bool m_closed = false;
};

std::string ReadHostFile(const std::filesystem::path& host) {
  std::ifstream in(host, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

}  // namespace

std::unique_ptr<plat::IFile> SimFiles::Open(std::string_view path, unsigned mode) {
  auto lock = m_machine.Lock();
  FileSystem& disk = m_machine.Disk();
  auto host = m_machine.HostPathOf(m_process, path);
  std::error_code ec;
  if (!host || disk.IsDenied(*host) || !std::filesystem::is_directory(host->parent_path(), ec) ||
      std::filesystem::is_directory(*host, ec) || disk.IsHeldExclusively(*host))
    return nullptr;
  bool isProtected = (mode & plat::kModeProtected) && (mode & plat::kModeCreate);
  // The list of a create call holds only for a new file: an old one goes first.
  if (isProtected && !(mode & plat::kModeNoTruncate) && std::filesystem::exists(*host, ec)) {
    if (disk.IsReadOnly(*host)) return nullptr;
    disk.SetAdministratorsOnly(*host, false);
    std::filesystem::remove(*host, ec);
  }
  bool exists = std::filesystem::exists(*host, ec);
  bool writes = (mode & plat::kModeWrite) != 0;
  if (writes && exists && disk.IsReadOnly(*host)) return nullptr;
  if (!exists && !(mode & plat::kModeCreate)) return nullptr;
  bool truncate = (mode & plat::kModeCreate) && !(mode & plat::kModeNoTruncate);
  std::string content = exists && !truncate ? ReadHostFile(*host) : std::string();
  if (!exists || truncate) {
    disk.NoteChange();
    std::ofstream create(*host, std::ios::binary | std::ios::trunc);
    if (!create) return nullptr;
  }
  std::function<void()> release;
  if (isProtected) {
    if (!exists) disk.SetAdministratorsOnly(*host, true);
    disk.SetHeldExclusively(*host, true);
    release = [&machine = m_machine, held = *host] {
      auto lock = machine.Lock();
      machine.Disk().SetHeldExclusively(held, false);
    };
  }
  return std::make_unique<SimFile>(m_machine, *host, mode, std::move(content), std::move(release));
}

bool SimFiles::Delete(std::string_view path) {
  auto lock = m_machine.Lock();
  FileSystem& disk = m_machine.Disk();
  auto host = m_machine.HostPathOf(m_process, path);
  std::error_code ec;
  if (!host || disk.IsDenied(*host) || disk.IsReadOnly(*host) || !std::filesystem::is_regular_file(*host, ec))
    return false;
  disk.SetAdministratorsOnly(*host, false);
  disk.NoteChange();
  return std::filesystem::remove(*host, ec);
}

bool SimFiles::Replace(std::string_view source, std::string_view target) {
  auto lock = m_machine.Lock();
  FileSystem& disk = m_machine.Disk();
  auto from = m_machine.HostPathOf(m_process, source);
  auto to = m_machine.HostPathOf(m_process, target);
  std::error_code ec;
  if (!from || !to || disk.IsDenied(*from) || disk.IsDenied(*to) || disk.IsReadOnly(*to) ||
      !std::filesystem::is_regular_file(*from, ec))
    return false;
  // A move set to fail leaves both files as they were.
  if (disk.TakeFailure(*from, FileSystem::FileCall::Rename) ||
      disk.TakeFailure(*to, FileSystem::FileCall::Rename))
    return false;
  disk.NoteChange();
  std::filesystem::rename(*from, *to, ec);
  if (ec) return false;
  // The moved file keeps its own access list.
  disk.NoteMoved(*from, *to);
  if (disk.IsAdministratorsAndUser(*from))
    disk.SetAdministratorsAndUser(*to);
  else
    disk.SetAdministratorsOnly(*to, disk.IsAdministratorsOnly(*from));
  disk.SetAdministratorsOnly(*from, false);
  return true;
}

bool SimFiles::RestrictToAdministrators(std::string_view path) {
  auto lock = m_machine.Lock();
  FileSystem& disk = m_machine.Disk();
  auto host = m_machine.HostPathOf(m_process, path);
  std::error_code ec;
  if (!host || disk.IsDenied(*host) || !std::filesystem::is_regular_file(*host, ec)) return false;
  disk.SetAdministratorsOnly(*host, true);
  return true;
}

bool SimFiles::MakeProtectedFolder(std::string_view path) {
  auto lock = m_machine.Lock();
  FileSystem& disk = m_machine.Disk();
  auto host = m_machine.HostPathOf(m_process, path);
  std::error_code ec;
  if (!host || disk.IsDenied(*host) || !std::filesystem::is_directory(host->parent_path(), ec)) return false;
  if (!std::filesystem::is_directory(*host, ec) && !std::filesystem::create_directory(*host, ec))
    return false;
  disk.SetAdministratorsOnly(*host, true);
  return true;
}

bool SimFiles::RestrictToAdministratorsAndUser(std::string_view path) {
  auto lock = m_machine.Lock();
  FileSystem& disk = m_machine.Disk();
  auto host = disk.HostPath(path, m_process.currentDirectory);
  std::error_code ec;
  if (!host || disk.IsDenied(*host) || !std::filesystem::exists(*host, ec)) return false;
  disk.SetAdministratorsAndUser(*host);
  return true;
}

bool SimFiles::IsRestrictedToAdministratorsAndUser(std::string_view path) {
  auto lock = m_machine.Lock();
  FileSystem& disk = m_machine.Disk();
  auto host = disk.HostPath(path, m_process.currentDirectory);
  return host && disk.IsAdministratorsAndUser(*host);
}

bool SimFiles::IsRestrictedToAdministrators(std::string_view path) {
  auto lock = m_machine.Lock();
  FileSystem& disk = m_machine.Disk();
  auto host = m_machine.HostPathOf(m_process, path);
  return host && disk.IsAdministratorsOnly(*host);
}

DWORD SimFiles::GetAttributes(std::string_view path) {
  auto lock = m_machine.Lock();
  FileSystem& disk = m_machine.Disk();
  auto host = m_machine.HostPathOf(m_process, path);
  std::error_code ec;
  if (!host || !std::filesystem::exists(*host, ec)) return plat::kInvalidFileAttributes;
  if (std::filesystem::is_directory(*host, ec)) return plat::kFileAttributeDirectory;
  DWORD attributes = disk.HiddenSystem(*host) | (disk.IsReadOnly(*host) ? plat::kFileAttributeReadOnly : 0);
  return attributes ? attributes : plat::kFileAttributeNormal;
}

bool SimFiles::SetAttributes(std::string_view path, DWORD attributes) {
  auto lock = m_machine.Lock();
  FileSystem& disk = m_machine.Disk();
  auto host = m_machine.HostPathOf(m_process, path);
  std::error_code ec;
  if (!host || !std::filesystem::exists(*host, ec)) return false;
  std::string full = m_machine.PathOf(m_process, path);
  disk.SetReadOnly(full, (attributes & plat::kFileAttributeReadOnly) != 0);
  disk.SetHiddenSystem(full, attributes & (plat::kFileAttributeHidden | plat::kFileAttributeSystem));
  return true;
}

// The parsed profile file, or null when it cannot be read. As on Windows,
// a file once read is kept until it changes: a change through the machine,
// or another size or time of the host file.
std::shared_ptr<const ProfileFile> SimFiles::ReadProfile(std::string_view path) {
  FileSystem& disk = m_machine.Disk();
  auto host = m_machine.HostPathOf(m_process, path);
  std::error_code ec;
  if (!host || disk.IsDenied(*host) || !std::filesystem::is_regular_file(*host, ec)) return nullptr;
  CachedProfile stamp{disk.Generation(), disk.CodePage(), std::filesystem::file_size(*host, ec),
                      std::filesystem::last_write_time(*host, ec), nullptr};
  constexpr size_t kKeptProfiles = 16;
  if (m_profiles.size() >= kKeptProfiles && !m_profiles.contains(host->string())) m_profiles.clear();
  CachedProfile& cached = m_profiles[host->string()];
  if (cached.file && cached.generation == stamp.generation && cached.codePage == stamp.codePage &&
      cached.size == stamp.size && cached.written == stamp.written)
    return cached.file;
  stamp.file = std::make_shared<const ProfileFile>(ProfileBytesAsAnsi(ReadHostFile(*host), disk.CodePage()));
  cached = stamp;
  return cached.file;
}

std::optional<std::string> SimFiles::ProfileValue(std::string_view section, std::string_view key,
                                                  std::string_view path) {
  auto profile = ReadProfile(path);
  if (!profile) return std::nullopt;
  FileSystem& disk = m_machine.Disk();
  return profile->Find(disk.ToAnsi(section), disk.ToAnsi(key));
}

UINT SimFiles::GetProfileInt(std::string_view section, std::string_view key, int defaultValue,
                             std::string_view path) {
  auto lock = m_machine.Lock();
  auto value = ProfileValue(section, key, path);
  if (!value || value->empty()) return static_cast<UINT>(defaultValue);
  return ProfileIntOf(*value);
}

DWORD SimFiles::GetProfileString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue, std::string& out, DWORD bufferSize,
                                 std::string_view path) {
  auto lock = m_machine.Lock();
  FileSystem& disk = m_machine.Disk();
  out.clear();
  if (bufferSize == 0) return 0;
  auto value = ProfileValue(section, key, path);
  std::string ansi;
  if (value) {
    ansi = std::move(*value);
  } else {
    // The default loses its trailing blanks.
    ansi = disk.ToAnsi(defaultValue);
    while (!ansi.empty() && ansi.back() == ' ') ansi.pop_back();
  }
  ansi.resize(AnsiPrefixLength(ansi, bufferSize - 1, disk.CodePage()));
  out = disk.FromAnsi(ansi);
  return static_cast<DWORD>(ansi.size());
}

}  // namespace sim
