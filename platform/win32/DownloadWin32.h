// URL download with WinHTTP on a worker thread, bounded in time and size.
#pragma once

#include "platform/Download.h"

namespace win32 {

// Through the user's proxy: the system's automatic one where it exists,
// else the user's Internet Options (with bSystemProxy false, those always).
class DownloadWin32 final : public plat::IDownload {
 public:
  explicit DownloadWin32(bool bSystemProxy = true) : m_bSystemProxy(bSystemProxy) {}
  using plat::IDownload::DownloadToFile;
  LONG DownloadToFile(std::string_view url, std::string_view localPath,
                      plat::DownloadReport& report) override;

 private:
  bool m_bSystemProxy;
};

}  // namespace win32
