#include "sim/SimWindowing.h"

#include <algorithm>
#include <utility>

#include "platform/WinConstants.h"
#include "sim/WindowLookup.h"

namespace sim {

namespace {

bool IsList(const SimWnd& wnd) {
  using plat::ControlKind;
  return wnd.kind == ControlKind::ComboDropDown || wnd.kind == ControlKind::ComboDropList ||
         wnd.kind == ControlKind::ListBox;
}

bool IsCombo(const SimWnd& wnd) {
  return wnd.kind == plat::ControlKind::ComboDropDown || wnd.kind == plat::ControlKind::ComboDropList;
}

}  // namespace

INT_PTR SimWindowing::DialogBox(const plat::DialogTemplate& tmpl, HWND parent, plat::IWindowSink& sink) {
  auto lock = m_machine.Lock();
  Desktop& desktop = m_machine.Screen();
  HWND hwnd = desktop.CreateDialogWindow(tmpl, parent, m_process, &sink);
  // The window goes away however the run ends, also when the process unwinds.
  struct Destroyer {
    Desktop& desktop;
    HWND hwnd;
    std::unique_lock<std::mutex>& lock;
    ~Destroyer() {
      if (!lock.owns_lock()) lock.lock();
      desktop.DestroyWindow(hwnd);
    }
  } destroyer{desktop, hwnd, lock};
  // A window whose creation the sink refuses never gets WM_INITDIALOG.
  if (desktop.Dispatch(lock, {hwnd, WM_CREATE, 0, 0}) == -1) return -1;
  LRESULT focusDefault = desktop.Dispatch(lock, {hwnd, WM_INITDIALOG, 0, 0});
  if (SimWnd* wnd = desktop.Find(hwnd)) {
    wnd->visible = true;
    // TRUE from WM_INITDIALOG: the dialog manager focuses the first tab stop.
    if (focusDefault) {
      wnd->focus = nullptr;
      desktop.SetFocus(*wnd, desktop.NextTabStop(*wnd, false));
    }
  }
  desktop.RunModalLoop(lock, [&] {
    SimWnd* wnd = desktop.Find(hwnd);
    return wnd == nullptr || wnd->endResult.has_value();
  });
  SimWnd* wnd = desktop.Find(hwnd);
  return wnd && wnd->endResult ? *wnd->endResult : -1;
}

void SimWindowing::SetFocus(HWND dlg, HWND control) {
  With(m_machine, dlg, 0, [&](SimWnd& w) {
    m_machine.Screen().SetFocus(w, control);
    return 0;
  });
}

HWND SimWindowing::GetFocus() {
  // The process's active window is the top of its modal chain.
  auto lock = m_machine.Lock();
  SimWnd* active = nullptr;
  for (SimWnd* wnd : m_machine.Screen().TopLevelWindows())
    if (wnd->pid == m_process.pid && !wnd->endResult && (!active || wnd->hwnd > active->hwnd)) active = wnd;
  return active ? active->focus : nullptr;
}

void SimWindowing::EndDialog(HWND dlg, INT_PTR result) {
  auto lock = m_machine.Lock();
  if (SimWnd* wnd = m_machine.Screen().Find(dlg)) {
    wnd->endResult = result;
    wnd->visible = false;
  }
  m_machine.Sched().Notify();
}

HWND SimWindowing::GetDlgItem(HWND dlg, int id) {
  auto lock = m_machine.Lock();
  SimWnd* control = m_machine.Screen().FindControl(dlg, id);
  return control ? control->hwnd : nullptr;
}

std::string SimWindowing::GetWindowText(HWND hwnd) {
  return With(m_machine, hwnd, std::string(), [](SimWnd& w) { return w.text; });
}

void SimWindowing::SetWindowText(HWND hwnd, std::string_view text) {
  With(m_machine, hwnd, 0, [&](SimWnd& w) {
    if (w.text == text) return 0;
    w.text = text;
    if (w.sink == nullptr) m_machine.Screen().NoteTextChange(w, m_machine.Sched().Now());
    return 0;
  });
}

bool SimWindowing::ShowWindow(HWND hwnd, int cmd) {
  return With(m_machine, hwnd, false, [&](SimWnd& w) {
    bool was = w.visible;
    m_machine.Screen().ApplyShow(w, cmd);
    return was;
  });
}

bool SimWindowing::IsWindowVisible(HWND hwnd) {
  auto lock = m_machine.Lock();
  Desktop& desktop = m_machine.Screen();
  SimWnd* wnd = desktop.Find(hwnd);
  if (wnd == nullptr || !wnd->visible) return false;
  // A control shows only while its dialog does; a dialog's owner does not count.
  SimWnd* dialog = wnd->sink ? nullptr : desktop.Find(wnd->parent);
  return dialog == nullptr || dialog->visible;
}

bool SimWindowing::IsIconic(HWND hwnd) {
  return With(m_machine, hwnd, false, [](SimWnd& w) { return w.iconic; });
}

void SimWindowing::EnableWindow(HWND hwnd, bool enable) {
  With(m_machine, hwnd, 0, [&](SimWnd& w) {
    w.enabled = enable;
    m_machine.Screen().DropFocusIfUnreachable(w);
    return 0;
  });
}

bool SimWindowing::IsWindowEnabled(HWND hwnd) {
  return With(m_machine, hwnd, false, [](SimWnd& w) { return w.enabled; });
}

plat::Rect SimWindowing::GetWindowRect(HWND hwnd) {
  return With(m_machine, hwnd, plat::Rect{}, [](SimWnd& w) { return w.rect; });
}

plat::Rect SimWindowing::GetClientRect(HWND hwnd) {
  return With(m_machine, hwnd, plat::Rect{}, [](SimWnd& w) {
    return plat::Rect{0, 0, w.rect.Width(), w.rect.Height()};
  });
}

void SimWindowing::SetWindowSize(HWND hwnd, int cx, int cy) {
  With(m_machine, hwnd, 0, [&](SimWnd& w) {
    w.rect.right = w.rect.left + cx;
    w.rect.bottom = w.rect.top + cy;
    return 0;
  });
}

HWND SimWindowing::FindWindow(std::string_view title) {
  auto lock = m_machine.Lock();
  for (SimWnd* wnd : m_machine.Screen().TopLevelWindows())
    if (wnd->text == title) return wnd->hwnd;
  return nullptr;
}

bool SimWindowing::SetForegroundWindow(HWND hwnd) {
  return With(m_machine, hwnd, false, [&](SimWnd& w) {
    m_machine.Screen().SetForeground(w.hwnd);
    return true;
  });
}

void SimWindowing::SetIcon(HWND hwnd, HICON icon, bool big) {
  With(m_machine, hwnd, 0, [&](SimWnd& w) {
    (big ? w.bigIcon : w.smallIcon) = icon;
    return 0;
  });
}

HICON SimWindowing::LoadIcon(int resourceId) {
  // Icons are known by their resource number on the simulated desktop.
  return reinterpret_cast<HICON>(static_cast<std::uintptr_t>(resourceId));
}

void SimWindowing::SetDefaultId(HWND dlg, int id) {
  With(m_machine, dlg, 0, [&](SimWnd& w) {
    w.defId = id;
    return 0;
  });
}

void SimWindowing::PaintIcon(HWND hwnd, int x, int y, HICON icon) {
  With(m_machine, hwnd, 0, [&](SimWnd& w) {
    w.paintedIcon = icon;
    w.paintedIconAt = {x, y};
    return 0;
  });
}

int SimWindowing::GetCheck(HWND button) {
  return With(m_machine, button, 0, [](SimWnd& w) { return w.check; });
}

void SimWindowing::SetCheck(HWND button, int state) {
  With(m_machine, button, 0, [&](SimWnd& w) {
    w.check = state;
    return 0;
  });
}

void SimWindowing::SetButtonBitmaps(HWND button, int normal, int selected, int focused, int disabled) {
  With(m_machine, button, 0, [&](SimWnd& w) {
    w.bitmaps[0] = normal;
    w.bitmaps[1] = selected;
    w.bitmaps[2] = focused;
    w.bitmaps[3] = disabled;
    return 0;
  });
}

void SimWindowing::SizeToBitmap(HWND button) {
  With(m_machine, button, 0, [&](SimWnd& w) {
    int cx = 0, cy = 0;
    if (m_process.program.BitmapSize(w.bitmaps[0], cx, cy)) {
      w.rect.right = w.rect.left + cx;
      w.rect.bottom = w.rect.top + cy;
    }
    return 0;
  });
}

int SimWindowing::AddString(HWND list, std::string_view text) {
  return With(m_machine, list, -1, [&](SimWnd& w) {
    if (!IsList(w)) return -1;
    w.items.emplace_back(text);
    return static_cast<int>(w.items.size()) - 1;
  });
}

int SimWindowing::DeleteString(HWND list, int index) {
  return With(m_machine, list, -1, [&](SimWnd& w) {
    if (index < 0 || index >= static_cast<int>(w.items.size())) return -1;
    w.items.erase(w.items.begin() + index);
    if (w.curSel == index) w.curSel = -1;
    if (w.curSel > index) --w.curSel;
    return static_cast<int>(w.items.size());
  });
}

void SimWindowing::ResetContent(HWND list) {
  With(m_machine, list, 0, [&](SimWnd& w) {
    w.items.clear();
    w.curSel = -1;
    w.topIndex = 0;
    if (IsCombo(w)) w.text.clear();
    return 0;
  });
}

int SimWindowing::GetCount(HWND list) {
  return With(m_machine, list, -1, [](SimWnd& w) { return static_cast<int>(w.items.size()); });
}

// Rows are 16 pixels high; the list stops scrolling when its last row is at the bottom.
int SimWindowing::SetTopIndex(HWND list, int index) {
  return With(m_machine, list, LB_ERR, [&](SimWnd& w) {
    int count = static_cast<int>(w.items.size());
    if (w.kind != plat::ControlKind::ListBox || index < 0 || index >= count) return LB_ERR;
    int rows = std::max(1, w.rect.Height() / 16);
    w.topIndex = std::min(index, std::max(0, count - rows));
    return 0;
  });
}

int SimWindowing::GetCurSel(HWND list) {
  return With(m_machine, list, -1, [](SimWnd& w) { return w.curSel; });
}

int SimWindowing::SetCurSel(HWND list, int index) {
  return With(m_machine, list, -1, [&](SimWnd& w) {
    if (index < 0 || index >= static_cast<int>(w.items.size())) {
      w.curSel = -1;
      if (IsCombo(w)) w.text.clear();
      return -1;
    }
    w.curSel = index;
    if (IsCombo(w)) w.text = w.items[static_cast<size_t>(index)];
    return index;
  });
}

int SimWindowing::GetItemText(HWND list, int index, std::string& text) {
  text.clear();
  return With(m_machine, list, -1, [&](SimWnd& w) {
    if (index < 0 || index >= static_cast<int>(w.items.size())) return -1;
    text = w.items[static_cast<size_t>(index)];
    return static_cast<int>(text.size());
  });
}

void SimWindowing::SetProgressRange(HWND bar, int low, int high) {
  With(m_machine, bar, 0, [&](SimWnd& w) {
    w.progressLow = low;
    w.progressHigh = high;
    return 0;
  });
}

int SimWindowing::SetProgressPos(HWND bar, int pos) {
  return With(m_machine, bar, 0, [&](SimWnd& w) {
    int previous = std::exchange(w.progressPos, pos);
    m_machine.Screen().NoteProgress(w, m_machine.Sched().Now());
    return previous;
  });
}

bool SimWindowing::PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto lock = m_machine.Lock();
  return m_machine.Screen().Post(hwnd, msg, wParam, lParam);
}

LRESULT SimWindowing::SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto lock = m_machine.Lock();
  Desktop& desktop = m_machine.Screen();
  SimWnd* wnd = desktop.Find(hwnd);
  if (wnd == nullptr) return 0;
  if (wnd->thread == Scheduler::Self()) return desktop.Dispatch(lock, {hwnd, msg, wParam, lParam});
  // The program sends only to its own thread's windows; another thread's
  // window gets the message queued.
  desktop.Post(hwnd, msg, wParam, lParam);
  return 0;
}

UINT_PTR SimWindowing::SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs) {
  auto lock = m_machine.Lock();
  return m_machine.Screen().SetTimer(hwnd, id, elapseMs);
}

bool SimWindowing::KillTimer(HWND hwnd, UINT_PTR id) {
  auto lock = m_machine.Lock();
  return m_machine.Screen().KillTimer(hwnd, id);
}

void SimWindowing::DispatchPaintMessages() {
  auto lock = m_machine.Lock();
  m_machine.Screen().NotePeek();
}

}  // namespace sim
