#include "platform/win32/BrowserHostWin32.h"

#include <deque>
#include <new>

#include "platform/UrlHost.h"
#include "platform/win32/WinText.h"

// After the Windows headers.
#include <downloadmgr.h>
#include <mshtmdid.h>
#include <mshtml.h>
#include <ocidl.h>
#include <oleidl.h>
#include <servprov.h>

namespace win32 {

namespace {

// {8856F961-340A-11D0-A96B-00C04FD705A2}
constexpr CLSID kClsidWebBrowser = {
    0x8856F961, 0x340A, 0x11D0, {0xA9, 0x6B, 0x00, 0xC0, 0x4F, 0xD7, 0x05, 0xA2}};
// DWebBrowserEvents2 {34A715A0-6587-11D0-924A-0020AFC7AC4D}
constexpr IID kDiidBrowserEvents = {
    0x34A715A0, 0x6587, 0x11D0, {0x92, 0x4A, 0x00, 0x20, 0xAF, 0xC7, 0xAC, 0x4D}};
// IHTMLDocument2 {332C4425-26CB-11D0-B483-00C04FD90119}
constexpr IID kIidHtmlDocument2 = {
    0x332C4425, 0x26CB, 0x11D0, {0xB4, 0x83, 0x00, 0xC0, 0x4F, 0xD9, 0x01, 0x19}};
// IHTMLBodyElement {3050F1D8-98B5-11CF-BB82-00AA00BDCE0B}
constexpr IID kIidHtmlBodyElement = {
    0x3050F1D8, 0x98B5, 0x11CF, {0xBB, 0x82, 0x00, 0xAA, 0x00, 0xBD, 0xCE, 0x0B}};

constexpr DISPID kDispNavigate = 104;
constexpr DISPID kDispDocument = 203;
constexpr DISPID kDispVisible = 402;
constexpr DISPID kDispDocumentComplete = 259;
constexpr DISPID kDispBeforeNavigate2 = 250;
constexpr DISPID kDispNewWindow2 = 251;
constexpr DISPID kDispNewWindow3 = 273;

// {988934A4-064B-11D3-BB80-00104B35E7F9}: IDownloadManager, also its service id.
constexpr IID kIidDownloadManager = {
    0x988934A4, 0x064B, 0x11D3, {0xBB, 0x80, 0x00, 0x10, 0x4B, 0x35, 0xE7, 0xF9}};

// Pictures, videos and sounds load, scripts run; no ActiveX control is
// downloaded or run, no Java, no behaviours.
constexpr LONG kDownloadControl = DLCTL_DLIMAGES | DLCTL_VIDEOS | DLCTL_BGSOUNDS | DLCTL_NO_JAVA |
                                  DLCTL_NO_DLACTIVEXCTLS | DLCTL_NO_RUNACTIVEXCTLS | DLCTL_NO_BEHAVIORS;

// The site's download manager: every file download from the control ends
// here and is dropped, so no download prompt appears.
class NoDownloads final : public IDownloadManager {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, kIidDownloadManager)) return E_NOINTERFACE;
    *out = static_cast<IDownloadManager*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = --m_references;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE Download(IMoniker*, IBindCtx*, DWORD, LONG, BINDINFO*, LPCOLESTR, LPCOLESTR,
                                     UINT) override {
    return S_OK;
  }

 private:
  ULONG m_references = 1;
};

// The argument of an event at position index from the first, by value;
// null when it is missing or of another type.
VARIANT* EventArgument(DISPPARAMS* params, UINT index, VARTYPE type) {
  if (params == nullptr || index >= params->cArgs) return nullptr;
  VARIANT* argument = &params->rgvarg[params->cArgs - 1 - index];
  if (argument->vt == (VT_VARIANT | VT_BYREF) && argument->pvarVal != nullptr) argument = argument->pvarVal;
  return argument->vt == type ? argument : nullptr;
}

void Cancel(DISPPARAMS* params, UINT index) {
  if (VARIANT* cancel = EventArgument(params, index, VT_BOOL | VT_BYREF); cancel && cancel->pboolVal)
    *cancel->pboolVal = VARIANT_TRUE;
}

// The top document as the dialer holds it; released with its owner.
class BrowserDocument final : public plat::IBrowserDocument {
 public:
  explicit BrowserDocument(ComPtr<IDispatch> document) : m_document(std::move(document)) {}

  bool SetBodyScroll(std::string_view value) override {
    auto html = m_document.As<IHTMLDocument2>(kIidHtmlDocument2);
    if (!html) return false;
    ComPtr<IHTMLElement> body;
    if (FAILED(html->get_body(body.Put())) || !body) return false;
    auto bodyElement = body.As<IHTMLBodyElement>(kIidHtmlBodyElement);
    if (!bodyElement) return false;
    UniqueBstr scroll(Utf8ToWide(value).c_str());
    return SUCCEEDED(bodyElement->put_scroll(scroll.Get()));
  }

 private:
  ComPtr<IDispatch> m_document;
};

}  // namespace

// The control's container: client site, in-place site and frame, and the
// sink of its events. Reference-counted; the control holds it while hosted.
class BrowserSite final : public IOleClientSite,
                          public IOleInPlaceSite,
                          public IOleInPlaceFrame,
                          public IServiceProvider,
                          public IDispatch {
 public:
  BrowserSite(HWND placeholder, HWND dialog, int controlId)
      : m_placeholder(placeholder), m_dialog(dialog), m_controlId(controlId) {}
  virtual ~BrowserSite() = default;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite))
      *out = static_cast<IOleClientSite*>(this);
    else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite))
      *out = static_cast<IOleInPlaceSite*>(this);
    else if (IsEqualIID(iid, IID_IOleInPlaceUIWindow) || IsEqualIID(iid, IID_IOleInPlaceFrame))
      *out = static_cast<IOleInPlaceFrame*>(this);
    else if (IsEqualIID(iid, IID_IServiceProvider))
      *out = static_cast<IServiceProvider*>(this);
    else if (IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, kDiidBrowserEvents))
      *out = static_cast<IDispatch*>(this);
    if (*out == nullptr) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = --m_references;
    if (left == 0) delete this;
    return left;
  }

  // IOleClientSite
  HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override {
    *container = nullptr;
    return E_NOINTERFACE;
  }
  HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

  // IOleWindow
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
    *window = m_placeholder;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // IOleInPlaceSite
  HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                             LPRECT position, LPRECT clip,
                                             LPOLEINPLACEFRAMEINFO info) override {
    AddRef();
    *frame = this;
    *document = nullptr;
    ::GetClientRect(m_placeholder, position);
    ::GetClientRect(m_placeholder, clip);
    info->fMDIApp = FALSE;
    info->hwndFrame = m_dialog;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return S_OK; }

  // IOleInPlaceUIWindow and IOleInPlaceFrame
  HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

  // IServiceProvider: the download manager the control asks for.
  HRESULT STDMETHODCALLTYPE QueryService(REFGUID service, REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (!IsEqualGUID(service, kIidDownloadManager)) return E_NOINTERFACE;
    auto downloads = ComPtr<NoDownloads>::Adopt(new (std::nothrow) NoDownloads());
    if (!downloads) return E_OUTOFMEMORY;
    return downloads->QueryInterface(iid, out);
  }

  // Confinement, set by the host.
  void Confine(std::vector<std::string> hosts, IUnknown* top) {
    m_hosts = std::move(hosts);
    m_top = top;
  }
  void ForgetTop() { m_top = nullptr; }
  std::optional<std::string> NextRefused() {
    if (m_refused.empty()) return std::nullopt;
    std::string url = std::move(m_refused.front());
    m_refused.pop_front();
    return url;
  }

  // IDispatch: the ambient download control, and the control's events.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO*, UINT*) override {
    if (id == DISPID_AMBIENT_DLCONTROL) {
      if (result == nullptr) return E_POINTER;
      ::VariantInit(result);
      result->vt = VT_I4;
      result->lVal = kDownloadControl;
      return S_OK;
    }
    if (id == kDispDocumentComplete)
      ::SendMessageW(m_dialog, plat::kWmControlEvent, static_cast<WPARAM>(m_controlId),
                     plat::kEventDocumentComplete);
    if (id == kDispBeforeNavigate2) OnBeforeNavigate(params);
    // The first asks with the address, the second without: both refused.
    if (id == kDispNewWindow3) {
      Cancel(params, 1);
      VARIANT* url = EventArgument(params, 4, VT_BSTR);
      Refuse(url && url->bstrVal ? WideToUtf8(url->bstrVal) : std::string());
    }
    if (id == kDispNewWindow2) Cancel(params, 1);
    return S_OK;
  }

 private:
  // A frame leaving the hosts is stopped; the top page leaving them is
  // stopped and its address handed to the owner.
  void OnBeforeNavigate(DISPPARAMS* params) {
    if (!m_hosts) return;
    VARIANT* url = EventArgument(params, 1, VT_BSTR);
    std::string address = url && url->bstrVal ? WideToUtf8(url->bstrVal) : std::string();
    if (plat::UrlOnHosts(address, *m_hosts)) return;
    Cancel(params, 6);
    if (IsTop(EventArgument(params, 0, VT_DISPATCH))) Refuse(std::move(address));
  }

  bool IsTop(VARIANT* browser) const {
    if (browser == nullptr || browser->pdispVal == nullptr || m_top == nullptr) return false;
    ComPtr<IUnknown> identity;
    browser->pdispVal->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(identity.Put()));
    return identity.Get() == m_top;
  }

  void Refuse(std::string url) {
    if (!m_hosts) return;
    m_refused.push_back(std::move(url));
    ::PostMessageW(m_dialog, plat::kWmControlEvent, static_cast<WPARAM>(m_controlId),
                   plat::kEventNavigationRefused);
  }

  HWND m_placeholder;
  HWND m_dialog;
  int m_controlId;
  ULONG m_references = 1;
  std::optional<std::vector<std::string>> m_hosts;
  std::deque<std::string> m_refused;
  IUnknown* m_top = nullptr;  // the control's identity, not owned
};

BrowserHost::OleSession::OleSession() : initialized(SUCCEEDED(::OleInitialize(nullptr))) {}

BrowserHost::OleSession::~OleSession() {
  if (initialized) ::OleUninitialize();
}

std::unique_ptr<BrowserHost> BrowserHost::Create(HWND placeholder, HWND dialog, int controlId) {
  std::unique_ptr<BrowserHost> host(new BrowserHost());
  host->m_site = ComPtr<BrowserSite>::Adopt(new (std::nothrow) BrowserSite(placeholder, dialog, controlId));
  if (!host->m_site) return nullptr;
  if (FAILED(::CoCreateInstance(kClsidWebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                reinterpret_cast<void**>(host->m_object.Put()))))
    return nullptr;
  IOleClientSite* site = host->m_site.Get();
  if (FAILED(host->m_object->SetClientSite(site))) return nullptr;
  if (auto control = host->m_object.As<IOleControl>(IID_IOleControl))
    control->OnAmbientPropertyChange(DISPID_AMBIENT_DLCONTROL);
  RECT rect{};
  ::GetClientRect(placeholder, &rect);
  if (FAILED(host->m_object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site, 0, placeholder, &rect)))
    return nullptr;
  host->m_control = host->m_object.As<IDispatch>(IID_IDispatch);
  if (!host->m_control) return nullptr;
  auto points = host->m_object.As<IConnectionPointContainer>(IID_IConnectionPointContainer);
  if (points && SUCCEEDED(points->FindConnectionPoint(kDiidBrowserEvents, host->m_events.Put())))
    if (FAILED(host->m_events->Advise(static_cast<IDispatch*>(host->m_site.Get()), &host->m_cookie)))
      host->m_events.Reset();
  return host;
}

BrowserHost::~BrowserHost() {
  if (m_site) m_site->ForgetTop();
  if (m_events && m_cookie) m_events->Unadvise(m_cookie);
  m_events.Reset();
  m_control.Reset();
  if (m_object) {
    m_object->Close(OLECLOSE_NOSAVE);
    m_object->SetClientSite(nullptr);
  }
  m_object.Reset();
  m_site.Reset();
}

HRESULT BrowserHost::Invoke(DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result) {
  return m_control->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, nullptr, nullptr);
}

bool BrowserHost::Navigate(std::string_view url) {
  UniqueBstr address(Utf8ToWide(url).c_str());
  // Flags, target frame, post data and headers all refer to one empty variant.
  VARIANT empty;
  ::VariantInit(&empty);
  VARIANT args[5];
  for (int i = 0; i < 4; ++i) {
    ::VariantInit(&args[i]);
    args[i].vt = VT_VARIANT | VT_BYREF;
    args[i].pvarVal = &empty;
  }
  ::VariantInit(&args[4]);
  args[4].vt = VT_BSTR;
  args[4].bstrVal = address.Get();
  DISPPARAMS params{args, nullptr, 5, 0};
  return SUCCEEDED(Invoke(kDispNavigate, DISPATCH_METHOD, params, nullptr));
}

bool BrowserHost::SetVisible(bool visible) {
  VARIANT value;
  ::VariantInit(&value);
  value.vt = VT_BOOL;
  value.boolVal = visible ? VARIANT_TRUE : VARIANT_FALSE;
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{&value, &named, 1, 1};
  return SUCCEEDED(Invoke(kDispVisible, DISPATCH_PROPERTYPUT, params, nullptr));
}

std::unique_ptr<plat::IBrowserDocument> BrowserHost::Document() {
  VARIANT result;
  ::VariantInit(&result);
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  if (FAILED(Invoke(kDispDocument, DISPATCH_PROPERTYGET, none, &result))) return nullptr;
  if (result.vt != VT_DISPATCH) {
    ::VariantClear(&result);
    return nullptr;
  }
  // The variant's reference passes to the owner.
  auto document = ComPtr<IDispatch>::Adopt(result.pdispVal);
  if (!document) return nullptr;
  return std::make_unique<BrowserDocument>(std::move(document));
}

void BrowserHost::Confine(std::vector<std::string> hosts) {
  auto identity = m_object.As<IUnknown>(IID_IUnknown);
  m_site->Confine(std::move(hosts), identity.Get());
}

std::optional<std::string> BrowserHost::NextRefused() {
  return m_site->NextRefused();
}

void BrowserHosts::Reserve(HWND dialog, int controlId) {
  HWND placeholder = ::GetDlgItem(dialog, controlId);
  if (placeholder != nullptr) m_hosts[placeholder] = Entry{dialog, controlId};
}

void BrowserHosts::HostShown(HWND dialog) {
  for (auto& [placeholder, entry] : m_hosts) {
    if (entry.dialog != dialog) continue;
    entry.painted = true;
    if (!entry.pending.empty() || ::IsWindowVisible(placeholder)) HostEntry(placeholder, entry);
  }
}

void BrowserHosts::WhenHosted(HWND placeholder, Action action) {
  auto it = m_hosts.find(placeholder);
  if (it == m_hosts.end()) return;
  Entry& entry = it->second;
  if (entry.host) {
    action(*entry.host);
  } else if (!entry.tried) {
    entry.pending.push_back(std::move(action));
    if (entry.painted) HostEntry(placeholder, entry);
  }
}

BrowserHost* BrowserHosts::Find(HWND placeholder) {
  auto it = m_hosts.find(placeholder);
  return it == m_hosts.end() ? nullptr : it->second.host.get();
}

// One attempt per placeholder: where the control cannot be created, it stays blank.
void BrowserHosts::HostEntry(HWND placeholder, Entry& entry) {
  if (entry.tried) return;
  entry.tried = true;
  entry.host = BrowserHost::Create(placeholder, entry.dialog, entry.controlId);
  std::vector<Action> pending = std::move(entry.pending);
  entry.pending.clear();
  if (!entry.host) return;
  for (Action& action : pending) action(*entry.host);
}

void BrowserHosts::ForgetChildrenOf(HWND dialog) {
  std::erase_if(m_hosts, [dialog](const auto& entry) { return entry.second.dialog == dialog; });
}

}  // namespace win32
