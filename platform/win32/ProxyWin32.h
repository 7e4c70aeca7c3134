// The user's proxy for a WinHTTP download: the system's automatic proxy
// where the system has one (Windows 8.1 on, which also follows the user's
// settings), else the signed-in user's Internet Options, whose proxy
// detection or script is run within the download's time.
#pragma once

#include <string>

#include "platform/ProxyChoice.h"
#include "platform/win32/WinApi.h"
#include "platform/win32/WinHandles.h"

// After the Windows headers.
#include <winhttp.h>

namespace win32 {

struct InternetTraits {
  static HINTERNET Invalid() { return nullptr; }
  static void Close(HINTERNET h) { ::WinHttpCloseHandle(h); }
};
using UniqueInternet = UniqueWinHandle<HINTERNET, InternetTraits>;

// The Internet Options of the user this process runs as.
plat::UserProxySettings ReadUserProxySettings();

class UserProxySession {
 public:
  // A session for url; a lookup of its proxy ends within timeoutMs. With
  // bSystemProxy false the user's settings are read even where the system
  // has its automatic proxy.
  UserProxySession(const std::wstring& url, DWORD timeoutMs, bool bSystemProxy);

  HINTERNET Get() const { return m_session.Get(); }
  explicit operator bool() const { return static_cast<bool>(m_session); }
  // How the session reaches hosts: "system's automatic proxy", "proxy
  // HOST:PORT" or "direct".
  std::string Describe() const { return m_described; }

 private:
  bool OpenFromSettings(const std::wstring& url, DWORD timeoutMs);
  // What a detection or script finds for url replaces proxy and bypass.
  void LookUp(const std::wstring& url, const plat::ProxyPlan& plan, DWORD timeoutMs, std::wstring& proxy,
              std::wstring& bypass);

  UniqueInternet m_session;
  std::string m_described;
};

}  // namespace win32
