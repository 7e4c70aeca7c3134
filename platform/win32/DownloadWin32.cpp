#include "platform/win32/DownloadWin32.h"

#include "platform/win32/WinApi.h"
#include "platform/win32/WinText.h"

// After the Windows headers.
#include <urlmon.h>

namespace win32 {

LONG DownloadWin32::DownloadToFile(std::string_view url, std::string_view localPath) {
  return ::URLDownloadToFileW(nullptr, Utf8ToWide(url).c_str(), Utf8ToWide(localPath).c_str(), 0, nullptr);
}

}  // namespace win32
