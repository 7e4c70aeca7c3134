// Port: URL download to a file.
#pragma once

#include <string_view>

#include "platform/WinTypes.h"

namespace plat {

constexpr LONG kDownloadOk = 0;
constexpr LONG kDownloadFailed = static_cast<LONG>(0x800C0008);  // INET_E_DOWNLOAD_FAILURE

class IDownload {
 public:
  virtual ~IDownload() = default;
  // Fetches url into the local file; 0 on success.
  virtual LONG DownloadToFile(std::string_view url, std::string_view localPath) = 0;
};

}  // namespace plat
