// Port: URL download to a file.
#pragma once

#include <string>
#include <string_view>

#include "platform/WinTypes.h"

namespace plat {

constexpr LONG kDownloadOk = 0;
constexpr LONG kDownloadFailed = static_cast<LONG>(0x800C0008);  // INET_E_DOWNLOAD_FAILURE

// Bounds of every download: past any of them it fails.
constexpr DWORD kDownloadDeadlineMs = 10000;      // from the call to the last byte
constexpr DWORD kMaxDownloadBytes = 1024 * 1024;  // the body
constexpr int kMaxDownloadRedirects = 10;         // to http or https only

// What ended a download that failed.
enum class DownloadFailure {
  kNone,
  kDeadline,   // kDownloadDeadlineMs passed
  kTooLong,    // the body passed kMaxDownloadBytes
  kRedirects,  // more than kMaxDownloadRedirects, or to another scheme
  kStatus,     // an answer other than 2xx
  kNoAnswer,   // no connection, or the connection ended without an answer
  kBadUrl,     // not an http or https URL
  kLocalFile,  // the body came but the file could not be written
};

// How a download went, as far as the program came to know it.
struct DownloadReport {
  DownloadFailure failure = DownloadFailure::kNone;
  int status = 0;         // the last HTTP status received; 0 when none came
  DWORD bytes = 0;        // body bytes received
  DWORD elapsedMs = 0;    // from the call to its return
  DWORD systemError = 0;  // the system's error code behind kNoAnswer, where it gives one
  std::string proxy;      // how the host was reached: "direct", "proxy HOST:PORT", ...; empty when unknown
};

class IDownload {
 public:
  virtual ~IDownload() = default;
  // Fetches url (http or https) into the local file; 0 on success. Blocks
  // the calling thread for kDownloadDeadlineMs at most; a window thread
  // keeps its windows painted meanwhile. The file is written only when the
  // whole body has come in time.
  virtual LONG DownloadToFile(std::string_view url, std::string_view localPath, DownloadReport& report) = 0;
  LONG DownloadToFile(std::string_view url, std::string_view localPath) {
    DownloadReport report;
    return DownloadToFile(url, localPath, report);
  }
};

}  // namespace plat
