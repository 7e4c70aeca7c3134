#include "log/DownloadLine.h"

namespace {

CString FailureText(const plat::DownloadReport& report) {
  CString strText;
  switch (report.failure) {
    case plat::DownloadFailure::kDeadline:
      strText.Format("the %lu s deadline passed",
                     static_cast<unsigned long>(plat::kDownloadDeadlineMs / 1000));
      break;
    case plat::DownloadFailure::kTooLong:
      strText.Format("the body passed %lu bytes", static_cast<unsigned long>(plat::kMaxDownloadBytes));
      break;
    case plat::DownloadFailure::kRedirects:
      strText.Format("more than %d redirects, or one to another scheme", plat::kMaxDownloadRedirects);
      break;
    case plat::DownloadFailure::kStatus:
      strText = "the answer was no page";
      break;
    case plat::DownloadFailure::kNoAnswer:
      if (report.systemError != 0)
        strText.Format("no answer (error %lu)", static_cast<unsigned long>(report.systemError));
      else
        strText = "no answer";
      break;
    case plat::DownloadFailure::kBadUrl:
      strText = "not an http or https address";
      break;
    case plat::DownloadFailure::kLocalFile:
      strText = "the file could not be written";
      break;
    case plat::DownloadFailure::kNone:
      strText = "no reason given";
      break;
  }
  return strText;
}

}  // namespace

CString DownloadLine(std::string_view url, std::string_view localPath, LONG nResult,
                     const plat::DownloadReport& report) {
  CString strLine;
  strLine.Format("download \"%.*s\" to \"%.*s\": ", static_cast<int>(url.size()), url.data(),
                 static_cast<int>(localPath.size()), localPath.data());
  CString strFacts;
  strFacts.Format("status %d, %lu bytes, %lu ms", report.status, static_cast<unsigned long>(report.bytes),
                  static_cast<unsigned long>(report.elapsedMs));
  if (!report.proxy.empty()) strFacts += (", " + report.proxy).c_str();
  if (nResult == plat::kDownloadOk) return strLine + strFacts.View();
  return strLine + "failed, " + FailureText(report).View() + " (" + strFacts.View() + ")";
}
