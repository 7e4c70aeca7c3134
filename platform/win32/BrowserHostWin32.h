// The system's web-browser control hosted in a dialog's placeholder window
// through a minimal OLE site; its events reach the dialog as
// plat::kWmControlEvent. The site turns off ActiveX controls, Java,
// behaviours and file downloads (scripts stay), and a confined control keeps
// its top page on its hosts and opens no window.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/BrowserHost.h"
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

// The browsers of every open dialog, by placeholder window. The control is
// created late: a shown placeholder gets it once its dialog has first been
// painted, a hidden one when something first asks for it. What is asked of
// a control before then is kept, in order, and done once it is in place.
class BrowserHosts {
 public:
  using Action = std::function<void(BrowserHost&)>;

  void Reserve(HWND dialog, int controlId);
  // After a dialog's first paint: hosts its shown placeholders and those
  // that something has asked of; the others, when first asked.
  void HostShown(HWND dialog);
  // Runs the action on the placeholder's control now, or once it is hosted;
  // dropped where the placeholder has no browser or the control failed.
  void WhenHosted(HWND placeholder, Action action);
  // The hosted control, without hosting it.
  BrowserHost* Find(HWND placeholder);
  void ForgetChildrenOf(HWND dialog);

 private:
  struct Entry {
    HWND dialog;
    int controlId;
    bool painted = false;  // its dialog has been painted
    bool tried = false;    // hosting was attempted
    std::unique_ptr<BrowserHost> host;
    std::vector<Action> pending;
  };
  void HostEntry(HWND placeholder, Entry& entry);
  std::map<HWND, Entry> m_hosts;
};

}  // namespace win32
