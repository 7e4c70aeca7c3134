// One open file: lines in, text out, with the text-mode translation.
#pragma once

#include <string>

#include "platform/Files.h"
#include "platform/win32/WinHandles.h"

namespace win32 {

class FileWin32 final : public plat::IFile {
 public:
  FileWin32(UniqueFile handle, bool textMode, bool flushOnClose = false, bool append = false)
      : m_handle(std::move(handle)), m_textMode(textMode), m_flushOnClose(flushOnClose), m_append(append) {}

  bool ReadLine(std::string& line) override;
  bool Write(std::string_view text) override;
  bool Close() override;
  std::uint64_t GetLength() override;

 private:
  bool Fill();           // reads the next chunk; false at the end of the file
  void DropReadAhead();  // moves the file pointer back to what was consumed

  UniqueFile m_handle;
  bool m_textMode;
  bool m_flushOnClose;
  bool m_append;
  bool m_writeFailed = false;
  std::string m_buffer;  // bytes read from disk, not yet returned
  size_t m_pos = 0;
};

}  // namespace win32
