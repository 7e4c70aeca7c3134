// The pointer on the headless desktop: presses, moves and caption drags.
#include "platform/WinConstants.h"
#include "sim/Desktop.h"

namespace sim {

namespace {

bool Contains(const plat::Rect& rect, plat::Point point) {
  return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

// Statics and pictures let a press through to the window beneath.
bool TakesClicks(const SimWnd& control) {
  return control.kind != plat::ControlKind::Static && control.kind != plat::ControlKind::Picture;
}

bool IsPushButton(const SimWnd& control) {
  using plat::ControlKind;
  return control.kind == ControlKind::PushButton || control.kind == ControlKind::DefPushButton ||
         control.kind == ControlKind::OwnerDrawButton;
}

LPARAM PackPoint(int x, int y) {
  return static_cast<LPARAM>((static_cast<std::uint32_t>(y & 0xFFFF) << 16) |
                             static_cast<std::uint32_t>(x & 0xFFFF));
}

}  // namespace

void Desktop::MouseDown(SimWnd& window, plat::Point at) {
  cursor = at;
  m_mouse = Mouse{};
  m_mouse.down = true;
  m_mouse.window = window.hwnd;
  for (HWND child : window.controls) {
    SimWnd* control = Find(child);
    if (control == nullptr || !control->visible || !Contains(control->rect, at)) continue;
    // A disabled control's press goes to the window, as a static's does.
    if (!TakesClicks(*control) || !control->enabled) continue;
    if (IsTabStop(*control)) SetFocus(window, control->hwnd);
    if (IsPushButton(*control)) {
      control->pressed = true;
      m_mouse.pressed = control->hwnd;
    }
    return;
  }
  Post(window.hwnd, WM_LBUTTONDOWN, 1, PackPoint(at.x - window.rect.left, at.y - window.rect.top));
}

void Desktop::MouseMove(plat::Point to) {
  cursor = to;
  if (SimWnd* dragged = Find(m_mouse.dragged)) {
    MoveWindowTo(*dragged, m_mouse.windowFrom.x + to.x - m_mouse.dragFrom.x,
                 m_mouse.windowFrom.y + to.y - m_mouse.dragFrom.y);
    return;
  }
  // A pressed button has the pointer captured; it looks pressed while the pointer is over it.
  if (SimWnd* button = Find(m_mouse.pressed)) {
    button->pressed = Contains(button->rect, to);
    return;
  }
  SimWnd* under = nullptr;
  for (SimWnd* window : TopLevelWindows())
    if (window->visible && Contains(window->rect, to) && (under == nullptr || window->hwnd == m_foreground))
      under = window;
  if (under == nullptr) return;
  HWND hit = under->hwnd;
  for (HWND child : under->controls) {
    SimWnd* control = Find(child);
    if (control && control->visible && Contains(control->rect, to)) {
      hit = child;
      break;
    }
  }
  // Controls pass the request on to their window, which answers it first.
  Post(under->hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hit), PackPoint(HTCLIENT, WM_MOUSEMOVE));
}

void Desktop::MouseUp() {
  if (SimWnd* button = Find(m_mouse.pressed); button && button->pressed) {
    button->pressed = false;
    WPARAM command = (static_cast<WPARAM>(BN_CLICKED) << 16) | static_cast<WPARAM>(button->id & 0xFFFF);
    Post(button->parent, WM_COMMAND, command, reinterpret_cast<LPARAM>(button->hwnd));
  }
  m_mouse = Mouse{};
}

void Desktop::MoveWindowTo(SimWnd& window, int left, int top) {
  int dx = left - window.rect.left, dy = top - window.rect.top;
  auto shift = [dx, dy](plat::Rect& rect) {
    rect = {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
  };
  shift(window.rect);
  for (HWND child : window.controls)
    if (SimWnd* control = Find(child)) shift(control->rect);
}

}  // namespace sim
