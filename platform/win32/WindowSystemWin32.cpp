#include "platform/win32/WindowSystemWin32.h"

#include <cstring>
#include <iterator>
#include <optional>
#include <string>

#include "platform/win32/DialogTemplateBuilder.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/SystemLibrary.h"
#include "platform/win32/WinHandles.h"
#include "platform/win32/WinText.h"

namespace win32 {

namespace {

plat::Rect ToRect(const RECT& rc) {
  return {rc.left, rc.top, rc.right, rc.bottom};
}

// The text of a fixed, NUL-terminated field that may lack its NUL.
template <size_t N>
std::string_view FieldText(const char (&field)[N]) {
  return {field, ::strnlen(field, N)};
}

// Messages whose result a dialog procedure returns itself instead of
// through DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT msg) {
  switch (msg) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
      return true;
    default:
      return false;
  }
}

// Combo boxes and list boxes take the same operations under different messages.
struct ListMessages {
  UINT addString, deleteString, resetContent, getCount, getCurSel, setCurSel, getTextLen, getText;
};
constexpr ListMessages kComboMessages = {CB_ADDSTRING, CB_DELETESTRING, CB_RESETCONTENT, CB_GETCOUNT,
                                         CB_GETCURSEL, CB_SETCURSEL,    CB_GETLBTEXTLEN, CB_GETLBTEXT};
constexpr ListMessages kListMessages = {LB_ADDSTRING, LB_DELETESTRING, LB_RESETCONTENT, LB_GETCOUNT,
                                        LB_GETCURSEL, LB_SETCURSEL,    LB_GETTEXTLEN,   LB_GETTEXT};

const ListMessages& MessagesFor(HWND list) {
  wchar_t className[32] = {};
  ::GetClassNameW(list, className, static_cast<int>(std::size(className)));
  return ::lstrcmpiW(className, WC_COMBOBOXW) == 0 ? kComboMessages : kListMessages;
}

// Posted after a dialog's first paint: its browser controls are hosted then.
UINT HostBrowsersMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"Dorvanta.HostBrowsers");
  return message;
}

int SendInt(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
  return static_cast<int>(::SendMessageW(hwnd, msg, wParam, lParam));
}

}  // namespace

// Dialogs.

INT_PTR WindowSystemWin32::DialogBox(const plat::DialogTemplate& tmpl, HWND parent, plat::IWindowSink& sink) {
  DialogTemplateBuffer buffer(tmpl, m_module);
  std::optional<PixelLayout> layout;
  if (tmpl.style & plat::kDlgPixelLayout) layout.emplace(tmpl, m_module);
  DialogContext context{&sink, this, layout ? &*layout : nullptr, {}, 0};
  for (const plat::ControlTemplate& control : tmpl.controls) {
    if (control.kind == plat::ControlKind::Browser) context.browserIds.push_back(control.id);
    bool skin = control.kind == plat::ControlKind::Picture && (control.style & plat::kStyleRealSize);
    if (layout && skin && context.backgroundId == 0) context.backgroundId = control.id;
  }
  return ::DialogBoxIndirectParamW(m_module, buffer.Get(), parent, &DialogProc,
                                   reinterpret_cast<LPARAM>(&context));
}

void WindowSystemWin32::EndDialog(HWND dlg, INT_PTR result) {
  ::EndDialog(dlg, result);
}

INT_PTR CALLBACK WindowSystemWin32::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    return InitDialog(hwnd, *reinterpret_cast<DialogContext*>(lParam));
  }
  auto* context = reinterpret_cast<DialogContext*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
  if (context == nullptr) return FALSE;  // messages before WM_INITDIALOG
  if (HandleDpiMessage(hwnd, *context, msg, wParam, lParam)) return TRUE;
  if (msg == HostBrowsersMessage() && msg != 0) {
    context->windows->m_browsers.HostShown(hwnd);
    return TRUE;
  }

  bool handled = false;
  LRESULT result = context->sink->OnWindowMessage(hwnd, msg, wParam, lParam, handled);
  if (msg == WM_DESTROY) {
    context->windows->m_buttonImages.ForgetChildrenOf(hwnd);
    context->windows->m_browsers.ForgetChildrenOf(hwnd);
    context->windows->m_focusMarks.Forget(hwnd);
  } else {
    context->windows->m_focusMarks.Follow(hwnd);
  }
  if (msg == WM_NCDESTROY) ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);
  if (msg == WM_PAINT && !context->browserIds.empty()) {
    context->browserIds.clear();
    ::PostMessageW(hwnd, HostBrowsersMessage(), 0, 0);
  }

  if (!handled) return context->windows->DefaultProcessing(hwnd, msg, lParam);
  if (ReturnsResultDirectly(msg)) return static_cast<INT_PTR>(result);
  // Sinks paint nothing themselves; a handled paint must not come back forever.
  if (msg == WM_PAINT) ::ValidateRect(hwnd, nullptr);
  ::SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
  return TRUE;
}

// A dialog procedure never sees WM_CREATE, so the sink gets one here, just
// before WM_INITDIALOG.
INT_PTR WindowSystemWin32::InitDialog(HWND hwnd, DialogContext& context) {
  if (context.layout) context.layout->Attach(hwnd);
  if (context.backgroundId)
    context.windows->m_focusMarks.Attach(hwnd, ::GetDlgItem(hwnd, context.backgroundId));
  RECT rc{};
  ::GetWindowRect(hwnd, &rc);
  CREATESTRUCTW create{};
  create.hInstance = context.windows->m_module;
  create.hwndParent = ::GetParent(hwnd);
  create.cx = rc.right - rc.left;
  create.cy = rc.bottom - rc.top;
  create.x = rc.left;
  create.y = rc.top;
  create.style = static_cast<LONG>(::GetWindowLongW(hwnd, GWL_STYLE));
  create.lpszClass = WC_DIALOG;
  create.dwExStyle = static_cast<DWORD>(::GetWindowLongW(hwnd, GWL_EXSTYLE));

  // The browser controls come after the first paint (HostBrowsersMessage).
  for (int id : context.browserIds) context.windows->m_browsers.Reserve(hwnd, id);

  bool handled = false;
  LRESULT created =
      context.sink->OnWindowMessage(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create), handled);
  if (handled && created == -1) {
    ::EndDialog(hwnd, -1);
    return FALSE;
  }
  handled = false;
  LRESULT result = context.sink->OnWindowMessage(hwnd, WM_INITDIALOG, 0, 0, handled);
  return handled ? static_cast<INT_PTR>(result) : TRUE;
}

// A pixel-laid-out dialog follows its monitor's scale itself; the sink
// sees the DPI change after the window has been laid out anew.
bool WindowSystemWin32::HandleDpiMessage(HWND hwnd, DialogContext& context, UINT msg, WPARAM wParam,
                                         LPARAM lParam) {
  constexpr UINT kWmGetDpiScaledSize = 0x02E4;
  if (context.layout == nullptr) return false;
  if (msg == kWmGetDpiScaledSize) {
    *reinterpret_cast<SIZE*>(lParam) = context.layout->WindowSizeAt(hwnd, LOWORD(wParam));
    ::SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, TRUE);
    return true;
  }
  if (msg != kWmDpiChanged) return false;
  context.layout->OnDpiChanged(hwnd, LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
  context.windows->m_buttonImages.Rescale(hwnd, LOWORD(wParam));
  bool handled = false;
  context.sink->OnWindowMessage(hwnd, msg, wParam, lParam, handled);
  ::SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, 0);
  return true;
}

INT_PTR WindowSystemWin32::DefaultProcessing(HWND, UINT msg, LPARAM lParam) {
  if (msg == WM_DRAWITEM) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item->CtlType != ODT_BUTTON) return FALSE;
    // An image button draws its image; an owner-drawn button without images draws nothing.
    m_buttonImages.Draw(*item);
    return TRUE;
  }
  return FALSE;
}

// Windows and controls.

HWND WindowSystemWin32::GetDlgItem(HWND dlg, int id) {
  return ::GetDlgItem(dlg, id);
}

void WindowSystemWin32::SetAccessibleName(HWND control, std::string_view name) {
  m_accessibility.SetName(control, name);
}

void WindowSystemWin32::SetAccessibleRole(HWND control, long role) {
  m_accessibility.SetRole(control, role);
}

bool WindowSystemWin32::GetAccessibleFacts(HWND control, plat::AccessibleFacts& facts) {
  return m_accessibility.Read(control, facts);
}

void WindowSystemWin32::SetFocus(HWND dlg, HWND control) {
  ::SendMessageW(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

HWND WindowSystemWin32::GetFocus() {
  HWND focus = ::GetFocus();
  // The edit field of a drop-down combo box stands for the combo box.
  HWND parent = focus ? ::GetParent(focus) : nullptr;
  wchar_t className[32] = {};
  if (parent) ::GetClassNameW(parent, className, static_cast<int>(std::size(className)));
  return parent && ::lstrcmpiW(className, WC_COMBOBOXW) == 0 ? parent : focus;
}

std::string WindowSystemWin32::GetWindowText(HWND hwnd) {
  int length = ::GetWindowTextLengthW(hwnd);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  int copied = ::GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return WideToUtf8(text);
}

void WindowSystemWin32::SetWindowText(HWND hwnd, std::string_view text) {
  ::SetWindowTextW(hwnd, Utf8ToWide(text).c_str());
}

bool WindowSystemWin32::ShowWindow(HWND hwnd, int cmd) {
  return ::ShowWindow(hwnd, cmd) != FALSE;
}
bool WindowSystemWin32::IsWindowVisible(HWND hwnd) {
  return ::IsWindowVisible(hwnd) != FALSE;
}
bool WindowSystemWin32::IsIconic(HWND hwnd) {
  return ::IsIconic(hwnd) != FALSE;
}
void WindowSystemWin32::EnableWindow(HWND hwnd, bool enable) {
  ::EnableWindow(hwnd, enable ? TRUE : FALSE);
}
bool WindowSystemWin32::IsWindowEnabled(HWND hwnd) {
  return ::IsWindowEnabled(hwnd) != FALSE;
}

plat::Rect WindowSystemWin32::GetWindowRect(HWND hwnd) {
  RECT rc{};
  ::GetWindowRect(hwnd, &rc);
  return ToRect(rc);
}

plat::Rect WindowSystemWin32::GetClientRect(HWND hwnd) {
  RECT rc{};
  ::GetClientRect(hwnd, &rc);
  return ToRect(rc);
}

void WindowSystemWin32::SetWindowSize(HWND hwnd, int cx, int cy) {
  ::SetWindowPos(hwnd, nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND WindowSystemWin32::FindWindow(std::string_view title) {
  return ::FindWindowW(nullptr, Utf8ToWide(title).c_str());
}

bool WindowSystemWin32::SetForegroundWindow(HWND hwnd) {
  return ::SetForegroundWindow(hwnd) != FALSE;
}

void WindowSystemWin32::SetIcon(HWND hwnd, HICON icon, bool big) {
  ::SendMessageW(hwnd, WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

HICON WindowSystemWin32::LoadIcon(int resourceId) {
  return ::LoadIconW(m_module, MAKEINTRESOURCEW(resourceId));
}

void WindowSystemWin32::SetDefaultId(HWND dlg, int id) {
  ::SendMessageW(dlg, DM_SETDEFID, static_cast<WPARAM>(id), 0);
}

void WindowSystemWin32::DispatchPaintMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageW(&msg);
}

void WindowSystemWin32::PaintIcon(HWND hwnd, int x, int y, HICON icon) {
  PAINTSTRUCT paint{};
  HDC dc = ::BeginPaint(hwnd, &paint);
  if (dc == nullptr) return;
  ::SendMessageW(hwnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  ::DrawIcon(dc, x, y, icon);
  ::EndPaint(hwnd, &paint);
}

plat::Point WindowSystemWin32::GetIconSize() {
  return {::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON)};
}

// Buttons.

int WindowSystemWin32::GetCheck(HWND button) {
  return SendInt(button, BM_GETCHECK);
}

void WindowSystemWin32::SetCheck(HWND button, int state) {
  // Checking a radio button walks its whole group on some systems; a button
  // already in that state needs nothing.
  if (::SendMessageW(button, BM_GETCHECK, 0, 0) == state) return;
  ::SendMessageW(button, BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

void WindowSystemWin32::SetButtonBitmaps(HWND button, int normal, int selected, int focused, int disabled) {
  m_buttonImages.Set(button, m_module, {normal, selected, focused, disabled});
}

void WindowSystemWin32::SizeToBitmap(HWND button) {
  m_buttonImages.SizeToContent(button);
}

// Combo boxes and list boxes.

int WindowSystemWin32::AddString(HWND list, std::string_view text) {
  std::wstring wide = Utf8ToWide(text);
  return SendInt(list, MessagesFor(list).addString, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

int WindowSystemWin32::DeleteString(HWND list, int index) {
  return SendInt(list, MessagesFor(list).deleteString, static_cast<WPARAM>(index));
}

void WindowSystemWin32::ResetContent(HWND list) {
  ::SendMessageW(list, MessagesFor(list).resetContent, 0, 0);
}
int WindowSystemWin32::GetCount(HWND list) {
  return SendInt(list, MessagesFor(list).getCount);
}
int WindowSystemWin32::SetTopIndex(HWND list, int index) {
  return SendInt(list, LB_SETTOPINDEX, static_cast<WPARAM>(index));
}
int WindowSystemWin32::GetCurSel(HWND list) {
  return SendInt(list, MessagesFor(list).getCurSel);
}

int WindowSystemWin32::SetCurSel(HWND list, int index) {
  const ListMessages& messages = MessagesFor(list);
  int result = SendInt(list, messages.setCurSel, static_cast<WPARAM>(index));
  // An index past the end clears the selection (and a combo box's text), as
  // the documented combo box does; Wine's controls keep the old one.
  if (result < 0 && index != -1) ::SendMessageW(list, messages.setCurSel, static_cast<WPARAM>(-1), 0);
  return result;
}

int WindowSystemWin32::GetItemText(HWND list, int index, std::string& text) {
  const ListMessages& messages = MessagesFor(list);
  text.clear();
  int length = SendInt(list, messages.getTextLen, static_cast<WPARAM>(index));
  if (length < 0) return -1;
  std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
  int copied =
      SendInt(list, messages.getText, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.data()));
  if (copied < 0) return -1;
  wide.resize(static_cast<size_t>(copied));
  text = WideToUtf8(wide);
  return static_cast<int>(text.size());
}

// Progress bar.

void WindowSystemWin32::SetProgressRange(HWND bar, int low, int high) {
  ::SendMessageW(bar, PBM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
}

int WindowSystemWin32::SetProgressPos(HWND bar, int pos) {
  return SendInt(bar, PBM_SETPOS, static_cast<WPARAM>(pos));
}

// Messages and timers.

bool WindowSystemWin32::PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return ::PostMessageW(hwnd, msg, wParam, lParam) != FALSE;
}

LRESULT WindowSystemWin32::SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return ::SendMessageW(hwnd, msg, wParam, lParam);
}

UINT_PTR WindowSystemWin32::SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs) {
  return ::SetTimer(hwnd, id, elapseMs, nullptr);
}

bool WindowSystemWin32::KillTimer(HWND hwnd, UINT_PTR id) {
  return ::KillTimer(hwnd, id) != FALSE;
}

int WindowSystemWin32::MessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type) {
  return ::MessageBoxW(owner, Utf8ToWide(text).c_str(), Utf8ToWide(caption).c_str(), type);
}

// Menus.

void WindowSystemWin32::AppendSystemMenu(HWND hwnd, UINT flags, UINT id, std::string_view text) {
  HMENU menu = ::GetSystemMenu(hwnd, FALSE);
  if (menu == nullptr) return;
  if (flags & MF_SEPARATOR) {
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    return;
  }
  ::AppendMenuW(menu, flags, id, Utf8ToWide(text).c_str());
}

plat::Point WindowSystemWin32::GetCursorPos() {
  POINT pt{};
  ::GetCursorPos(&pt);
  return {pt.x, pt.y};
}

void WindowSystemWin32::TrackPopupMenu(const plat::MenuTemplate& menu, UINT flags, plat::Point at,
                                       HWND owner) {
  UniqueMenu popup(::CreatePopupMenu());
  if (!popup) return;
  for (int i = 0; i < menu.itemCount; ++i) {
    const plat::MenuItem& item = menu.items[i];
    if (item.id == 0)
      ::AppendMenuW(popup.Get(), MF_SEPARATOR, 0, nullptr);
    else
      ::AppendMenuW(popup.Get(), MF_STRING, item.id, Utf8ToWide(item.text).c_str());
  }
  // The choice must arrive as a posted WM_COMMAND, so never return it instead.
  flags &= ~static_cast<UINT>(TPM_RETURNCMD | TPM_NONOTIFY);
  ::TrackPopupMenu(popup.Get(), flags, at.x, at.y, 0, owner, nullptr);
  // Lets a notification-area menu close properly on the next click elsewhere.
  ::PostMessageW(owner, WM_NULL, 0, 0);
}

// Notification area.

bool WindowSystemWin32::NotifyIcon(DWORD operation, const plat::NotifyIconRecord& record) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = record.hWnd;
  data.uID = record.uID;
  data.uFlags = record.uFlags;
  data.uCallbackMessage = record.uCallbackMessage;
  data.hIcon = record.hIcon;
  CopyToWideField(data.szTip, std::size(data.szTip), FieldText(record.szTip));
  data.dwState = record.dwState;
  data.dwStateMask = record.dwStateMask;
  CopyToWideField(data.szInfo, std::size(data.szInfo), FieldText(record.szInfo));
  data.uTimeout = record.uTimeout;
  CopyToWideField(data.szInfoTitle, std::size(data.szInfoTitle), FieldText(record.szInfoTitle));
  data.dwInfoFlags = record.dwInfoFlags;
  return ::Shell_NotifyIconW(operation, &data) != FALSE;
}

UINT WindowSystemWin32::RegisterWindowMessage(std::string_view name) {
  return ::RegisterWindowMessageW(Utf8ToWide(name).c_str());
}

// ChangeWindowMessageFilterEx (Windows 7 on) for this window, else the
// process-wide ChangeWindowMessageFilter (Vista); before Vista nothing filters.
bool WindowSystemWin32::AllowMessageFromShell(HWND hwnd, UINT msg) {
  constexpr DWORD kMsgFltAllow = 1;  // MSGFLT_ALLOW, and MSGFLT_ADD of the older call
  using FilterForWindow = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
  using FilterForProcess = BOOL(WINAPI*)(UINT, DWORD);
  HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
  if (auto allow = SystemProc<FilterForWindow>(user32, "ChangeWindowMessageFilterEx"))
    return allow(hwnd, msg, kMsgFltAllow, nullptr) != FALSE;
  if (auto allow = SystemProc<FilterForProcess>(user32, "ChangeWindowMessageFilter"))
    return allow(msg, kMsgFltAllow) != FALSE;
  return true;
}

void WindowSystemWin32::SetCursorShape(int systemCursorId) {
  ::SetCursor(::LoadCursorW(nullptr, MAKEINTRESOURCEW(systemCursorId)));
}

// Browser control: asked before it is hosted, it acts once hosted; where it
// could not be hosted, the placeholder stays blank and these calls do nothing.
void WindowSystemWin32::Navigate(HWND browser, std::string_view url) {
  m_browsers.WhenHosted(browser, [url = std::string(url)](BrowserHost& host) { host.Navigate(url); });
}

void WindowSystemWin32::SetBrowserVisible(HWND browser, bool visible) {
  m_browsers.WhenHosted(browser, [visible](BrowserHost& host) { host.SetVisible(visible); });
}

std::unique_ptr<plat::IBrowserDocument> WindowSystemWin32::GetBrowserDocument(HWND browser) {
  BrowserHost* host = m_browsers.Find(browser);
  return host ? host->Document() : nullptr;
}

void WindowSystemWin32::ConfineBrowser(HWND browser, std::vector<std::string> hosts) {
  // Queued ahead of any navigation asked before the control is hosted.
  m_browsers.WhenHosted(browser, [hosts = std::move(hosts)](BrowserHost& host) { host.Confine(hosts); });
}

std::optional<std::string> WindowSystemWin32::NextRefusedNavigation(HWND browser) {
  BrowserHost* host = m_browsers.Find(browser);
  return host ? host->NextRefused() : std::nullopt;
}

}  // namespace win32
