#include "platform/win32/FilesWin32.h"

#include "platform/win32/FileWin32.h"
#include "platform/win32/WinText.h"

namespace win32 {

namespace {

// Length of the longest prefix of ansi within limit bytes that ends on a
// character boundary of the ANSI code page.
size_t AnsiPrefixLength(std::string_view ansi, size_t limit) {
  size_t length = 0;
  while (length < ansi.size()) {
    size_t step = ::IsDBCSLeadByte(static_cast<BYTE>(ansi[length])) ? 2 : 1;
    if (length + step > limit) break;
    length += step;
  }
  return length;
}

}  // namespace

std::unique_ptr<plat::IFile> FilesWin32::Open(std::string_view path, unsigned mode) {
  DWORD access = 0;
  if (mode & plat::kModeRead) access |= GENERIC_READ;
  if (mode & plat::kModeWrite) access |= GENERIC_WRITE;
  DWORD disposition = OPEN_EXISTING;
  if (mode & plat::kModeCreate) disposition = (mode & plat::kModeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
  UniqueFile handle(::CreateFileW(Utf8ToWide(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle) return nullptr;
  return std::make_unique<FileWin32>(std::move(handle), (mode & plat::kModeText) != 0);
}

bool FilesWin32::Delete(std::string_view path) {
  return ::DeleteFileW(Utf8ToWide(path).c_str()) != FALSE;
}

bool FilesWin32::Replace(std::string_view source, std::string_view target) {
  return ::MoveFileExW(Utf8ToWide(source).c_str(), Utf8ToWide(target).c_str(), MOVEFILE_REPLACE_EXISTING) !=
         FALSE;
}

DWORD FilesWin32::GetAttributes(std::string_view path) {
  return ::GetFileAttributesW(Utf8ToWide(path).c_str());
}

bool FilesWin32::SetAttributes(std::string_view path, DWORD attributes) {
  return ::SetFileAttributesW(Utf8ToWide(path).c_str(), attributes) != FALSE;
}

UINT FilesWin32::GetProfileInt(std::string_view section, std::string_view key, int defaultValue,
                               std::string_view path) {
  return ::GetPrivateProfileIntW(Utf8ToWide(section).c_str(), Utf8ToWide(key).c_str(), defaultValue,
                                 Utf8ToWide(path).c_str());
}

// The whole value is read through the W call; bufferSize then cuts it as the
// A call would, counting bytes of the ANSI code page.
DWORD FilesWin32::GetProfileString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue, std::string& out, DWORD bufferSize,
                                   std::string_view path) {
  out.clear();
  if (bufferSize == 0) return 0;
  std::wstring wSection = Utf8ToWide(section), wKey = Utf8ToWide(key), wDefault = Utf8ToWide(defaultValue),
               wPath = Utf8ToWide(path);
  std::wstring value(256, L'\0');
  for (;;) {
    auto size = static_cast<DWORD>(value.size());
    DWORD length = ::GetPrivateProfileStringW(wSection.c_str(), wKey.c_str(), wDefault.c_str(), value.data(),
                                              size, wPath.c_str());
    if (length < size - 1 || size >= 0x10000) {
      value.resize(length);
      break;
    }
    value.assign(size * 2, L'\0');
  }
  std::string ansi = Utf8ToAnsi(WideToUtf8(value));
  ansi.resize(AnsiPrefixLength(ansi, bufferSize - 1));
  out = AnsiToUtf8(ansi);
  return static_cast<DWORD>(ansi.size());
}

}  // namespace win32
