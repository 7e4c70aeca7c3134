#include "sim/Desktop.h"

#include <algorithm>
#include <cctype>

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

constexpr size_t kAnsweredBoxesKept = 64;

LPARAM PackPoint(int x, int y) {
  return static_cast<LPARAM>((static_cast<std::uint32_t>(y & 0xFFFF) << 16) |
                             static_cast<std::uint32_t>(x & 0xFFFF));
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

void Desktop::ShowPage(SimWnd& browser, std::vector<SimDocument> documents) {
  SimBrowser& state = browser.browser;
  state.documents = std::move(documents);
  ++state.generation;
  if (state.documents.empty()) return;
  std::vector<std::string> completed;
  for (size_t i = 1; i < state.documents.size(); ++i) completed.push_back(state.documents[i].url);
  completed.push_back(state.documents.front().url);
  for (std::string& url : completed) {
    state.completions.push_back({std::move(url), std::nullopt});
    Post(browser.parent, plat::kWmControlEvent, static_cast<WPARAM>(browser.id),
         plat::kEventDocumentComplete);
  }
}

void Desktop::RefuseNavigation(SimWnd& browser, std::string url) {
  browser.browser.refused.push_back(std::move(url));
  Post(browser.parent, plat::kWmControlEvent, static_cast<WPARAM>(browser.id), plat::kEventNavigationRefused);
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
    if (!m_asleep && (!next || t.nextDue < *next)) next = t.nextDue;
  for (const SimTrayIcon& icon : m_trayIcons)
    if (icon.balloonUntil && (!next || *icon.balloonUntil < *next)) next = icon.balloonUntil;
  return next;
}

void Desktop::FireDue(VirtualTime now) {
  for (SimTimer& t : m_timers) {
    if (!m_asleep && t.nextDue <= now) {
      t.pending = true;
      t.nextDue = now + t.period;
    }
  }
  for (SimTrayIcon& icon : m_trayIcons)
    if (icon.balloonUntil && *icon.balloonUntil <= now) ClearBalloon(icon);
}

void Desktop::ClearBalloon(SimTrayIcon& icon) {
  icon.balloonText.clear();
  icon.balloonTitle.clear();
  icon.balloonUntil.reset();
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
  record->shownAt = m_scheduler.Now();
  m_boxes.push_back(std::move(box));
  // The box is modal to its owner: the owner takes no input while it is open.
  SimWnd* ownerWnd = Find(owner);
  bool reenable = ownerWnd && ownerWnd->enabled;
  if (reenable) ownerWnd->enabled = false;
  m_scheduler.Notify();
  RunModalLoop(lock, [&] { return record->answer.has_value(); });
  int answer = *record->answer;
  record->answeredAt = m_scheduler.Now();
  record->answeredOrder = m_scheduler.NextOrder();
  m_answeredBoxes.push_back(*record);
  if (m_answeredBoxes.size() > kAnsweredBoxesKept) m_answeredBoxes.pop_front();
  std::erase_if(m_boxes, [record](const auto& b) { return b.get() == record; });
  if (SimWnd* still = reenable ? Find(owner) : nullptr) still->enabled = true;
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
    // An empty text takes the balloon down; any other shows it for its timeout.
    icon->balloonText = record.szInfo;
    icon->balloonTitle = record.szInfoTitle;
    icon->balloonTimeout = record.uTimeout;
    icon->balloonFlags = record.dwInfoFlags;
    if (icon->balloonText.empty())
      ClearBalloon(*icon);
    else
      icon->balloonUntil = m_scheduler.Now() + record.uTimeout;
    m_scheduler.Notify();
  }
  icon->flags |= record.uFlags;
  return true;
}

UINT Desktop::RegisterMessage(std::string_view name) {
  if (name.empty()) return 0;
  std::string key;
  for (char ch : name) key += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  auto [it, added] = m_registeredMessages.emplace(key, 0);
  if (added) it->second = 0xC000 + static_cast<UINT>(m_registeredMessages.size() - 1);
  return it->second;
}

void Desktop::RestartShell(bool filtered) {
  m_trayIcons.clear();
  UINT created = RegisterMessage("TaskbarCreated");
  for (SimWnd* window : TopLevelWindows()) {
    bool allowed = std::ranges::find(window->allowedFromShell, created) != window->allowedFromShell.end();
    if (!filtered || allowed) Post(window->hwnd, created, 0, 0);
  }
  m_scheduler.Notify();
}

void Desktop::Broadcast(UINT msg, WPARAM wParam, LPARAM lParam) {
  for (SimWnd* window : TopLevelWindows()) Post(window->hwnd, msg, wParam, lParam);
}

void Desktop::Suspend() {
  if (m_asleep) return;
  m_asleep = true;
  m_timerLeft.clear();
  VirtualTime now = m_scheduler.Now();
  for (const SimTimer& t : m_timers) m_timerLeft[{t.hwnd, t.id}] = t.nextDue > now ? t.nextDue - now : 0;
}

void Desktop::Resume() {
  if (!m_asleep) return;
  m_asleep = false;
  VirtualTime now = m_scheduler.Now();
  for (SimTimer& t : m_timers) {
    auto left = m_timerLeft.find({t.hwnd, t.id});
    if (left != m_timerLeft.end()) t.nextDue = now + left->second;
  }
  m_timerLeft.clear();
  m_scheduler.Notify();
}

}  // namespace sim
