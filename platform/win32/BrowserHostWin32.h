// The system's web-browser control hosted in a dialog's placeholder window
// through a minimal OLE site; its events reach the dialog as
// plat::kWmControlEvent. The site turns off ActiveX controls, Java,
// behaviours and file downloads (scripts stay), and a confined control keeps
// its top page on its hosts and opens no window.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/WindowSystem.h"
#include "platform/win32/ComPtr.h"

namespace win32 {

class BrowserSite;

class BrowserHost {
 public:
  // Null when the control cannot be created or activated here.
  static std::unique_ptr<BrowserHost> Create(HWND placeholder, HWND dialog, int controlId);
  ~BrowserHost();
  BrowserHost(const BrowserHost&) = delete;
  BrowserHost& operator=(const BrowserHost&) = delete;

  bool Navigate(std::string_view url);
  bool SetVisible(bool visible);
  std::unique_ptr<plat::IBrowserDocument> Document();
  void Confine(std::vector<std::string> hosts);
  std::optional<std::string> NextRefused();

 private:
  BrowserHost() = default;
  HRESULT Invoke(DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result);

  // OLE for this thread while the control lives; declared first, ended last.
  struct OleSession {
    OleSession();
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
    ~OleSession();
    bool initialized;
  } m_ole;
  ComPtr<BrowserSite> m_site;
  ComPtr<IOleObject> m_object;
  ComPtr<IDispatch> m_control;
  ComPtr<IConnectionPoint> m_events;
  DWORD m_cookie = 0;
};

// The hosted browsers of every open dialog, by placeholder window.
class BrowserHosts {
 public:
  void Host(HWND dialog, int controlId);
  BrowserHost* Find(HWND placeholder);
  void ForgetChildrenOf(HWND dialog);

 private:
  struct Entry {
    HWND dialog;
    std::unique_ptr<BrowserHost> host;
  };
  std::map<HWND, Entry> m_hosts;
};

}  // namespace win32
