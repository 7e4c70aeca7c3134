// The user's proxy for the WinHTTP download, from the Internet Options as
// the control panel keeps them: a fixed proxy with its bypass list, and a
// proxy script whose lookup ends with the download's deadline. The proxy
// is a small server on 127.0.0.1 that answers the whole addresses it is asked for.
#include <gtest/gtest.h>

#include <string>

#include "platform/Download.h"
#include "platform/win32/DownloadWin32.h"
#include "platform/win32/ProxyWin32.h"
#include "tests/contract/TinyHttpServer.h"

namespace {

constexpr const wchar_t* kConnectionsKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Connections";
constexpr const wchar_t* kSettingsValue = L"DefaultConnectionSettings";
// A name that never resolves: only a proxy can fetch it.
constexpr const char* kUnresolvable = "http://dir.velk.invalid:8000/list";

// The Internet Options' record for the user's connections: version 0x46,
// a counter, the flags (1 direct, 2 proxy, 4 script, 8 detection), then
// each text with its length; the user's own record comes back afterwards.
class UserProxyOptions {
 public:
  UserProxyOptions(DWORD flags, const std::string& proxy, const std::string& bypass,
                   const std::string& script) {
    ::RegCreateKeyExW(HKEY_CURRENT_USER, kConnectionsKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                      &m_key, nullptr);
    DWORD size = 0;
    if (::RegQueryValueExW(m_key, kSettingsValue, nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS) {
      m_saved.resize(size);
      ::RegQueryValueExW(m_key, kSettingsValue, nullptr, nullptr, reinterpret_cast<BYTE*>(m_saved.data()),
                         &size);
      m_hadValue = true;
    }
    std::string record;
    auto put = [&record](DWORD value) { record.append(reinterpret_cast<const char*>(&value), sizeof value); };
    auto text = [&](const std::string& value) {
      put(static_cast<DWORD>(value.size()));
      record += value;
    };
    put(0x46);
    put(1);
    put(flags);
    text(proxy);
    text(bypass);
    text(script);
    record.append(32, '\0');
    ::RegSetValueExW(m_key, kSettingsValue, 0, REG_BINARY, reinterpret_cast<const BYTE*>(record.data()),
                     static_cast<DWORD>(record.size()));
  }
  ~UserProxyOptions() {
    if (m_hadValue)
      ::RegSetValueExW(m_key, kSettingsValue, 0, REG_BINARY, reinterpret_cast<const BYTE*>(m_saved.data()),
                       static_cast<DWORD>(m_saved.size()));
    else
      ::RegDeleteValueW(m_key, kSettingsValue);
    ::RegCloseKey(m_key);
  }
  UserProxyOptions(const UserProxyOptions&) = delete;
  UserProxyOptions& operator=(const UserProxyOptions&) = delete;

 private:
  HKEY m_key = nullptr;
  bool m_hadValue = false;
  std::string m_saved;
};

constexpr DWORD kProxyFlag = 2, kScriptFlag = 4;

class ProxyWin32Check : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_proxy.Listening());
    m_file = TinyHttpServer::ScratchFile("dorvanta-proxy-check.txt");
  }
  void TearDown() override { ::DeleteFileA(m_file.c_str()); }
  LONG Fetch(win32::DownloadWin32& download, const std::string& url) {
    ::DeleteFileA(m_file.c_str());
    return download.DownloadToFile(url, m_file);
  }
  std::string Text() const { return TinyHttpServer::FileText(m_file); }

  TinyHttpServer m_proxy;
  std::string m_file;
};

TEST_F(ProxyWin32Check, FixedProxyAndItsBypassListFromTheInternetOptions) {
  UserProxyOptions options(kProxyFlag, m_proxy.Authority(), "*.corp.invalid;127.0.0.1", "");
  plat::UserProxySettings settings = win32::ReadUserProxySettings();
  EXPECT_FALSE(settings.bAutoDetect);
  EXPECT_EQ(settings.proxy, m_proxy.Authority());
  EXPECT_EQ(settings.bypass, "*.corp.invalid;127.0.0.1");
  m_proxy.Answer(kUnresolvable, "200 OK", "", "through the proxy");
  m_proxy.Answer("/direct", "200 OK", "", "directly");
  win32::DownloadWin32 userSettings(false);
  EXPECT_EQ(Fetch(userSettings, kUnresolvable), plat::kDownloadOk);
  EXPECT_EQ(Text(), "through the proxy");
  EXPECT_EQ(Fetch(userSettings, m_proxy.Url("/direct")), plat::kDownloadOk);
  EXPECT_EQ(Text(), "directly");

  // The system's automatic proxy, where it has one, follows the same settings.
  win32::DownloadWin32 system;
  EXPECT_EQ(Fetch(system, kUnresolvable), plat::kDownloadOk);
  EXPECT_EQ(Text(), "through the proxy");
}

TEST_F(ProxyWin32Check, ProxyScriptNamesTheProxyAndItsLookUpEndsWithTheDeadline) {
  m_proxy.Answer("/proxy.pac", "200 OK", "Content-Type: application/x-ns-proxy-autoconfig\r\n",
                 "function FindProxyForURL(url, host) { return \"PROXY " + m_proxy.Authority() + "\"; }");
  m_proxy.Answer(kUnresolvable, "200 OK", "", "by the script");
  win32::DownloadWin32 userSettings(false);
  {
    UserProxyOptions options(kScriptFlag, "", "", m_proxy.Url("/proxy.pac"));
    EXPECT_EQ(win32::ReadUserProxySettings().autoConfigUrl, m_proxy.Url("/proxy.pac"));
    EXPECT_EQ(Fetch(userSettings, kUnresolvable), plat::kDownloadOk);
    EXPECT_EQ(Text(), "by the script");
  }
  // A script server that takes the connection and never answers.
  SilentListener silent;
  ASSERT_TRUE(silent.Listening());
  UserProxyOptions options(kScriptFlag, "", "", silent.Url("/proxy.pac"));
  DWORD start = ::GetTickCount();
  EXPECT_EQ(Fetch(userSettings, kUnresolvable), plat::kDownloadFailed);
  DWORD elapsed = ::GetTickCount() - start;
  EXPECT_GE(elapsed, plat::kDownloadDeadlineMs - 500);
  EXPECT_LT(elapsed, plat::kDownloadDeadlineMs + 2000);
}

}  // namespace
