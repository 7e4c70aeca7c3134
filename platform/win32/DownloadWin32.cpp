#include "platform/win32/DownloadWin32.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>

#include "platform/win32/ProxyWin32.h"
#include "platform/win32/WinApi.h"
#include "platform/win32/WinHandles.h"
#include "platform/win32/WinText.h"

// After the Windows headers.
#include <winhttp.h>

namespace win32 {

namespace {

// The calling thread peeks at its paint messages this often while it waits.
constexpr DWORD kPaintSliceMs = 100;
constexpr DWORD kReadChunkBytes = 16 * 1024;

// What the caller and the worker share; the worker may outlive the caller's
// wait, so it holds its own reference.
struct Transfer {
  std::wstring url;
  bool bSystemProxy = true;
  DWORD start = 0;  // tick of the call
  std::atomic<bool> abandoned{false};
  UniqueHandle done;
  std::string body;  // written by the worker until done is set
  bool complete = false;
  // What the caller may read at any time, also while the worker still runs.
  std::atomic<int> status{0};
  std::atomic<DWORD> bytes{0};
  std::atomic<plat::DownloadFailure> failure{plat::DownloadFailure::kNone};
  std::atomic<DWORD> systemError{0};

  void SetProxy(std::string described) {
    std::lock_guard lock(proxyMutex);
    proxy = std::move(described);
  }
  std::string Proxy() {
    std::lock_guard lock(proxyMutex);
    return proxy;
  }

 private:
  std::mutex proxyMutex;
  std::string proxy;  // how the worker reaches the host
};

DWORD Remaining(const Transfer& transfer) {
  DWORD elapsed = ::GetTickCount() - transfer.start;
  return elapsed >= plat::kDownloadDeadlineMs ? 0 : plat::kDownloadDeadlineMs - elapsed;
}

bool Expired(const Transfer& transfer) {
  return transfer.abandoned.load() || Remaining(transfer) == 0;
}

// Notes why the transfer failed (the first reason found stands) and fails.
bool Failed(Transfer& transfer, plat::DownloadFailure failure, DWORD systemError = 0) {
  plat::DownloadFailure none = plat::DownloadFailure::kNone;
  if (transfer.failure.compare_exchange_strong(none, failure)) transfer.systemError = systemError;
  return false;
}

// A WinHTTP call failed: the deadline, the redirect bound or no answer.
bool FailedCall(Transfer& transfer) {
  DWORD error = ::GetLastError();
  if (error == ERROR_WINHTTP_TIMEOUT || Expired(transfer))
    return Failed(transfer, plat::DownloadFailure::kDeadline);
  if (error == ERROR_WINHTTP_REDIRECT_FAILED) return Failed(transfer, plat::DownloadFailure::kRedirects);
  return Failed(transfer, plat::DownloadFailure::kNoAnswer, error);
}

struct UrlParts {
  bool secure = false;
  INTERNET_PORT port = 0;
  std::wstring host;
  std::wstring path;  // path and query
};

bool CrackUrl(const std::wstring& url, UrlParts& parts) {
  URL_COMPONENTS components{};
  components.dwStructSize = sizeof(components);
  components.dwHostNameLength = static_cast<DWORD>(-1);
  components.dwUrlPathLength = static_cast<DWORD>(-1);
  components.dwExtraInfoLength = static_cast<DWORD>(-1);
  if (!::WinHttpCrackUrl(url.c_str(), static_cast<DWORD>(url.size()), 0, &components)) return false;
  if (components.nScheme != INTERNET_SCHEME_HTTP && components.nScheme != INTERNET_SCHEME_HTTPS) return false;
  if (components.lpszHostName == nullptr || components.dwHostNameLength == 0) return false;
  parts.secure = components.nScheme == INTERNET_SCHEME_HTTPS;
  parts.port = components.nPort;
  parts.host.assign(components.lpszHostName, components.dwHostNameLength);
  if (components.lpszUrlPath != nullptr)
    parts.path.assign(components.lpszUrlPath, components.dwUrlPathLength);
  if (components.lpszExtraInfo != nullptr)
    parts.path.append(components.lpszExtraInfo, components.dwExtraInfoLength);
  if (parts.path.empty()) parts.path = L"/";
  return true;
}

// Every wait of WinHTTP on the request ends by the deadline (the name lookup
// by the caller's); redirects stay within http and https (WinHTTP follows no
// other scheme, nor https to http), ten at most.
bool Configure(Transfer& transfer, HINTERNET request) {
  int remaining = static_cast<int>(Remaining(transfer));
  if (remaining == 0) return Failed(transfer, plat::DownloadFailure::kDeadline);
  // No timer for the name lookup: Wine would run the lookup on a second
  // pooled thread to time it.
  if (!::WinHttpSetTimeouts(request, 0, remaining, remaining, remaining)) return FailedCall(transfer);
  DWORD redirects = plat::kMaxDownloadRedirects;
  if (!::WinHttpSetOption(request, WINHTTP_OPTION_MAX_HTTP_AUTOMATIC_REDIRECTS, &redirects,
                          sizeof(redirects)))
    return FailedCall(transfer);
  // Each transfer has a session of its own, closed after it, so a connection
  // kept open could never be used again; Wine would keep it, with a
  // collector task on a pool thread, for half a minute.
  DWORD noKeepAlive = WINHTTP_DISABLE_KEEP_ALIVE;
  return ::WinHttpSetOption(request, WINHTTP_OPTION_DISABLE_FEATURE, &noKeepAlive, sizeof(noKeepAlive)) !=
             FALSE ||
         FailedCall(transfer);
}

bool ReadBody(Transfer& transfer, HINTERNET request) {
  DWORD status = 0;
  DWORD size = sizeof(status);
  if (!::WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX))
    return FailedCall(transfer);
  transfer.status = static_cast<int>(status);
  // A redirect still standing after WinHTTP's own is one past its bound.
  if (status >= 300 && status <= 399) return Failed(transfer, plat::DownloadFailure::kRedirects);
  if (status < 200 || status > 299) return Failed(transfer, plat::DownloadFailure::kStatus);
  std::string chunk(kReadChunkBytes, '\0');
  for (;;) {
    if (Expired(transfer)) return Failed(transfer, plat::DownloadFailure::kDeadline);
    DWORD read = 0;
    if (!::WinHttpReadData(request, chunk.data(), kReadChunkBytes, &read)) return FailedCall(transfer);
    if (read == 0) return true;
    transfer.bytes = static_cast<DWORD>(transfer.body.size() + read);
    if (transfer.body.size() + read > plat::kMaxDownloadBytes)
      return Failed(transfer, plat::DownloadFailure::kTooLong);
    transfer.body.append(chunk, 0, read);
  }
}

// The user's proxy is found within the deadline as well.
bool Fetch(Transfer& transfer) {
  UrlParts parts;
  if (!CrackUrl(transfer.url, parts)) return Failed(transfer, plat::DownloadFailure::kBadUrl);
  UserProxySession session(transfer.url, Remaining(transfer), transfer.bSystemProxy);
  transfer.SetProxy(session.Describe());
  if (!session) return FailedCall(transfer);
  if (Expired(transfer)) return Failed(transfer, plat::DownloadFailure::kDeadline);
  UniqueInternet connection(::WinHttpConnect(session.Get(), parts.host.c_str(), parts.port, 0));
  if (!connection) return FailedCall(transfer);
  UniqueInternet request(::WinHttpOpenRequest(connection.Get(), L"GET", parts.path.c_str(), nullptr,
                                              WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
                                              parts.secure ? WINHTTP_FLAG_SECURE : 0));
  if (!request) return FailedCall(transfer);
  if (!Configure(transfer, request.Get())) return false;
  if (!::WinHttpSendRequest(request.Get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0,
                            0))
    return FailedCall(transfer);
  if (Expired(transfer)) return Failed(transfer, plat::DownloadFailure::kDeadline);
  if (!::WinHttpReceiveResponse(request.Get(), nullptr)) return FailedCall(transfer);
  return ReadBody(transfer, request.Get());
}

DWORD WINAPI FetchTask(void* param) {
  std::unique_ptr<std::shared_ptr<Transfer>> owned(static_cast<std::shared_ptr<Transfer>*>(param));
  Transfer& transfer = **owned;
  transfer.complete = Fetch(transfer);
  ::SetEvent(transfer.done.Get());
  return 0;
}

// Waits for the worker until the deadline, the windows of the calling
// thread repainted (and the thread seen as responding) meanwhile; no input
// is dispatched, so no command can start a second time.
bool WaitPainting(const Transfer& transfer) {
  HANDLE done = transfer.done.Get();
  for (;;) {
    DWORD remaining = Remaining(transfer);
    DWORD slice = remaining < kPaintSliceMs ? remaining : kPaintSliceMs;
    DWORD result = ::MsgWaitForMultipleObjects(1, &done, FALSE, slice, QS_PAINT);
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) ::DispatchMessageW(&msg);
    if (result == WAIT_OBJECT_0) return true;
    if (result == WAIT_FAILED || remaining == 0) return false;
  }
}

bool WriteWhole(std::string_view localPath, const std::string& body) {
  UniqueFile file(::CreateFileW(Utf8ToWide(localPath).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  return ::WriteFile(file.Get(), body.data(), static_cast<DWORD>(body.size()), &written, nullptr) &&
         written == body.size();
}

// Runs the transfer on its worker and writes the file from its body.
bool RunTransfer(const std::shared_ptr<Transfer>& transfer, std::string_view localPath) {
  transfer->done.Reset(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!transfer->done) return Failed(*transfer, plat::DownloadFailure::kNoAnswer, ::GetLastError());
  auto param = std::make_unique<std::shared_ptr<Transfer>>(transfer);
  // A pooled worker stays for later tasks (the log's, the browser's), where
  // a thread of its own would be made and ended (and Wine keeps the stack
  // of the last thread that ended).
  if (!::QueueUserWorkItem(FetchTask, param.get(), WT_EXECUTELONGFUNCTION))
    return Failed(*transfer, plat::DownloadFailure::kNoAnswer, ::GetLastError());
  param.release();  // the worker owns its reference now
  if (!WaitPainting(*transfer)) {
    transfer->abandoned = true;
    return Failed(*transfer, plat::DownloadFailure::kDeadline);
  }
  if (!transfer->complete) return false;
  return WriteWhole(localPath, transfer->body) || Failed(*transfer, plat::DownloadFailure::kLocalFile);
}

}  // namespace

// The transfer runs on a worker with WinHTTP; the caller waits for it
// painting, and writes the file only from a whole body that came in time.
// A worker still blocked at the deadline is left to end by its own
// timeouts; it touches nothing but its transfer.
LONG DownloadWin32::DownloadToFile(std::string_view url, std::string_view localPath,
                                   plat::DownloadReport& report) {
  auto transfer = std::make_shared<Transfer>();
  transfer->url = Utf8ToWide(url);
  transfer->bSystemProxy = m_bSystemProxy;
  transfer->start = ::GetTickCount();
  bool written = RunTransfer(transfer, localPath);
  report.failure = transfer->failure.load();
  report.status = transfer->status.load();
  report.bytes = transfer->bytes.load();
  report.systemError = transfer->systemError.load();
  report.proxy = transfer->Proxy();
  report.elapsedMs = ::GetTickCount() - transfer->start;
  return written ? plat::kDownloadOk : plat::kDownloadFailed;
}

}  // namespace win32
