// Port: URL download to a file.
#pragma once

#include <string_view>

#include "platform/WinTypes.h"

namespace plat {

constexpr LONG kDownloadOk = 0;
constexpr LONG kDownloadFailed = static_cast<LONG>(0x800C0008);  // INET_E_DOWNLOAD_FAILURE

// Bounds of every download: past any of them it fails.
constexpr DWORD kDownloadDeadlineMs = 10000;      // from the call to the last byte
constexpr DWORD kMaxDownloadBytes = 1024 * 1024;  // the body
constexpr int kMaxDownloadRedirects = 10;         // to http or https only

class IDownload {
 public:
  virtual ~IDownload() = default;
  // Fetches url (http or https) into the local file; 0 on success. Blocks
  // the calling thread for kDownloadDeadlineMs at most; a window thread
  // keeps its windows painted meanwhile. The file is written only when the
  // whole body has come in time.
  virtual LONG DownloadToFile(std::string_view url, std::string_view localPath) = 0;
};

}  // namespace plat
