#include "platform/win32/AccessibilityWin32.h"

#include <string>

#include "platform/win32/WinText.h"

namespace win32 {

namespace {

// The GUIDs of oleacc.h, defined here so that nothing links oleacc.dll.
constexpr CLSID kClsidAccPropServices = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID kIidAccPropServices = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr IID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
constexpr GUID kPropIdName = {0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
constexpr GUID kPropIdRole = {0xcb905ff2, 0x7bd1, 0x4c05, {0xb3, 0xc8, 0xe6, 0xc2, 0x41, 0x36, 0x4d, 0x70}};

using AccessibleObjectFromWindowFn = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);

VARIANT Self() {
  VARIANT self;
  ::VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  return self;
}

long LongOf(VARIANT& value) {
  long result = value.vt == VT_I4 ? value.lVal : 0;
  ::VariantClear(&value);
  return result;
}

}  // namespace

IAccPropServices* AccessibilityWin32::Services() {
  if (!m_servicesTried) {
    m_servicesTried = true;
    ::CoCreateInstance(kClsidAccPropServices, nullptr, CLSCTX_INPROC_SERVER, kIidAccPropServices,
                       reinterpret_cast<void**>(m_services.Put()));
  }
  return m_services.Get();
}

void AccessibilityWin32::SetAccessibleName(HWND control, std::string_view name) {
  if (IAccPropServices* services = Services()) {
    std::wstring wide = Utf8ToWide(name);
    services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kPropIdName,
                             wide.data());
  }
}

void AccessibilityWin32::SetAccessibleRole(HWND control, long role) {
  if (IAccPropServices* services = Services()) {
    VARIANT value;
    ::VariantInit(&value);
    value.vt = VT_I4;
    value.lVal = role;
    services->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kPropIdRole, value);
  }
}

bool AccessibilityWin32::GetAccessibleFacts(HWND control, plat::AccessibleFacts& facts) {
  if (!m_oleacc) m_oleacc.Reset(::LoadLibraryExW(L"oleacc.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
  if (!m_oleacc) return false;
  auto fromWindow = reinterpret_cast<AccessibleObjectFromWindowFn>(
      reinterpret_cast<void*>(::GetProcAddress(m_oleacc.Get(), "AccessibleObjectFromWindow")));
  ComPtr<IAccessible> accessible;
  if (fromWindow == nullptr || FAILED(fromWindow(control, static_cast<DWORD>(OBJID_CLIENT), kIidAccessible,
                                                 reinterpret_cast<void**>(accessible.Put()))))
    return false;
  VARIANT self = Self();
  BSTR name = nullptr;
  facts.name.clear();
  if (accessible->get_accName(self, &name) == S_OK && name != nullptr) facts.name = WideToUtf8(name);
  ::SysFreeString(name);
  VARIANT role, state;
  ::VariantInit(&role);
  ::VariantInit(&state);
  facts.role = SUCCEEDED(accessible->get_accRole(self, &role)) ? LongOf(role) : 0;
  facts.state = SUCCEEDED(accessible->get_accState(self, &state)) ? LongOf(state) : 0;
  return true;
}

}  // namespace win32
