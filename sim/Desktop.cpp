#include "sim/Desktop.h"

#include <algorithm>

#include "platform/WinConstants.h"
#include "sim/Machine.h"

namespace sim {

namespace {

std::uintptr_t Key(HWND hwnd) {
  return reinterpret_cast<std::uintptr_t>(hwnd);
}

plat::Rect PixelsOf(const plat::DialogUnits& du, int originX, int originY) {
  int left = originX + du.x * kPixelsPerDialogUnitX;
  int top = originY + du.y * kPixelsPerDialogUnitY;
  return {left, top, left + du.cx * kPixelsPerDialogUnitX, top + du.cy * kPixelsPerDialogUnitY};
}

// A pixel-laid-out dialog shows a picture's image at its own size, clipped
// to the picture's rectangle, and its client area covers the picture.
void FitPictures(SimWnd& dialog, std::vector<SimWnd*>& controls, const Program& program) {
  for (SimWnd* control : controls) {
    int cx = 0, cy = 0;
    if (control->kind != plat::ControlKind::Picture || !control->visible ||
        !program.BitmapSize(control->imageId, cx, cy))
      continue;
    control->rect.right = std::min(control->rect.right, control->rect.left + cx);
    control->rect.bottom = std::min(control->rect.bottom, control->rect.top + cy);
    dialog.rect.right = std::max(dialog.rect.right, control->rect.right);
    dialog.rect.bottom = std::max(dialog.rect.bottom, control->rect.bottom);
  }
}

}  // namespace

Desktop::Desktop(Scheduler& scheduler) : m_scheduler(scheduler) {
  m_scheduler.AddSource(this);
}

Desktop::~Desktop() {
  m_scheduler.RemoveSource(this);
}

SimWnd* Desktop::Find(HWND hwnd) {
  auto it = m_windows.find(Key(hwnd));
  return it == m_windows.end() ? nullptr : it->second.get();
}

SimWnd* Desktop::FindControl(HWND dialog, int id) {
  SimWnd* dlg = Find(dialog);
  if (dlg == nullptr) return nullptr;
  for (HWND child : dlg->controls) {
    SimWnd* control = Find(child);
    if (control && control->id == id) return control;
  }
  return nullptr;
}

HWND Desktop::CreateDialogWindow(const plat::DialogTemplate& tmpl, HWND parent, const Process& process,
                                 plat::IWindowSink* sink) {
  int pid = process.pid;
  auto dialog = std::make_unique<SimWnd>();
  dialog->hwnd = reinterpret_cast<HWND>(m_nextHandle += 4);
  dialog->parent = parent;
  dialog->pid = pid;
  dialog->thread = Scheduler::Self();
  m_responses.WindowCreated(dialog->thread, m_scheduler.Now());
  dialog->sink = sink;
  dialog->dialogTemplate = &tmpl;
  dialog->text = tmpl.title;
  dialog->rect = {100, 100, 100 + tmpl.cx * kPixelsPerDialogUnitX, 100 + tmpl.cy * kPixelsPerDialogUnitY};
  std::vector<SimWnd*> controls;
  for (const plat::ControlTemplate& ct : tmpl.controls) {
    auto control = std::make_unique<SimWnd>();
    control->hwnd = reinterpret_cast<HWND>(m_nextHandle += 4);
    control->parent = dialog->hwnd;
    control->pid = pid;
    control->thread = dialog->thread;
    control->id = ct.id;
    control->kind = ct.kind;
    control->style = ct.style;
    control->imageId = ct.imageId;
    control->text = ct.text;
    control->visible = ct.visible;
    control->enabled = !(ct.style & plat::kStyleDisabled);
    control->rect = PixelsOf(ct.rc, dialog->rect.left, dialog->rect.top);
    dialog->controls.push_back(control->hwnd);
    controls.push_back(control.get());
    m_windows.emplace(Key(control->hwnd), std::move(control));
  }
  if (tmpl.style & plat::kDlgPixelLayout) FitPictures(*dialog, controls, process.program);
  HWND hwnd = dialog->hwnd;
  m_windows.emplace(Key(hwnd), std::move(dialog));
  m_foreground = hwnd;
  ++m_windowsCreated[pid];
  return hwnd;
}

void Desktop::DestroyWindow(HWND hwnd) {
  SimWnd* wnd = Find(hwnd);
  if (wnd == nullptr) return;
  for (HWND child : wnd->controls) m_windows.erase(Key(child));
  std::erase_if(m_timers, [hwnd](const SimTimer& t) { return t.hwnd == hwnd; });
  for (auto& [thread, queue] : m_queues)
    std::erase_if(queue.posted, [hwnd](const SimMessage& m) { return m.hwnd == hwnd; });
  // Closing the window in front activates its owner, or another visible
  // window of its process.
  if (m_foreground == hwnd) {
    m_foreground = nullptr;
    for (auto& [key, other] : m_windows)
      if (other->sink && other->hwnd != hwnd && other->pid == wnd->pid && other->visible)
        m_foreground = other->hwnd;
    if (wnd->parent && Find(wnd->parent)) m_foreground = wnd->parent;
  }
  m_windows.erase(Key(hwnd));
  m_scheduler.Notify();
}

void Desktop::DestroyProcessWindows(int pid) {
  m_responses.ProcessEnded(pid, m_scheduler.Now());
  std::vector<HWND> doomed;
  for (auto& [key, wnd] : m_windows)
    if (wnd->pid == pid && wnd->sink) doomed.push_back(wnd->hwnd);
  for (HWND hwnd : doomed) DestroyWindow(hwnd);
  std::erase_if(m_boxes, [pid](const auto& box) { return box->pid == pid; });
  std::erase_if(m_menus, [pid](const auto& menu) { return menu->pid == pid; });
}

int Desktop::WindowsCreatedBy(int pid) const {
  auto it = m_windowsCreated.find(pid);
  return it == m_windowsCreated.end() ? 0 : it->second;
}

std::vector<SimWnd*> Desktop::TopLevelWindows() {
  std::vector<SimWnd*> result;
  for (auto& [key, wnd] : m_windows)
    if (wnd->sink) result.push_back(wnd.get());
  return result;
}

MessageQueue& Desktop::QueueOf(SimThread* thread) {
  return m_queues[thread];
}

bool Desktop::Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  SimWnd* wnd = Find(hwnd);
  if (wnd == nullptr) return false;
  QueueOf(wnd->thread).posted.push_back({hwnd, msg, wParam, lParam});
  m_scheduler.Notify();
  return true;
}

bool Desktop::HasWork(SimThread* thread) const {
  auto it = m_queues.find(thread);
  if (it != m_queues.end() && !it->second.posted.empty()) return true;
  for (const SimTimer& t : m_timers) {
    if (!t.pending) continue;
    auto wnd = m_windows.find(Key(t.hwnd));
    if (wnd != m_windows.end() && wnd->second->thread == thread) return true;
  }
  return false;
}

std::optional<SimMessage> Desktop::WaitMessage(std::unique_lock<std::mutex>& lock,
                                               const std::function<bool()>& stop) {
  SimThread* self = Scheduler::Self();
  m_responses.WaitBegins(self, m_scheduler.Now());
  m_scheduler.Block(lock, [&] { return stop() || HasWork(self); });
  m_responses.WaitEnds(self, m_scheduler.Now());
  if (stop()) return std::nullopt;
  MessageQueue& queue = QueueOf(self);
  if (!queue.posted.empty()) {
    SimMessage msg = queue.posted.front();
    queue.posted.pop_front();
    return msg;
  }
  for (SimTimer& t : m_timers) {
    auto wnd = m_windows.find(Key(t.hwnd));
    if (t.pending && wnd != m_windows.end() && wnd->second->thread == self) {
      t.pending = false;
      return SimMessage{t.hwnd, WM_TIMER, t.id, 0};
    }
  }
  return std::nullopt;
}

LRESULT Desktop::Dispatch(std::unique_lock<std::mutex>& lock, const SimMessage& msg) {
  SimWnd* wnd = Find(msg.hwnd);
  if (wnd == nullptr || wnd->sink == nullptr) return 0;
  plat::IWindowSink* sink = wnd->sink;
  bool handled = true;
  lock.unlock();
  LRESULT result = sink->OnWindowMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam, handled);
  lock.lock();
  if (!handled) {
    if (SimWnd* still = Find(msg.hwnd)) DefaultProcessing(*still, msg);
  }
  if (msg.message == plat::kWmControlEvent && msg.lParam == plat::kEventDocumentComplete)
    NoteCompletionHandled(msg);
  // Left to the default, a window lets the session end.
  if (msg.message == WM_QUERYENDSESSION) m_sessionAnswers[msg.hwnd] = !handled || result != 0;
  return result;
}

void Desktop::NoteCompletionHandled(const SimMessage& msg) {
  SimWnd* browser = FindControl(msg.hwnd, static_cast<int>(msg.wParam));
  if (browser == nullptr) return;
  SimBrowser& state = browser->browser;
  for (SimCompletion& completion : state.completions) {
    if (completion.topScrollAfter) continue;
    completion.topScrollAfter = state.documents.empty() ? std::string() : state.documents.front().scroll;
    return;
  }
}

int Desktop::ShownBitmap(const SimWnd& button) {
  if (button.pressed && button.bitmaps[1]) return button.bitmaps[1];
  if (!button.enabled && button.bitmaps[3]) return button.bitmaps[3];
  return button.bitmaps[0];
}

void Desktop::RunModalLoop(std::unique_lock<std::mutex>& lock, const std::function<bool()>& done) {
  while (!done()) {
    auto msg = WaitMessage(lock, done);
    if (msg) Dispatch(lock, *msg);
  }
}

void Desktop::ApplyShow(SimWnd& wnd, int cmd) {
  switch (cmd) {
    case SW_HIDE:
      wnd.visible = false;
      DropFocusIfUnreachable(wnd);
      break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
      wnd.visible = true;
      wnd.iconic = true;
      break;
    case SW_RESTORE:
    case SW_SHOWNORMAL:
      wnd.visible = true;
      wnd.iconic = false;
      break;
    default:
      wnd.visible = true;
      break;
  }
}

void Desktop::DefaultProcessing(SimWnd& wnd, const SimMessage& msg) {
  if (msg.message == WM_SYSCOMMAND) {
    UINT command = static_cast<UINT>(msg.wParam) & 0xFFF0;
    if (command == SC_MINIMIZE) ApplyShow(wnd, SW_MINIMIZE);
    if (command == SC_RESTORE) ApplyShow(wnd, SW_RESTORE);
    if (command == SC_CLOSE) Post(wnd.hwnd, WM_CLOSE, 0, 0);
  } else if (msg.message == WM_NCLBUTTONDOWN) {
    // A caption press while the button is still down starts the system's move.
    if (msg.wParam == HTCAPTION && m_mouse.down && m_mouse.window == wnd.hwnd) {
      m_mouse.dragged = wnd.hwnd;
      m_mouse.dragFrom = cursor;
      m_mouse.windowFrom = {wnd.rect.left, wnd.rect.top};
    }
  } else if (msg.message == WM_NEXTDLGCTL) {
    // The dialog manager: to the given control, else along the template's order.
    HWND next = msg.lParam ? reinterpret_cast<HWND>(msg.wParam) : NextTabStop(wnd, msg.wParam != 0);
    SetFocus(wnd, next);
  } else if (msg.message == WM_SETCURSOR) {
    cursorShape = IDC_ARROW;
  } else if (msg.message == WM_CLOSE) {
    // A dialog turns a close into Cancel, unless its Cancel button is disabled.
    SimWnd* cancel = FindControl(wnd.hwnd, IDCANCEL);
    if (cancel == nullptr || cancel->enabled) Post(wnd.hwnd, WM_COMMAND, IDCANCEL, 0);
  }
}

void Desktop::NoteProgress(const SimWnd& bar, VirtualTime at) {
  // Enough for every position a scenario follows; a bar left swinging for
  // hours keeps only its latest.
  constexpr size_t kKept = 4096;
  m_progressChanges.push_back({at, bar.hwnd, bar.pid, bar.id, bar.progressPos});
  if (m_progressChanges.size() > kKept) m_progressChanges.pop_front();
  ++m_progressChangeCount;
}

void Desktop::NoteTextChange(const SimWnd& control, VirtualTime at) {
  constexpr size_t kKept = 256;
  m_textChanges.push_back({at, control.pid, control.id, control.text});
  if (m_textChanges.size() > kKept) m_textChanges.pop_front();
  ++m_textChangeCount;
}

}  // namespace sim
