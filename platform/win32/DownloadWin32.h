// URL download with WinHTTP on a worker thread, bounded in time and size.
#pragma once

#include "platform/Download.h"

namespace win32 {

class DownloadWin32 final : public plat::IDownload {
 public:
  using plat::IDownload::DownloadToFile;
  LONG DownloadToFile(std::string_view url, std::string_view localPath,
                      plat::DownloadReport& report) override;
};

}  // namespace win32
