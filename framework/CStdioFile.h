// Line-oriented files over the files port.
#pragma once

#include <memory>

#include "framework/CString.h"
#include "platform/Files.h"

class CFile {
 public:
  enum OpenFlags : unsigned {
    modeRead = 0x0,
    modeWrite = 0x1,
    modeReadWrite = 0x2,
    modeCreate = 0x1000,
    modeNoTruncate = 0x2000,
    typeText = 0x4000,
    // Created for Administrators and SYSTEM alone, unshared, flushed at Close.
    modeProtected = 0x10000,
  };
  static bool Remove(plat::IFiles& files, const CString& path);
};

class CStdioFile : public CFile {
 public:
  explicit CStdioFile(plat::IFiles& files) : m_files(files) {}
  CStdioFile(const CStdioFile&) = delete;
  CStdioFile& operator=(const CStdioFile&) = delete;
  ~CStdioFile() { Close(); }

  // False when the file cannot be opened; nothing is read or written then.
  bool Open(const CString& path, unsigned flags);
  bool IsOpen() const { return m_file != nullptr; }
  // One line without its line break; false at the end.
  bool ReadString(CString& line);
  bool WriteString(const CString& text);
  // False when the written data could not be stored.
  bool Close();

 private:
  plat::IFiles& m_files;
  std::unique_ptr<plat::IFile> m_file;
};
