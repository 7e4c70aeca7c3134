#include "platform/win32/WindowingWin32.h"

#include <iterator>
#include <optional>
#include <string>

#include "platform/win32/DialogTemplateBuilder.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/WinText.h"

namespace win32 {

namespace {

plat::Rect ToRect(const RECT& rc) {
  return {rc.left, rc.top, rc.right, rc.bottom};
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

INT_PTR WindowingWin32::DialogBox(const plat::DialogTemplate& tmpl, HWND parent, plat::IWindowSink& sink) {
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

void WindowingWin32::EndDialog(HWND dlg, INT_PTR result) {
  ::EndDialog(dlg, result);
}

INT_PTR CALLBACK WindowingWin32::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
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
INT_PTR WindowingWin32::InitDialog(HWND hwnd, DialogContext& context) {
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
bool WindowingWin32::HandleDpiMessage(HWND hwnd, DialogContext& context, UINT msg, WPARAM wParam,
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

INT_PTR WindowingWin32::DefaultProcessing(HWND, UINT msg, LPARAM lParam) {
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

HWND WindowingWin32::GetDlgItem(HWND dlg, int id) {
  return ::GetDlgItem(dlg, id);
}

void WindowingWin32::SetFocus(HWND dlg, HWND control) {
  ::SendMessageW(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

HWND WindowingWin32::GetFocus() {
  HWND focus = ::GetFocus();
  // The edit field of a drop-down combo box stands for the combo box.
  HWND parent = focus ? ::GetParent(focus) : nullptr;
  wchar_t className[32] = {};
  if (parent) ::GetClassNameW(parent, className, static_cast<int>(std::size(className)));
  return parent && ::lstrcmpiW(className, WC_COMBOBOXW) == 0 ? parent : focus;
}

std::string WindowingWin32::GetWindowText(HWND hwnd) {
  int length = ::GetWindowTextLengthW(hwnd);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  int copied = ::GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return WideToUtf8(text);
}

void WindowingWin32::SetWindowText(HWND hwnd, std::string_view text) {
  ::SetWindowTextW(hwnd, Utf8ToWide(text).c_str());
}

bool WindowingWin32::ShowWindow(HWND hwnd, int cmd) {
  return ::ShowWindow(hwnd, cmd) != FALSE;
}
bool WindowingWin32::IsWindowVisible(HWND hwnd) {
  return ::IsWindowVisible(hwnd) != FALSE;
}
bool WindowingWin32::IsIconic(HWND hwnd) {
  return ::IsIconic(hwnd) != FALSE;
}
void WindowingWin32::EnableWindow(HWND hwnd, bool enable) {
  ::EnableWindow(hwnd, enable ? TRUE : FALSE);
}
bool WindowingWin32::IsWindowEnabled(HWND hwnd) {
  return ::IsWindowEnabled(hwnd) != FALSE;
}

plat::Rect WindowingWin32::GetWindowRect(HWND hwnd) {
  RECT rc{};
  ::GetWindowRect(hwnd, &rc);
  return ToRect(rc);
}

plat::Rect WindowingWin32::GetClientRect(HWND hwnd) {
  RECT rc{};
  ::GetClientRect(hwnd, &rc);
  return ToRect(rc);
}

void WindowingWin32::SetWindowSize(HWND hwnd, int cx, int cy) {
  ::SetWindowPos(hwnd, nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND WindowingWin32::FindWindow(std::string_view title) {
  return ::FindWindowW(nullptr, Utf8ToWide(title).c_str());
}

bool WindowingWin32::SetForegroundWindow(HWND hwnd) {
  return ::SetForegroundWindow(hwnd) != FALSE;
}

void WindowingWin32::SetIcon(HWND hwnd, HICON icon, bool big) {
  ::SendMessageW(hwnd, WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

HICON WindowingWin32::LoadIcon(int resourceId) {
  return ::LoadIconW(m_module, MAKEINTRESOURCEW(resourceId));
}

void WindowingWin32::SetDefaultId(HWND dlg, int id) {
  ::SendMessageW(dlg, DM_SETDEFID, static_cast<WPARAM>(id), 0);
}

void WindowingWin32::DispatchPaintMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageW(&msg);
}

void WindowingWin32::PaintIcon(HWND hwnd, int x, int y, HICON icon) {
  PAINTSTRUCT paint{};
  HDC dc = ::BeginPaint(hwnd, &paint);
  if (dc == nullptr) return;
  ::SendMessageW(hwnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  ::DrawIcon(dc, x, y, icon);
  ::EndPaint(hwnd, &paint);
}

plat::Point WindowingWin32::GetIconSize() {
  return {::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON)};
}

// Buttons.

int WindowingWin32::GetCheck(HWND button) {
  return SendInt(button, BM_GETCHECK);
}

void WindowingWin32::SetCheck(HWND button, int state) {
  // Checking a radio button walks its whole group on some systems; a button
  // already in that state needs nothing.
  if (::SendMessageW(button, BM_GETCHECK, 0, 0) == state) return;
  ::SendMessageW(button, BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

void WindowingWin32::SetButtonBitmaps(HWND button, int normal, int selected, int focused, int disabled) {
  m_buttonImages.Set(button, m_module, {normal, selected, focused, disabled});
}

void WindowingWin32::SizeToBitmap(HWND button) {
  m_buttonImages.SizeToContent(button);
}

// Combo boxes and list boxes.

int WindowingWin32::AddString(HWND list, std::string_view text) {
  std::wstring wide = Utf8ToWide(text);
  return SendInt(list, MessagesFor(list).addString, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

int WindowingWin32::DeleteString(HWND list, int index) {
  return SendInt(list, MessagesFor(list).deleteString, static_cast<WPARAM>(index));
}

void WindowingWin32::ResetContent(HWND list) {
  ::SendMessageW(list, MessagesFor(list).resetContent, 0, 0);
}
int WindowingWin32::GetCount(HWND list) {
  return SendInt(list, MessagesFor(list).getCount);
}
int WindowingWin32::SetTopIndex(HWND list, int index) {
  return SendInt(list, LB_SETTOPINDEX, static_cast<WPARAM>(index));
}
int WindowingWin32::GetCurSel(HWND list) {
  return SendInt(list, MessagesFor(list).getCurSel);
}

int WindowingWin32::SetCurSel(HWND list, int index) {
  const ListMessages& messages = MessagesFor(list);
  int result = SendInt(list, messages.setCurSel, static_cast<WPARAM>(index));
  // An index past the end clears the selection (and a combo box's text), as
  // the documented combo box does; Wine's controls keep the old one.
  if (result < 0 && index != -1) ::SendMessageW(list, messages.setCurSel, static_cast<WPARAM>(-1), 0);
  return result;
}

int WindowingWin32::GetItemText(HWND list, int index, std::string& text) {
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

void WindowingWin32::SetProgressRange(HWND bar, int low, int high) {
  ::SendMessageW(bar, PBM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
}

int WindowingWin32::SetProgressPos(HWND bar, int pos) {
  return SendInt(bar, PBM_SETPOS, static_cast<WPARAM>(pos));
}

// Messages and timers.

bool WindowingWin32::PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return ::PostMessageW(hwnd, msg, wParam, lParam) != FALSE;
}

LRESULT WindowingWin32::SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return ::SendMessageW(hwnd, msg, wParam, lParam);
}

UINT_PTR WindowingWin32::SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs) {
  return ::SetTimer(hwnd, id, elapseMs, nullptr);
}

bool WindowingWin32::KillTimer(HWND hwnd, UINT_PTR id) {
  return ::KillTimer(hwnd, id) != FALSE;
}

}  // namespace win32
