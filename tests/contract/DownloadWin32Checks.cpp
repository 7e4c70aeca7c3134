// The WinHTTP download against a small HTTP server on 127.0.0.1 in this
// process: a body is written whole, and a body past the size bound, a
// redirect to another scheme, more than ten redirects or an error status
// fail without a file.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

#include "platform/Download.h"
#include "platform/win32/DownloadWin32.h"
#include "platform/win32/WinApi.h"
#include "platform/win32/WinHandles.h"

// After the Windows headers.
#include <winsock2.h>

namespace {

struct SocketTraits {
  static SOCKET Invalid() { return INVALID_SOCKET; }
  static void Close(SOCKET s) { ::closesocket(s); }
};
using UniqueSocket = win32::UniqueWinHandle<SOCKET, SocketTraits>;

// Answers each path with a fixed response, one request per connection.
class TinyServer {
 public:
  TinyServer() {
    WSADATA data{};
    ::WSAStartup(MAKEWORD(2, 2), &data);
    m_listener.Reset(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof(address);
    if (::bind(m_listener.Get(), reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::listen(m_listener.Get(), 8) != 0 ||
        ::getsockname(m_listener.Get(), reinterpret_cast<sockaddr*>(&address), &length) != 0)
      return;
    m_port = ntohs(address.sin_port);
    m_thread.Reset(::CreateThread(nullptr, 0, Run, this, 0, nullptr));
  }
  ~TinyServer() {
    m_stop = true;
    if (m_thread) ::WaitForSingleObject(m_thread.Get(), INFINITE);
    m_listener.Reset();
    ::WSACleanup();
  }
  void Answer(const std::string& path, const std::string& status, const std::string& headers,
              const std::string& body) {
    m_responses[path] = "HTTP/1.1 " + status +
                        "\r\nConnection: close\r\nContent-Length: " + std::to_string(body.size()) + "\r\n" +
                        headers + "\r\n" + body;
  }
  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
  }
  bool Listening() const { return m_thread.Get() != nullptr; }

 private:
  static DWORD WINAPI Run(void* self) {
    static_cast<TinyServer*>(self)->Serve();
    return 0;
  }
  void Serve() {
    while (!m_stop) {
      fd_set ready;
      FD_ZERO(&ready);
      FD_SET(m_listener.Get(), &ready);
      timeval slice{0, 50 * 1000};
      if (::select(0, &ready, nullptr, nullptr, &slice) != 1) continue;
      UniqueSocket client(::accept(m_listener.Get(), nullptr, nullptr));
      if (client) Reply(client.Get());
    }
  }
  void Reply(SOCKET client) {
    std::string request;
    char buffer[1024];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 16384) {
      int got = ::recv(client, buffer, sizeof(buffer), 0);
      if (got <= 0) return;
      request.append(buffer, got);
    }
    std::string method, path;
    std::istringstream(request) >> method >> path;
    auto found = m_responses.find(path);
    std::string response = found != m_responses.end() ? found->second
                                                      : "HTTP/1.1 404 Not Found\r\nConnection: close\r\n"
                                                        "Content-Length: 0\r\n\r\n";
    for (size_t sent = 0; sent < response.size();) {
      int n = ::send(client, response.data() + sent, static_cast<int>(response.size() - sent), 0);
      if (n <= 0) return;
      sent += n;
    }
    ::shutdown(client, SD_SEND);
  }

  UniqueSocket m_listener;
  win32::UniqueHandle m_thread;
  std::atomic<bool> m_stop{false};
  int m_port = 0;
  std::map<std::string, std::string> m_responses;
};

class DownloadWin32Check : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_server.Listening());
    char folder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, folder);
    m_file = std::string(folder) + "dorvanta-download-check.txt";
    ::DeleteFileA(m_file.c_str());
  }
  void TearDown() override { ::DeleteFileA(m_file.c_str()); }
  LONG Fetch(const std::string& path) {
    return m_download.DownloadToFile(m_server.Url(path), m_file, m_report);
  }
  // What the report told of the last fetch.
  void ExpectReport(plat::DownloadFailure failure, int status, DWORD bytes) {
    EXPECT_EQ(static_cast<int>(m_report.failure), static_cast<int>(failure));
    EXPECT_EQ(m_report.status, status);
    EXPECT_EQ(m_report.bytes, bytes);
    EXPECT_LT(m_report.elapsedMs, plat::kDownloadDeadlineMs);
  }
  bool FileExists() const { return ::GetFileAttributesA(m_file.c_str()) != INVALID_FILE_ATTRIBUTES; }
  std::string FileText() const {
    std::ifstream in(m_file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  void Redirect(const std::string& from, const std::string& to) {
    m_server.Answer(from, "302 Found", "Location: " + to + "\r\n", "");
  }

  TinyServer m_server;
  win32::DownloadWin32 m_download;
  plat::DownloadReport m_report;
  std::string m_file;
};

TEST_F(DownloadWin32Check, WholeBodyIsWrittenAndOverSizedOneFails) {
  m_server.Answer("/list", "200 OK", "", "Seoul 1=10.0.0.1\r\n");
  m_server.Answer("/big", "200 OK", "", std::string(plat::kMaxDownloadBytes + 1, 'x'));
  EXPECT_EQ(Fetch("/list"), plat::kDownloadOk);
  ExpectReport(plat::DownloadFailure::kNone, 200, 18);
  EXPECT_EQ(FileText(), "Seoul 1=10.0.0.1\r\n");
  ::DeleteFileA(m_file.c_str());
  EXPECT_EQ(Fetch("/big"), plat::kDownloadFailed);
  EXPECT_EQ(static_cast<int>(m_report.failure), static_cast<int>(plat::DownloadFailure::kTooLong));
  EXPECT_GT(m_report.bytes, plat::kMaxDownloadBytes);
  EXPECT_FALSE(FileExists());
  EXPECT_EQ(Fetch("/missing"), plat::kDownloadFailed);
  ExpectReport(plat::DownloadFailure::kStatus, 404, 0);
  EXPECT_FALSE(FileExists());
}

TEST_F(DownloadWin32Check, RedirectsStayWithinHttpAndTen) {
  for (int hop = 0; hop <= plat::kMaxDownloadRedirects; ++hop)
    Redirect("/r" + std::to_string(hop), m_server.Url("/r" + std::to_string(hop + 1)));
  m_server.Answer("/r" + std::to_string(plat::kMaxDownloadRedirects + 1), "200 OK", "", "end");
  Redirect("/ftp", "ftp://127.0.0.1/list");
  EXPECT_EQ(Fetch("/r1"), plat::kDownloadOk);  // ten redirects
  EXPECT_EQ(FileText(), "end");
  ::DeleteFileA(m_file.c_str());
  EXPECT_EQ(Fetch("/r0"), plat::kDownloadFailed);  // eleven
  EXPECT_EQ(static_cast<int>(m_report.failure), static_cast<int>(plat::DownloadFailure::kRedirects));
  EXPECT_EQ(Fetch("/ftp"), plat::kDownloadFailed);
  EXPECT_FALSE(FileExists());
  // Windows refuses the redirect to ftp; Wine follows it as http (a 404
  // here). The check states Windows' answer, and Wine's departure is
  // reported as its tests mark todo_wine, an agreeing Wine failing as an
  // unexpected pass.
  bool windowsAnswer = m_report.failure == plat::DownloadFailure::kRedirects;
  HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
  if (ntdll == nullptr || ::GetProcAddress(ntdll, "wine_get_version") == nullptr)
    EXPECT_TRUE(windowsAnswer) << "status " << m_report.status;
  else if (windowsAnswer)
    ADD_FAILURE() << "unexpected pass under Wine: it refuses a redirect to ftp";
  else
    std::printf("todo_wine: Wine follows a redirect to ftp as http (status %d)\n", m_report.status);
}

}  // namespace
