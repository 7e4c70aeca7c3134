#include "log/LogStore.h"

namespace {

constexpr const char* kLogName = "Dorvanta.log";
constexpr const char* kOldLogName = "Dorvanta.old.log";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr unsigned kAppendMode =
    plat::kModeWrite | plat::kModeCreate | plat::kModeNoTruncate | plat::kModeAppend;

}  // namespace

CLogStore::CLogStore(plat::IFiles& files, const std::string& strFolder) : m_files(files) {
  if (strFolder.empty()) return;
  m_strPath = strFolder + "\\" + kLogName;
  m_strOldPath = strFolder + "\\" + kOldLogName;
}

size_t CLogStore::Append(const std::vector<std::string>& lines) {
  size_t nWritten = 0;
  std::string chunk;
  size_t nInChunk = 0;
  for (const std::string& line : lines) {
    if (!EnsureFile()) return nWritten;
    std::uint64_t nAfter = m_nSize + chunk.size() + line.size() + 2;
    if (nAfter > kMaxFileBytes && m_nSize + chunk.size() > kByteOrderMark.size()) {
      if (nInChunk > 0 && !WriteChunk(chunk)) return nWritten;
      nWritten += nInChunk;
      chunk.clear();
      nInChunk = 0;
      if (!BeginNextFile() || !EnsureFile()) return nWritten;
    }
    chunk += line;
    chunk += "\r\n";
    ++nInChunk;
  }
  if (nInChunk == 0 || !WriteChunk(chunk)) return nWritten;
  return nWritten + nInChunk;
}

// The file's length, learnt once; a new file gets its byte-order mark, and
// its list lets the signed-in user read it.
bool CLogStore::EnsureFile() {
  if (m_bKnown) return true;
  if (m_strPath.empty()) return false;
  std::unique_ptr<plat::IFile> file = m_files.Open(m_strPath, kAppendMode);
  if (!file) return false;
  std::uint64_t nLength = file->GetLength();
  bool bWritten = nLength > 0 || file->Write(kByteOrderMark);
  if (!file->Close() || !bWritten) return false;
  if (!m_files.IsRestrictedToAdministratorsAndUser(m_strPath))
    m_files.RestrictToAdministratorsAndUser(m_strPath);
  m_nSize = nLength > 0 ? nLength : kByteOrderMark.size();
  m_bKnown = true;
  return true;
}

// A write that fails leaves the file's length to be learnt again.
bool CLogStore::WriteChunk(const std::string& chunk) {
  std::unique_ptr<plat::IFile> file = m_files.Open(m_strPath, kAppendMode);
  bool bWritten = file && file->Write(chunk);
  if (file && file->Close() && bWritten) {
    m_nSize += chunk.size();
    return true;
  }
  m_bKnown = false;
  return false;
}

bool CLogStore::BeginNextFile() {
  m_bKnown = false;
  return m_files.Replace(m_strPath, m_strOldPath);
}
