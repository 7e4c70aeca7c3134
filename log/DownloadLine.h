// The dial log's line for a download: where from and to, and how it went.
#pragma once

#include <string_view>

#include "framework/CString.h"
#include "platform/Download.h"

CString DownloadLine(std::string_view url, std::string_view localPath, LONG nResult,
                     const plat::DownloadReport& report);
