#include "platform/win32/FocusMark.h"

#include "platform/win32/Dpi.h"
#include "platform/win32/WinHandles.h"

namespace win32 {

namespace {

constexpr UINT_PTR kSubclassId = 0x464D;             // "FM"
constexpr COLORREF kMarkColour = RGB(255, 196, 46);  // amber, clear on the navy skin
constexpr int kMarkWidth = 2;                        // pixels at 96 DPI
constexpr int kMarkGap = 1;                          // between the control and the mark

}  // namespace

void FocusMarks::Attach(HWND dialog, HWND background) {
  if (background == nullptr) return;
  m_marks[dialog] = Mark{background, nullptr};
  ::SetWindowSubclass(background, &BackgroundProc, kSubclassId, reinterpret_cast<DWORD_PTR>(dialog));
}

void FocusMarks::Forget(HWND dialog) {
  auto it = m_marks.find(dialog);
  if (it == m_marks.end()) return;
  ::RemoveWindowSubclass(it->second.background, &BackgroundProc, kSubclassId);
  m_marks.erase(it);
}

// The dialog's tab stop that holds the focus (a combo box for its edit
// field); null for the other children (the banner, the background).
HWND FocusMarks::FocusedChild(HWND dialog) {
  HWND focus = ::GetFocus();
  if (focus == nullptr || !::IsChild(dialog, focus)) return nullptr;
  while (::GetParent(focus) != dialog) focus = ::GetParent(focus);
  return (::GetWindowLongW(focus, GWL_STYLE) & WS_TABSTOP) ? focus : nullptr;
}

RECT FocusMarks::FrameOf(HWND dialog, HWND control) {
  RECT rc{};
  ::GetWindowRect(control, &rc);
  ::MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&rc), 2);
  int outset = ScaleToDpi(kMarkWidth + kMarkGap, DpiOf(dialog));
  ::InflateRect(&rc, outset, outset);
  return rc;
}

void FocusMarks::Follow(HWND dialog) {
  auto it = m_marks.find(dialog);
  if (it == m_marks.end()) return;
  Mark& mark = it->second;
  HWND focused = FocusedChild(dialog);
  if (focused == mark.marked) return;
  for (HWND control : {mark.marked, focused}) {
    if (control == nullptr || !::IsWindow(control)) continue;
    RECT frame = FrameOf(dialog, control);
    ::RedrawWindow(dialog, &frame, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
  mark.marked = focused;
}

void FocusMarks::Paint(HWND background, HWND control) {
  HWND dialog = ::GetParent(background);
  if (!::IsWindowVisible(control)) return;
  RECT frame = FrameOf(dialog, control);
  ::MapWindowPoints(dialog, background, reinterpret_cast<POINT*>(&frame), 2);
  int width = ScaleToDpi(kMarkWidth, DpiOf(dialog));
  HDC dc = ::GetDC(background);
  if (dc == nullptr) return;
  UniqueGdiObject brush(::CreateSolidBrush(kMarkColour));
  for (int i = 0; i < width; ++i) {
    ::FrameRect(dc, &frame, static_cast<HBRUSH>(brush.Get()));
    ::InflateRect(&frame, -1, -1);
  }
  ::ReleaseDC(background, dc);
}

LRESULT CALLBACK FocusMarks::BackgroundProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR data) {
  LRESULT result = ::DefSubclassProc(hwnd, msg, wParam, lParam);
  if (msg == WM_PAINT) {
    HWND dialog = reinterpret_cast<HWND>(data);
    if (HWND focused = FocusedChild(dialog)) Paint(hwnd, focused);
  }
  return result;
}

}  // namespace win32
