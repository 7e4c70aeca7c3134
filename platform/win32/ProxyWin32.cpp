#include "platform/win32/ProxyWin32.h"

#include "platform/win32/WinText.h"

namespace win32 {

namespace {

constexpr DWORD kAutomaticProxy = 4;  // WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY, Windows 8.1 on
constexpr const wchar_t* kAgent = L"Dorvanta";

// The text of a string WinHTTP handed over, freed here.
std::string TakeText(LPWSTR text) {
  if (text == nullptr) return {};
  std::string utf8 = WideToUtf8(text);
  ::GlobalFree(text);
  return utf8;
}

// Windows 8.1 (6.3) and later, by the version the kernel reports whatever
// the manifest says.
bool SystemHasAutomaticProxy() {
  using RtlGetVersionCall = LONG(WINAPI*)(OSVERSIONINFOW*);
  auto getVersion = reinterpret_cast<RtlGetVersionCall>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof(version);
  if (getVersion == nullptr || getVersion(&version) != 0) return false;
  return version.dwMajorVersion > 6 || (version.dwMajorVersion == 6 && version.dwMinorVersion >= 3);
}

}  // namespace

plat::UserProxySettings ReadUserProxySettings() {
  WINHTTP_CURRENT_USER_IE_PROXY_CONFIG config{};
  if (!::WinHttpGetIEProxyConfigForCurrentUser(&config)) return {};
  plat::UserProxySettings settings;
  settings.bAutoDetect = config.fAutoDetect != FALSE;
  settings.autoConfigUrl = TakeText(config.lpszAutoConfigUrl);
  settings.proxy = TakeText(config.lpszProxy);
  settings.bypass = TakeText(config.lpszProxyBypass);
  return settings;
}

UserProxySession::UserProxySession(const std::wstring& url, DWORD timeoutMs, bool bSystemProxy) {
  if (bSystemProxy && SystemHasAutomaticProxy()) {
    m_session.Reset(
        ::WinHttpOpen(kAgent, kAutomaticProxy, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    m_described = "system's automatic proxy";
    if (m_session) return;
  }
  OpenFromSettings(url, timeoutMs);
}

// A lookup's answer, or else the fixed proxy, goes into the session, which
// applies its bypass list to every host (redirects included).
bool UserProxySession::OpenFromSettings(const std::wstring& url, DWORD timeoutMs) {
  plat::ProxyPlan plan = plat::PlanProxy(ReadUserProxySettings());
  std::wstring proxy = Utf8ToWide(plan.proxy), bypass = Utf8ToWide(plan.bypass);
  if (plan.bDetect || !plan.scriptUrl.empty()) LookUp(url, plan, timeoutMs, proxy, bypass);
  m_described = proxy.empty() ? std::string("direct") : "proxy " + WideToUtf8(proxy);
  if (!proxy.empty() && !bypass.empty()) m_described += ", bypassing " + WideToUtf8(bypass);
  if (proxy.empty())
    m_session.Reset(::WinHttpOpen(kAgent, WINHTTP_ACCESS_TYPE_NO_PROXY, WINHTTP_NO_PROXY_NAME,
                                  WINHTTP_NO_PROXY_BYPASS, 0));
  else
    m_session.Reset(::WinHttpOpen(kAgent, WINHTTP_ACCESS_TYPE_NAMED_PROXY, proxy.c_str(),
                                  bypass.empty() ? WINHTTP_NO_PROXY_BYPASS : bypass.c_str(), 0));
  return static_cast<bool>(m_session);
}

// Detection first, then the script, as the browser's settings read; the
// script's download and the detection's waits end by the deadline too.
void UserProxySession::LookUp(const std::wstring& url, const plat::ProxyPlan& plan, DWORD timeoutMs,
                              std::wstring& proxy, std::wstring& bypass) {
  UniqueInternet lookUp(
      ::WinHttpOpen(kAgent, WINHTTP_ACCESS_TYPE_NO_PROXY, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
  int timeout = static_cast<int>(timeoutMs);
  if (!lookUp || !::WinHttpSetTimeouts(lookUp.Get(), timeout, timeout, timeout, timeout)) return;
  WINHTTP_AUTOPROXY_OPTIONS detect{};
  detect.dwFlags = WINHTTP_AUTOPROXY_AUTO_DETECT;
  detect.dwAutoDetectFlags = WINHTTP_AUTO_DETECT_TYPE_DHCP | WINHTTP_AUTO_DETECT_TYPE_DNS_A;
  detect.fAutoLogonIfChallenged = TRUE;
  std::wstring script = Utf8ToWide(plan.scriptUrl);
  WINHTTP_AUTOPROXY_OPTIONS fromScript{};
  fromScript.dwFlags = WINHTTP_AUTOPROXY_CONFIG_URL;
  fromScript.lpszAutoConfigUrl = script.c_str();
  fromScript.fAutoLogonIfChallenged = TRUE;
  WINHTTP_PROXY_INFO info{};
  bool found = (plan.bDetect && ::WinHttpGetProxyForUrl(lookUp.Get(), url.c_str(), &detect, &info)) ||
               (!script.empty() && ::WinHttpGetProxyForUrl(lookUp.Get(), url.c_str(), &fromScript, &info));
  if (!found) return;
  std::string foundProxy = TakeText(info.lpszProxy), foundBypass = TakeText(info.lpszProxyBypass);
  // A script may answer DIRECT: then no proxy at all.
  bool named = info.dwAccessType == WINHTTP_ACCESS_TYPE_NAMED_PROXY;
  proxy = named ? Utf8ToWide(foundProxy) : std::wstring();
  bypass = named ? Utf8ToWide(foundBypass) : std::wstring();
}

}  // namespace win32
