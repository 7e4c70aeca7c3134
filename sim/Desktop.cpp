#include "sim/Desktop.h"

#include <algorithm>

#include "platform/WinConstants.h"

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

HWND Desktop::CreateDialogWindow(const plat::DialogTemplate& tmpl, HWND parent, int pid,
                                 plat::IWindowSink* sink) {
  auto dialog = std::make_unique<SimWnd>();
  dialog->hwnd = reinterpret_cast<HWND>(m_nextHandle += 4);
  dialog->parent = parent;
  dialog->pid = pid;
  dialog->thread = Scheduler::Self();
  dialog->sink = sink;
  dialog->dialogTemplate = &tmpl;
  dialog->text = tmpl.title;
  dialog->rect = {100, 100, 100 + tmpl.cx * kPixelsPerDialogUnitX, 100 + tmpl.cy * kPixelsPerDialogUnitY};
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
    m_windows.emplace(Key(control->hwnd), std::move(control));
  }
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
  m_scheduler.Block(lock, [&] { return stop() || HasWork(self); });
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
  return result;
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
  } else if (msg.message == WM_CLOSE) {
    // A dialog turns a close into Cancel, unless its Cancel button is disabled.
    SimWnd* cancel = FindControl(wnd.hwnd, IDCANCEL);
    if (cancel == nullptr || cancel->enabled) Post(wnd.hwnd, WM_COMMAND, IDCANCEL, 0);
  }
}

UINT_PTR Desktop::SetTimer(HWND hwnd, UINT_PTR id, UINT period) {
  if (Find(hwnd) == nullptr) return 0;
  period = std::max<UINT>(period, 10);
  VirtualTime due = m_scheduler.Now() + period;
  for (SimTimer& t : m_timers) {
    if (t.hwnd == hwnd && t.id == id) {
      t.period = period;
      t.nextDue = due;
      m_scheduler.Notify();
      return id;
    }
  }
  m_timers.push_back({hwnd, id, period, due, false});
  m_scheduler.Notify();
  return id;
}

bool Desktop::KillTimer(HWND hwnd, UINT_PTR id) {
  return std::erase_if(m_timers, [&](const SimTimer& t) { return t.hwnd == hwnd && t.id == id; }) > 0;
}

std::vector<SimTimer> Desktop::TimersOf(HWND hwnd) const {
  std::vector<SimTimer> result;
  for (const SimTimer& t : m_timers)
    if (t.hwnd == hwnd) result.push_back(t);
  return result;
}

std::optional<VirtualTime> Desktop::NextDue() const {
  std::optional<VirtualTime> next;
  for (const SimTimer& t : m_timers)
    if (!next || t.nextDue < *next) next = t.nextDue;
  return next;
}

void Desktop::FireDue(VirtualTime now) {
  for (SimTimer& t : m_timers) {
    if (t.nextDue <= now) {
      t.pending = true;
      t.nextDue = now + t.period;
    }
  }
}

int Desktop::RunMessageBox(std::unique_lock<std::mutex>& lock, int pid, HWND owner, std::string text,
                           std::string caption, UINT type) {
  auto box = std::make_unique<SimMessageBox>();
  SimMessageBox* record = box.get();
  record->serial = m_nextBoxSerial++;
  record->pid = pid;
  record->owner = owner;
  record->text = std::move(text);
  record->caption = std::move(caption);
  record->type = type;
  m_boxes.push_back(std::move(box));
  m_scheduler.Notify();
  RunModalLoop(lock, [&] { return record->answer.has_value(); });
  int answer = *record->answer;
  std::erase_if(m_boxes, [record](const auto& b) { return b.get() == record; });
  return answer;
}

std::vector<SimMessageBox*> Desktop::OpenMessageBoxes() {
  std::vector<SimMessageBox*> result;
  for (auto& box : m_boxes) result.push_back(box.get());
  return result;
}

void Desktop::RunPopupMenu(std::unique_lock<std::mutex>& lock, int pid, const plat::MenuTemplate& menu,
                           plat::Point at, HWND owner) {
  auto popup = std::make_unique<SimPopupMenu>();
  SimPopupMenu* record = popup.get();
  *record = {pid, owner, &menu, at, std::nullopt};
  m_menus.push_back(std::move(popup));
  m_scheduler.Notify();
  RunModalLoop(lock, [&] { return record->chosen.has_value(); });
  UINT chosen = *record->chosen;
  std::erase_if(m_menus, [record](const auto& m) { return m.get() == record; });
  if (chosen != 0) Post(owner, WM_COMMAND, chosen, 0);
}

void Desktop::NoteProgress(const SimWnd& bar, VirtualTime at) {
  constexpr size_t kKept = 256;
  m_progressChanges.push_back({at, bar.pid, bar.id, bar.progressPos});
  if (m_progressChanges.size() > kKept) m_progressChanges.pop_front();
  ++m_progressChangeCount;
}

void Desktop::NoteTextChange(const SimWnd& control, VirtualTime at) {
  constexpr size_t kKept = 256;
  m_textChanges.push_back({at, control.pid, control.id, control.text});
  if (m_textChanges.size() > kKept) m_textChanges.pop_front();
  ++m_textChangeCount;
}

SimTrayIcon* Desktop::FindTrayIcon(HWND hwnd, UINT id) {
  for (SimTrayIcon& icon : m_trayIcons)
    if (icon.hwnd == hwnd && icon.id == id) return &icon;
  return nullptr;
}

bool Desktop::NotifyIcon(int pid, DWORD operation, const plat::NotifyIconRecord& record) {
  SimTrayIcon* icon = FindTrayIcon(record.hWnd, record.uID);
  if (operation == NIM_DELETE) {
    if (icon == nullptr) return false;
    std::erase_if(m_trayIcons, [&](const SimTrayIcon& t) { return &t == icon; });
    return true;
  }
  if (operation == NIM_ADD) {
    if (icon != nullptr || record.hWnd == nullptr) return false;
    icon =
        &m_trayIcons.emplace_back(SimTrayIcon{pid, record.hWnd, record.uID, 0, 0, nullptr, {}, {}, {}, 0, 0});
  } else if (operation != NIM_MODIFY || icon == nullptr) {
    return false;
  }
  if (record.uFlags & NIF_MESSAGE) icon->callbackMessage = record.uCallbackMessage;
  if (record.uFlags & NIF_ICON) icon->icon = record.hIcon;
  if (record.uFlags & NIF_TIP) icon->tip = record.szTip;
  if (record.uFlags & NIF_INFO) {
    icon->balloonText = record.szInfo;
    icon->balloonTitle = record.szInfoTitle;
    icon->balloonTimeout = record.uTimeout;
    icon->balloonFlags = record.dwInfoFlags;
  }
  icon->flags |= record.uFlags;
  return true;
}

}  // namespace sim
