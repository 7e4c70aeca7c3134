#include "platform/win32/FileWin32.h"

#include "platform/win32/WinText.h"

namespace win32 {

namespace {
constexpr DWORD kChunk = 4096;
}

bool FileWin32::Fill() {
  if (!m_handle) return false;
  char chunk[kChunk];
  DWORD read = 0;
  if (!::ReadFile(m_handle.Get(), chunk, kChunk, &read, nullptr) || read == 0) return false;
  m_buffer.erase(0, m_pos);
  m_pos = 0;
  m_buffer.append(chunk, read);
  return true;
}

bool FileWin32::ReadLine(std::string& line) {
  size_t end = m_buffer.find('\n', m_pos);
  while (end == std::string::npos) {
    size_t scanned = m_buffer.size() - m_pos;
    if (!Fill()) break;
    end = m_buffer.find('\n', scanned);
  }
  if (m_pos >= m_buffer.size()) return false;  // nothing left, not even a last line without a break

  size_t next = end == std::string::npos ? m_buffer.size() : end + 1;
  std::string_view raw(m_buffer.data() + m_pos, (end == std::string::npos ? m_buffer.size() : end) - m_pos);
  m_pos = next;
  if (!m_textMode) {
    line.assign(raw);
    return true;
  }
  if (end != std::string::npos && !raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
  line = AnsiToUtf8(raw);
  return true;
}

void FileWin32::DropReadAhead() {
  size_t unread = m_buffer.size() - m_pos;
  if (unread > 0) {
    LARGE_INTEGER back{};
    back.QuadPart = -static_cast<LONGLONG>(unread);
    ::SetFilePointerEx(m_handle.Get(), back, nullptr, FILE_CURRENT);
  }
  m_buffer.clear();
  m_pos = 0;
}

bool FileWin32::Write(std::string_view text) {
  if (!m_handle) return false;
  DropReadAhead();
  std::string bytes;
  if (m_textMode) {
    std::string ansi = Utf8ToAnsi(text);
    bytes.reserve(ansi.size() + ansi.size() / 8);
    for (char ch : ansi) {
      if (ch == '\n') bytes += '\r';
      bytes += ch;
    }
  } else {
    bytes.assign(text);
  }
  if (m_append) {
    LARGE_INTEGER none{};
    ::SetFilePointerEx(m_handle.Get(), none, nullptr, FILE_END);
  }
  DWORD written = 0;
  bool ok = bytes.empty() ||
            (::WriteFile(m_handle.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
             written == bytes.size());
  if (!ok) m_writeFailed = true;
  return ok;
}

std::uint64_t FileWin32::GetLength() {
  LARGE_INTEGER size{};
  if (!m_handle || !::GetFileSizeEx(m_handle.Get(), &size)) return 0;
  return static_cast<std::uint64_t>(size.QuadPart);
}

bool FileWin32::Close() {
  if (!m_handle) return !m_writeFailed;
  if (m_flushOnClose && !::FlushFileBuffers(m_handle.Get())) m_writeFailed = true;
  bool closed = ::CloseHandle(m_handle.Release()) != FALSE;
  return closed && !m_writeFailed;
}

}  // namespace win32
