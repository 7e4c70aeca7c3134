#include "framework/CStdioFile.h"

bool CFile::Remove(plat::IFiles& files, const CString& path) {
  return files.Delete(path.View());
}

bool CStdioFile::Open(const CString& path, unsigned flags) {
  Close();
  unsigned mode = 0;
  if ((flags & 0x3) == modeRead) mode |= plat::kModeRead;
  if ((flags & 0x3) == modeWrite) mode |= plat::kModeWrite;
  if ((flags & 0x3) == modeReadWrite) mode |= plat::kModeReadWrite;
  if (flags & modeCreate) mode |= plat::kModeCreate;
  if (flags & modeNoTruncate) mode |= plat::kModeNoTruncate;
  if (flags & typeText) mode |= plat::kModeText;
  if (flags & modeProtected) mode |= plat::kModeProtected;
  m_file = m_files.Open(path.View(), mode);
  return m_file != nullptr;
}

bool CStdioFile::ReadString(CString& line) {
  if (!m_file) return false;
  std::string text;
  if (!m_file->ReadLine(text)) return false;
  line = CString(std::move(text));
  return true;
}

bool CStdioFile::WriteString(const CString& text) {
  return m_file && m_file->Write(text.View());
}

bool CStdioFile::Close() {
  if (!m_file) return true;
  bool ok = m_file->Close();
  m_file.reset();
  return ok;
}
