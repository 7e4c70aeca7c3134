// The WinHTTP download against a small HTTP server on 127.0.0.1 in this
// process: a body is written whole, and a body past the size bound, a
// redirect to another scheme, more than ten redirects or an error status
// fail without a file. The user's proxy (the same server) comes from the
// Internet Options: a fixed proxy with its bypass list, or a proxy script.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/Download.h"
#include "platform/win32/DownloadWin32.h"
#include "platform/win32/ProxyWin32.h"
#include "tests/contract/TinyHttpServer.h"

namespace {

// A name that never resolves: only a proxy can fetch it.
constexpr const char* kUnresolvable = "http://dir.velk.invalid:8000/list";
constexpr DWORD kProxyFlag = 2, kScriptFlag = 4;

// The Internet Options' record: version 0x46, a counter, the flags (2 proxy, 4 script, 8 detection),
// each text after its length, room for the rest; removed afterwards (the test prefix has none).
class UserProxyOptions {
 public:
  UserProxyOptions(DWORD flags, const std::string& proxy, const std::string& bypass,
                   const std::string& script) {
    ::RegCreateKeyExW(HKEY_CURRENT_USER,
                      L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Connections", 0,
                      nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &m_key, nullptr);
    std::string record;
    auto put = [&record](DWORD value) { record.append(reinterpret_cast<const char*>(&value), sizeof value); };
    for (DWORD value : {0x46UL, 1UL, flags}) put(value);
    for (const std::string& text : {proxy, bypass, script}) {
      put(static_cast<DWORD>(text.size()));
      record += text;
    }
    record.append(32, '\0');
    ::RegSetValueExW(m_key, kValue, 0, REG_BINARY, reinterpret_cast<const BYTE*>(record.data()),
                     static_cast<DWORD>(record.size()));
  }
  ~UserProxyOptions() {
    ::RegDeleteValueW(m_key, kValue);
    ::RegCloseKey(m_key);
  }
  UserProxyOptions(const UserProxyOptions&) = delete;
  UserProxyOptions& operator=(const UserProxyOptions&) = delete;

 private:
  static constexpr const wchar_t* kValue = L"DefaultConnectionSettings";
  HKEY m_key = nullptr;
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
  LONG FetchUrl(win32::DownloadWin32& download, const std::string& url) {
    ::DeleteFileA(m_file.c_str());
    return download.DownloadToFile(url, m_file, m_report);
  }
  bool FileExists() const { return ::GetFileAttributesA(m_file.c_str()) != INVALID_FILE_ATTRIBUTES; }
  std::string FileText() const {
    std::ifstream in(m_file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  void Redirect(const std::string& from, const std::string& to) {
    m_server.Answer(from, "302 Found", "Location: " + to + "\r\n", "");
  }

  TinyHttpServer m_server;
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

TEST_F(DownloadWin32Check, UserProxyFromTheInternetOptions) {
  win32::DownloadWin32 userSettings(false);
  {
    UserProxyOptions options(kProxyFlag, m_server.Authority(), "*.corp.invalid;127.0.0.1", "");
    plat::UserProxySettings settings = win32::ReadUserProxySettings();
    EXPECT_FALSE(settings.bAutoDetect);
    EXPECT_EQ(settings.proxy, m_server.Authority());
    EXPECT_EQ(settings.bypass, "*.corp.invalid;127.0.0.1");
    m_server.Answer(kUnresolvable, "200 OK", "", "through the proxy");
    m_server.Answer("/direct", "200 OK", "", "directly");
    EXPECT_EQ(FetchUrl(userSettings, kUnresolvable), plat::kDownloadOk);
    EXPECT_EQ(FileText(), "through the proxy");
    EXPECT_EQ(m_report.proxy, "proxy " + m_server.Authority() + ", bypassing *.corp.invalid;127.0.0.1");
    EXPECT_EQ(FetchUrl(userSettings, m_server.Url("/direct")), plat::kDownloadOk);
    EXPECT_EQ(FileText(), "directly");
    // The system's automatic proxy, where it has one, follows the same settings.
    EXPECT_EQ(FetchUrl(m_download, kUnresolvable), plat::kDownloadOk);
    EXPECT_EQ(FileText(), "through the proxy");
  }
  // A proxy script names the proxy; its lookup ends with the download's deadline.
  m_server.Answer("/proxy.pac", "200 OK", "Content-Type: application/x-ns-proxy-autoconfig\r\n",
                  "function FindProxyForURL(url, host) { return \"PROXY " + m_server.Authority() + "\"; }");
  m_server.Answer(kUnresolvable, "200 OK", "", "by the script");
  {
    UserProxyOptions options(kScriptFlag, "", "", m_server.Url("/proxy.pac"));
    EXPECT_EQ(win32::ReadUserProxySettings().autoConfigUrl, m_server.Url("/proxy.pac"));
    EXPECT_EQ(FetchUrl(userSettings, kUnresolvable), plat::kDownloadOk);
    EXPECT_EQ(FileText(), "by the script");
  }
  TinyHttpServer silent(false);
  ASSERT_TRUE(silent.Listening());
  UserProxyOptions options(kScriptFlag, "", "", silent.Url("/proxy.pac"));
  DWORD start = ::GetTickCount();
  EXPECT_EQ(FetchUrl(userSettings, kUnresolvable), plat::kDownloadFailed);
  EXPECT_EQ(static_cast<int>(m_report.failure), static_cast<int>(plat::DownloadFailure::kDeadline));
  DWORD elapsed = ::GetTickCount() - start;
  EXPECT_GE(elapsed, plat::kDownloadDeadlineMs - 500);
  EXPECT_LT(elapsed, plat::kDownloadDeadlineMs + 2000);
}

}  // namespace
