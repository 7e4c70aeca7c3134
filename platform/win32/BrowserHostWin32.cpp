#include "platform/win32/BrowserHostWin32.h"

#include <new>

#include "platform/win32/WinText.h"

// After the Windows headers.
#include <mshtml.h>
#include <ocidl.h>
#include <oleidl.h>

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

  // IDispatch: the control's events.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    if (id == kDispDocumentComplete)
      ::SendMessageW(m_dialog, plat::kWmControlEvent, static_cast<WPARAM>(m_controlId),
                     plat::kEventDocumentComplete);
    return S_OK;
  }

 private:
  HWND m_placeholder;
  HWND m_dialog;
  int m_controlId;
  ULONG m_references = 1;
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
