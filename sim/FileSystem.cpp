#include "sim/FileSystem.h"

#include <iconv.h>

#include <cctype>
#include <fstream>
#include <sstream>
#include <vector>

#include "sim/AsciiCase.h"

namespace sim {

namespace {

std::vector<std::string> SplitPath(std::string_view path) {
  std::vector<std::string> parts;
  std::string current;
  for (char c : path) {
    if (c == '\\' || c == '/') {
      if (!current.empty()) parts.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) parts.push_back(current);
  return parts;
}

}  // namespace

FileSystem::FileSystem(std::filesystem::path root) : m_root(std::move(root)) {
  std::filesystem::create_directories(m_root / "C");
}

std::string FileSystem::Join(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && path.back() != '\\') path += '\\';
  path += name;
  return path;
}

std::string FileSystem::FolderOf(std::string_view windowsPath) {
  size_t slash = windowsPath.find_last_of('\\');
  return slash == std::string_view::npos ? std::string() : std::string(windowsPath.substr(0, slash));
}

std::optional<std::filesystem::path> FileSystem::HostPath(std::string_view windowsPath,
                                                          std::string_view currentDir) const {
  std::string full(windowsPath);
  bool absolute = full.size() >= 2 && full[1] == ':';
  if (!absolute) full = Join(currentDir, windowsPath);
  if (full.size() < 2 || std::toupper(static_cast<unsigned char>(full[0])) != 'C' || full[1] != ':')
    return std::nullopt;
  std::vector<std::string> parts = SplitPath(std::string_view(full).substr(2));
  std::filesystem::path host = m_root / "C";
  for (const std::string& part : parts) {
    if (part == ".") continue;
    if (part == "..") {
      if (host != m_root / "C") host = host.parent_path();
      continue;
    }
    std::filesystem::path next = host / part;
    std::error_code ec;
    if (!std::filesystem::exists(next, ec) && std::filesystem::is_directory(host, ec)) {
      std::string wanted = AsciiLower(part);
      for (const auto& entry : std::filesystem::directory_iterator(host, ec)) {
        if (AsciiLower(entry.path().filename().string()) == wanted) {
          next = entry.path();
          break;
        }
      }
    }
    host = next;
  }
  return host;
}

void FileSystem::DenyAccess(const std::string& windowsPath) {
  if (auto host = HostPath(windowsPath, "C:\\")) m_denied.insert(AsciiLower(host->string()));
}

bool FileSystem::IsDenied(const std::filesystem::path& hostPath) const {
  // A denied folder denies everything inside it.
  for (std::filesystem::path p = hostPath; !p.empty() && p != p.root_path(); p = p.parent_path())
    if (m_denied.count(AsciiLower(p.string()))) return true;
  return false;
}

void FileSystem::SetReadOnly(const std::string& windowsPath, bool readOnly) {
  auto host = HostPath(windowsPath, "C:\\");
  if (!host) return;
  if (readOnly)
    m_readOnly.insert(AsciiLower(host->string()));
  else
    m_readOnly.erase(AsciiLower(host->string()));
}

void FileSystem::SetAdministratorsOnly(const std::filesystem::path& hostPath, bool restricted) {
  std::string key = AsciiLower(hostPath.string());
  m_userReads.erase(key);
  if (restricted)
    m_adminOnly.insert(key);
  else
    m_adminOnly.erase(key);
}

bool FileSystem::IsAdministratorsOnly(const std::filesystem::path& hostPath) const {
  std::string key = AsciiLower(hostPath.string());
  return m_adminOnly.count(key) > 0 && m_userReads.count(key) == 0;
}

void FileSystem::SetAdministratorsAndUser(const std::filesystem::path& hostPath) {
  std::string key = AsciiLower(hostPath.string());
  m_adminOnly.insert(key);
  m_userReads.insert(key);
}

bool FileSystem::IsAdministratorsAndUser(const std::filesystem::path& hostPath) const {
  return m_userReads.count(AsciiLower(hostPath.string())) > 0;
}

void FileSystem::SetHeldExclusively(const std::filesystem::path& hostPath, bool held) {
  if (held)
    m_held.insert(AsciiLower(hostPath.string()));
  else
    m_held.erase(AsciiLower(hostPath.string()));
}

bool FileSystem::IsHeldExclusively(const std::filesystem::path& hostPath) const {
  return m_held.count(AsciiLower(hostPath.string())) > 0;
}

bool FileSystem::IsReadOnly(const std::filesystem::path& hostPath) const {
  return m_readOnly.count(AsciiLower(hostPath.string())) > 0;
}

void FileSystem::SetHiddenSystem(const std::string& windowsPath, unsigned bits) {
  auto host = HostPath(windowsPath, "C:\\");
  if (!host) return;
  if (bits)
    m_hiddenSystem[AsciiLower(host->string())] = bits;
  else
    m_hiddenSystem.erase(AsciiLower(host->string()));
}

unsigned FileSystem::HiddenSystem(const std::filesystem::path& hostPath) const {
  auto it = m_hiddenSystem.find(AsciiLower(hostPath.string()));
  return it == m_hiddenSystem.end() ? 0 : it->second;
}

std::string FileSystem::Key(const std::filesystem::path& hostPath) {
  return AsciiLower(hostPath.string());
}

void FileSystem::FailNext(const std::filesystem::path& hostPath, FileCall call, int times) {
  m_failures[{Key(hostPath), call}] = times;
}

bool FileSystem::TakeFailure(const std::filesystem::path& hostPath, FileCall call) {
  auto found = m_failures.find({Key(hostPath), call});
  if (found == m_failures.end()) return false;
  if (--found->second <= 0) m_failures.erase(found);
  return true;
}

void FileSystem::NoteMoved(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (WasExposed(from)) NoteExposed(to);
}

bool FileSystem::WriteBytes(std::string_view windowsPath, std::string_view bytes) {
  auto host = HostPath(windowsPath, "C:\\");
  if (!host) return false;
  std::filesystem::create_directories(host->parent_path());
  NoteChange();
  std::ofstream out(*host, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

std::optional<std::string> FileSystem::ReadBytes(std::string_view windowsPath) const {
  auto host = HostPath(windowsPath, "C:\\");
  std::error_code ec;
  if (!host || !std::filesystem::is_regular_file(*host, ec)) return std::nullopt;
  std::ifstream in(*host, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

bool FileSystem::MakeFolder(std::string_view windowsPath) {
  auto host = HostPath(windowsPath, "C:\\");
  std::error_code ec;
  return host && (std::filesystem::create_directories(*host, ec) || std::filesystem::is_directory(*host, ec));
}

const char* CharsetOfCodePage(int codePage) {
  switch (codePage) {
    case 936:
      return "CP936";
    case 949:
      return "CP949";
    case 1252:
      return "CP1252";
    default:
      return "UTF-8";
  }
}

std::string ConvertText(std::string_view text, const char* from, const char* to) {
  if (std::string_view(from) == to || text.empty()) return std::string(text);
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(text);
  std::string out(text.size() * 4 + 16, '\0');
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  char* outPtr = out.data();
  size_t outLeft = out.size();
  while (inLeft > 0) {
    if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1)) break;
    // Some converters fail only after taking a bad sequence at the very end:
    // then nothing is left to keep.
    if (inLeft == 0 || outLeft == 0) break;
    // A byte the charset cannot convert is kept as it is.
    *outPtr++ = *in++;
    --outLeft;
    --inLeft;
  }
  iconv_close(cd);
  out.resize(out.size() - outLeft);
  return out;
}

bool FileSystem::CanConvertToAnsi(std::string_view utf8) const {
  const char* charset = CharsetOfCodePage(m_codePage);
  if (utf8.empty() || std::string_view(charset) == "UTF-8") return true;
  iconv_t cd = iconv_open(charset, "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::string out(utf8.size() * 4 + 16, '\0');
  char* in = const_cast<char*>(utf8.data());
  size_t inLeft = utf8.size();
  char* outPtr = out.data();
  size_t outLeft = out.size();
  bool converted = iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1);
  iconv_close(cd);
  return converted && inLeft == 0;
}

std::string FileSystem::ToAnsi(std::string_view utf8) const {
  return ConvertText(utf8, "UTF-8", CharsetOfCodePage(m_codePage));
}

std::string FileSystem::FromAnsi(std::string_view ansi) const {
  return ConvertText(ansi, CharsetOfCodePage(m_codePage), "UTF-8");
}

}  // namespace sim
