#include "sim/Driver.h"

#include "platform/WinConstants.h"

namespace sim {

namespace {

WPARAM CommandParam(int id, UINT code) {
  return (static_cast<WPARAM>(code) << 16) | static_cast<WPARAM>(id & 0xFFFF);
}

// The exit code the task manager gives a process it ends.
constexpr int kEndedFromOutside = 1;

// A hidden window takes no input from the user: it has to be shown first.
constexpr const char* kHiddenWindow = "the window is hidden; try `tray left`";

std::string Describe(int controlId) {
  return "control " + std::to_string(controlId);
}

bool IsButton(plat::ControlKind kind) {
  using plat::ControlKind;
  return kind == ControlKind::PushButton || kind == ControlKind::DefPushButton ||
         kind == ControlKind::OwnerDrawButton;
}

// A click on these moves the focus to them.
bool FocusedByClick(plat::ControlKind kind) {
  using plat::ControlKind;
  return IsButton(kind) || kind == ControlKind::CheckBox || kind == ControlKind::RadioButton ||
         kind == ControlKind::ListBox;
}

}  // namespace

void Driver::WaitIdle() {
  if (m_acting) return;
  RunPlacedActions(std::nullopt);
  m_machine.WaitIdle();
}

void Driver::Advance(DWORD ms) {
  if (m_acting) return;
  VirtualTime target = Now() + ms;
  RunPlacedActions(target);
  {
    auto lock = m_machine.Lock();
    m_machine.Sched().RunTo(lock, target);
  }
  WaitIdle();
}

void Driver::At(VirtualTime when, std::function<void()> action) {
  m_placed.emplace(when, std::move(action));
}

VirtualTime Driver::Now() {
  auto lock = m_machine.Lock();
  return m_machine.Sched().Now();
}

void Driver::RunPlacedActions(std::optional<VirtualTime> limit) {
  while (!m_placed.empty() && (!limit || m_placed.begin()->first <= *limit)) {
    auto placed = m_placed.extract(m_placed.begin());
    {
      auto lock = m_machine.Lock();
      m_machine.Sched().RunTo(lock, placed.key());
    }
    struct Acting {
      bool& flag;
      explicit Acting(bool& f) : flag(f) { flag = true; }
      ~Acting() { flag = false; }
    } acting(m_acting);
    placed.mapped()();
  }
}

std::string Driver::ModalBusy() {
  if (!m_machine.Screen().OpenMessageBoxes().empty()) return "a message box is open";
  if (m_machine.Screen().OpenMenu()) return "a menu is open";
  return {};
}

int Driver::Start(const std::string& modulePath, const std::string& currentDirectory) {
  int pid = m_machine.StartProcess(modulePath, m_program, currentDirectory);
  if (m_pid == 0) m_pid = pid;
  WaitIdle();
  return pid;
}

std::optional<int> Driver::ExitCode(int pid) {
  auto lock = m_machine.Lock();
  Process* process = m_machine.FindProcess(PidOr(pid));
  return process ? process->exitCode : std::nullopt;
}

std::string Driver::EndProcess(int pid) {
  {
    auto lock = m_machine.Lock();
    if (!m_machine.IsRunning(PidOr(pid))) return "the process is not running";
    m_machine.FindProcess(PidOr(pid))->endedFromOutside = true;
    m_machine.BeginExit(PidOr(pid), kEndedFromOutside);
  }
  WaitIdle();
  return {};
}

bool Driver::Running(int pid) {
  auto lock = m_machine.Lock();
  return m_machine.IsRunning(PidOr(pid));
}

SimWnd* Driver::ActiveLocked(int pid) {
  SimWnd* newest = nullptr;
  for (SimWnd* wnd : m_machine.Screen().TopLevelWindows())
    if (wnd->pid == PidOr(pid) && !wnd->endResult && (!newest || wnd->hwnd > newest->hwnd)) newest = wnd;
  return newest;
}

HWND Driver::ActiveWindow(int pid) {
  auto lock = m_machine.Lock();
  SimWnd* wnd = ActiveLocked(pid);
  return wnd ? wnd->hwnd : nullptr;
}

std::string Driver::PostToActive(UINT msg, WPARAM wParam, LPARAM lParam) {
  {
    auto lock = m_machine.Lock();
    SimWnd* dialog = ActiveLocked(0);
    if (dialog == nullptr) return "no window is open";
    if (auto busy = ModalBusy(); !busy.empty()) return busy;
    if (!dialog->visible) return kHiddenWindow;
    m_machine.Screen().Post(dialog->hwnd, msg, wParam, lParam);
  }
  WaitIdle();
  return {};
}

std::string Driver::ControlForInput(int controlId, SimWnd*& control, SimWnd*& dialog) {
  dialog = ActiveLocked(0);
  if (dialog == nullptr) return "no window is open";
  if (auto busy = ModalBusy(); !busy.empty()) return busy;
  if (!dialog->visible) return kHiddenWindow;
  control = m_machine.Screen().FindControl(dialog->hwnd, controlId);
  if (control == nullptr) return Describe(controlId) + " does not exist";
  if (!control->visible) return Describe(controlId) + " is hidden";
  if (!control->enabled) return Describe(controlId) + " is disabled";
  return {};
}

std::string Driver::Click(int controlId) {
  {
    auto lock = m_machine.Lock();
    SimWnd *control = nullptr, *dialog = nullptr;
    if (auto error = ControlForInput(controlId, control, dialog); !error.empty()) return error;
    using plat::ControlKind;
    if (FocusedByClick(control->kind)) m_machine.Screen().SetFocus(*dialog, control->hwnd);
    if (control->kind == ControlKind::CheckBox) control->check = control->check ? 0 : 1;
    if (control->kind == ControlKind::RadioButton) {
      // Checking one radio button clears the others of the dialog's radios.
      for (HWND child : dialog->controls) {
        SimWnd* other = m_machine.Screen().Find(child);
        if (other && other->kind == ControlKind::RadioButton) other->check = other == control ? 1 : 0;
      }
    }
    m_machine.Screen().Post(dialog->hwnd, WM_COMMAND, CommandParam(controlId, BN_CLICKED),
                            reinterpret_cast<LPARAM>(control->hwnd));
  }
  WaitIdle();
  return {};
}

std::string Driver::Type(int controlId, const std::string& text) {
  {
    auto lock = m_machine.Lock();
    SimWnd *control = nullptr, *dialog = nullptr;
    if (auto error = ControlForInput(controlId, control, dialog); !error.empty()) return error;
    using plat::ControlKind;
    if (control->kind != ControlKind::Edit && control->kind != ControlKind::ComboDropDown)
      return Describe(controlId) + " takes no typing";
    m_machine.Screen().SetFocus(*dialog, control->hwnd);
    control->text = text;
    if (control->kind == ControlKind::ComboDropDown) {
      control->curSel = -1;
      m_machine.Screen().Post(dialog->hwnd, WM_COMMAND, CommandParam(controlId, CBN_EDITCHANGE),
                              reinterpret_cast<LPARAM>(control->hwnd));
    }
  }
  WaitIdle();
  return {};
}

std::string Driver::Select(int controlId, int index) {
  {
    auto lock = m_machine.Lock();
    SimWnd *control = nullptr, *dialog = nullptr;
    if (auto error = ControlForInput(controlId, control, dialog); !error.empty()) return error;
    if (index < 0 || index >= static_cast<int>(control->items.size()))
      return Describe(controlId) + " has no entry " + std::to_string(index);
    control->curSel = index;
    if (control->kind != plat::ControlKind::ListBox)
      control->text = control->items[static_cast<size_t>(index)];
    m_machine.Screen().Post(dialog->hwnd, WM_COMMAND, CommandParam(controlId, CBN_SELCHANGE),
                            reinterpret_cast<LPARAM>(control->hwnd));
  }
  WaitIdle();
  return {};
}

std::string Driver::PressEnter() {
  int id = IDOK;
  {
    auto lock = m_machine.Lock();
    SimWnd* dialog = ActiveLocked(0);
    if (dialog == nullptr) return "no window is open";
    if (!dialog->visible) return kHiddenWindow;
    if (dialog->defId) id = dialog->defId;
    // A focused push button is the default one while it has the focus.
    SimWnd* focused = m_machine.Screen().Find(dialog->focus);
    using plat::ControlKind;
    if (focused && (focused->kind == ControlKind::PushButton || focused->kind == ControlKind::DefPushButton))
      id = focused->id;
    SimWnd* button = m_machine.Screen().FindControl(dialog->hwnd, id);
    if (button && !button->enabled) return {};  // a disabled default button ignores Enter
  }
  return PostToActive(WM_COMMAND, CommandParam(id, BN_CLICKED), 0);
}

std::string Driver::PressTab(bool back) {
  return PostToActive(WM_NEXTDLGCTL, back ? 1 : 0, 0);
}

std::string Driver::PressSpace() {
  int id = 0;
  {
    auto lock = m_machine.Lock();
    SimWnd* dialog = ActiveLocked(0);
    if (dialog == nullptr) return "no window is open";
    if (!dialog->visible) return kHiddenWindow;
    SimWnd* focused = m_machine.Screen().Find(dialog->focus);
    if (focused == nullptr) return {};
    using plat::ControlKind;
    ControlKind kind = focused->kind;
    if (kind == ControlKind::Edit || kind == ControlKind::ComboDropDown) {
      std::string text = focused->text + " ";
      id = focused->id;
      lock.unlock();
      return Type(id, text);
    }
    if (!IsButton(kind) && kind != ControlKind::CheckBox && kind != ControlKind::RadioButton) return {};
    id = focused->id;
  }
  return Click(id);
}

std::string Driver::PressEscape() {
  return PostToActive(WM_COMMAND, CommandParam(IDCANCEL, BN_CLICKED), 0);
}
std::string Driver::Close() {
  return PostToActive(WM_SYSCOMMAND, SC_CLOSE, 0);
}
std::string Driver::Minimize() {
  return PostToActive(WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

std::string Driver::SysCommand(UINT id) {
  {
    auto lock = m_machine.Lock();
    SimWnd* dialog = ActiveLocked(0);
    if (dialog == nullptr) return "no window is open";
    if (!dialog->visible) return kHiddenWindow;
    bool known = id >= 0xF000;
    for (const auto& [itemId, text] : dialog->systemMenu) known = known || itemId == id;
    if (!known) return "the system menu has no item " + std::to_string(id);
  }
  return PostToActive(WM_SYSCOMMAND, id, 0);
}

std::string Driver::ClickTray(TrayClick click, std::optional<UINT> otherId) {
  {
    auto lock = m_machine.Lock();
    SimTrayIcon* icon = nullptr;
    for (SimTrayIcon& candidate : m_machine.Screen().TrayIcons())
      if (candidate.pid == m_pid) icon = &candidate;
    if (icon == nullptr) return "the notification area has no icon of the program";
    if (!(icon->flags & NIF_MESSAGE) || icon->callbackMessage == 0) return {};  // nobody listens
    UINT id = otherId.value_or(icon->id);
    std::vector<UINT> events;
    switch (click) {
      case TrayClick::Left:
        events = {WM_LBUTTONDOWN, WM_LBUTTONUP};
        break;
      case TrayClick::Right:
        events = {WM_RBUTTONDOWN, WM_RBUTTONUP};
        break;
      case TrayClick::Double:
        events = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP};
        break;
    }
    for (UINT event : events) m_machine.Screen().Post(icon->hwnd, icon->callbackMessage, id, event);
  }
  WaitIdle();
  return {};
}

std::string Driver::ChooseMenuItem(UINT command) {
  {
    auto lock = m_machine.Lock();
    SimPopupMenu* menu = m_machine.Screen().OpenMenu();
    if (menu == nullptr) return "no menu is open";
    bool found = false;
    for (int i = 0; i < menu->menu->itemCount; ++i) found = found || menu->menu->items[i].id == command;
    if (!found) return "the menu has no item " + std::to_string(command);
    menu->chosen = command;
    m_machine.Sched().Notify();
  }
  WaitIdle();
  return {};
}

std::string Driver::DismissMenu() {
  {
    auto lock = m_machine.Lock();
    SimPopupMenu* menu = m_machine.Screen().OpenMenu();
    if (menu == nullptr) return "no menu is open";
    menu->chosen = 0;
    m_machine.Sched().Notify();
  }
  WaitIdle();
  return {};
}

std::string Driver::Answer(int button) {
  {
    auto lock = m_machine.Lock();
    auto boxes = m_machine.Screen().OpenMessageBoxes();
    if (boxes.empty()) return "no message box is open";
    SimMessageBox* box = boxes.back();
    UINT buttons = box->type & 0xF;
    bool offered = buttons == MB_YESNO      ? (button == IDYES || button == IDNO)
                   : buttons == MB_OKCANCEL ? (button == IDOK || button == IDCANCEL)
                                            : button == IDOK;
    if (!offered) return "the message box has no such button";
    box->answer = button;
    m_machine.Sched().Notify();
  }
  WaitIdle();
  return {};
}

std::string Driver::ShowControl(int controlId, bool show) {
  auto lock = m_machine.Lock();
  SimWnd* dialog = ActiveLocked(0);
  SimWnd* control = dialog ? m_machine.Screen().FindControl(dialog->hwnd, controlId) : nullptr;
  if (control == nullptr) return Describe(controlId) + " does not exist";
  control->visible = show;
  m_machine.Screen().DropFocusIfUnreachable(*control);
  return {};
}

std::string Driver::EnableControl(int controlId, bool enable) {
  auto lock = m_machine.Lock();
  SimWnd* dialog = ActiveLocked(0);
  SimWnd* control = dialog ? m_machine.Screen().FindControl(dialog->hwnd, controlId) : nullptr;
  if (control == nullptr) return Describe(controlId) + " does not exist";
  control->enabled = enable;
  m_machine.Screen().DropFocusIfUnreachable(*control);
  return {};
}

std::optional<SimWnd> Driver::Window(HWND hwnd) {
  auto lock = m_machine.Lock();
  SimWnd* wnd = hwnd ? m_machine.Screen().Find(hwnd) : ActiveLocked(0);
  if (wnd == nullptr) return std::nullopt;
  return *wnd;
}

std::optional<SimWnd> Driver::Control(int controlId, HWND dialog) {
  auto lock = m_machine.Lock();
  SimWnd* parent = dialog ? m_machine.Screen().Find(dialog) : ActiveLocked(0);
  SimWnd* control = parent ? m_machine.Screen().FindControl(parent->hwnd, controlId) : nullptr;
  if (control == nullptr) return std::nullopt;
  return *control;
}

std::vector<SimTimer> Driver::Timers(HWND hwnd) {
  auto lock = m_machine.Lock();
  SimWnd* wnd = hwnd ? m_machine.Screen().Find(hwnd) : ActiveLocked(0);
  return wnd ? m_machine.Screen().TimersOf(wnd->hwnd) : std::vector<SimTimer>{};
}

std::optional<SimTrayIcon> Driver::TrayIcon(int pid) {
  auto lock = m_machine.Lock();
  for (const SimTrayIcon& icon : m_machine.Screen().TrayIcons())
    if (icon.pid == PidOr(pid)) return icon;
  return std::nullopt;
}

std::vector<SimMessageBox> Driver::MessageBoxes() {
  auto lock = m_machine.Lock();
  std::vector<SimMessageBox> boxes;
  for (SimMessageBox* box : m_machine.Screen().OpenMessageBoxes()) boxes.push_back(*box);
  return boxes;
}

std::optional<SimPopupMenu> Driver::OpenMenu() {
  auto lock = m_machine.Lock();
  SimPopupMenu* menu = m_machine.Screen().OpenMenu();
  if (menu == nullptr) return std::nullopt;
  return *menu;
}

std::optional<int> Driver::FocusedControl() {
  auto lock = m_machine.Lock();
  SimWnd* dialog = ActiveLocked(0);
  SimWnd* focused = dialog ? m_machine.Screen().Find(dialog->focus) : nullptr;
  return focused ? std::optional(focused->id) : std::nullopt;
}

std::optional<plat::AccessibleFacts> Driver::Accessible(int controlId) {
  auto lock = m_machine.Lock();
  SimWnd* dialog = ActiveLocked(0);
  SimWnd* control = dialog ? m_machine.Screen().FindControl(dialog->hwnd, controlId) : nullptr;
  if (control == nullptr) return std::nullopt;
  return m_machine.Screen().Accessible(*control);
}

HWND Driver::Foreground() {
  auto lock = m_machine.Lock();
  return m_machine.Screen().Foreground();
}

}  // namespace sim
