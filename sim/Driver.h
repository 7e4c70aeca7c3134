// The tests' and the console's hands on the simulated machine: starts the
// dialer, acts as the user, and reads every state back. Every action ends
// with WaitIdle. Actions return an empty text, or what went wrong.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "sim/Machine.h"

namespace sim {

inline constexpr const char* kDefaultModulePath = "C:\\Program Files\\Velk VPN\\Dorvanta.exe";
// The exit code of a program that the end of the session ends (STATUS_CONTROL_C_EXIT).
inline constexpr int kEndedWithSession = static_cast<int>(0xC000013Au);

enum class TrayClick { Left, Right, Double };

class Driver {
 public:
  Driver(Machine& machine, Program program) : m_machine(machine), m_program(std::move(program)) {}

  Machine& Box() { return m_machine; }

  // Starts the dialer as a new process and waits until it is idle. The
  // first process started becomes the one the actions aim at. Its current
  // directory is its module's folder unless one is given.
  int Start(const std::string& modulePath = kDefaultModulePath, const std::string& currentDirectory = {});
  int Pid() const { return m_pid; }
  void SetPid(int pid) { m_pid = pid; }
  std::optional<int> ExitCode(int pid = 0);
  // Ends the process from outside at once, as the task manager does (exit
  // code 1): its threads stop at their next wait and its windows go.
  std::string EndProcess(int pid = 0);
  bool Running(int pid = 0);

  // The process's newest window (the top of its modal chain), or null.
  HWND ActiveWindow(int pid = 0);

  // User actions on the active window.
  std::string Click(int controlId);
  std::string Type(int controlId, const std::string& text);
  std::string Select(int controlId, int index);
  std::string PressEnter();
  std::string PressEscape();
  std::string Close();
  std::string Minimize();
  std::string SysCommand(UINT id);
  std::string ClickTray(TrayClick click, std::optional<UINT> otherId = std::nullopt);
  std::string ChooseMenuItem(UINT command);
  std::string DismissMenu();
  std::string Answer(int button);  // IDOK, IDYES, IDNO on the newest message box
  // The dialog manager's keys: Tab (back: Shift+Tab) moves the focus, Space
  // presses the focused button, toggles the focused check box or types a
  // blank into the focused field.
  std::string PressTab(bool back);
  std::string PressSpace();
  std::string ShowControl(int controlId, bool show = true);

  // The desktop's own events (DriverDesktop.cpp).
  // The shell restarts: every notification-area icon is gone, then the
  // shell's "TaskbarCreated" goes out (through the filter of an elevated
  // window from Vista on).
  std::string RestartShell();
  // Sign-out: every window is asked, then told the session ends, and the
  // programs still running then are ended (exit code kEndedWithSession).
  // Fails, telling which window, when one holds the session up.
  std::string EndSession();
  // The machine goes to sleep and wakes: the power events, window timers
  // standing still in between.
  std::string Suspend();
  std::string Resume();
  std::string EnableControl(int controlId, bool enable = true);

  // The pointer, in client coordinates of the active window.
  std::string Press(plat::Point client);
  std::string PressControl(int controlId);  // on the middle of the control
  // Lets the button go; with away the pointer leaves the pressed spot first.
  std::string Release(bool away = false);
  // Press, move by the distance from one client point to the other, let go.
  std::string Drag(plat::Point from, plat::Point to);
  std::string PointAt(plat::Point client);
  std::string Hover(int controlId);  // the middle of the control, hidden or not
  // The user follows a link of the page in a browser control (or of its frames).
  std::string FollowLink(int browserId, const std::string& url);
  // A script of the page a browser shows asks for a new window on url.
  std::string OpenNewWindow(int browserId, const std::string& url);

  // Reading state (copies taken under the machine lock).
  std::optional<SimWnd> Window(HWND hwnd = nullptr);
  std::optional<SimWnd> Control(int controlId, HWND dialog = nullptr);
  std::vector<SimTimer> Timers(HWND hwnd = nullptr);
  std::optional<SimTrayIcon> TrayIcon(int pid = 0);
  std::vector<SimMessageBox> MessageBoxes();
  std::optional<SimPopupMenu> OpenMenu();
  HWND Foreground();
  // The id of the active window's focused control; nullopt when none has it.
  std::optional<int> FocusedControl();
  // What the system's accessibility interface tells of a control.
  std::optional<plat::AccessibleFacts> Accessible(int controlId);
  int CursorShape();

  // Both run the actions placed before them as their instants come.
  void WaitIdle();
  void Advance(DWORD ms);

  // Places an action at a virtual instant: the driver's next wait runs it
  // when the clock gets there, in the middle of whatever the machine does
  // then, and does not return before it has. A placed action waits for
  // nothing itself; the wait that runs it goes on afterwards.
  void At(VirtualTime when, std::function<void()> action);
  bool HasPlacedActions() const { return !m_placed.empty(); }
  VirtualTime Now();

 private:
  int PidOr(int pid) const { return pid ? pid : m_pid; }
  // Why no input reaches the windows now: a message box or a popup menu is
  // open (lock held); empty when input can go.
  std::string ModalBusy();
  // Posts input to the active window after checking the control can take it.
  std::string PostToActive(UINT msg, WPARAM wParam, LPARAM lParam);
  SimWnd* ActiveLocked(int pid);
  std::string ControlForInput(int controlId, SimWnd*& control, SimWnd*& dialog);
  std::string ActiveForPointer(SimWnd*& dialog);
  // The active window's browser control browserId, under the same rules.
  std::string BrowserForPointer(int browserId, SimWnd*& dialog, SimWnd*& browser);

  // Runs the placed actions due by limit (all of them without one).
  void RunPlacedActions(std::optional<VirtualTime> limit);

  Machine& m_machine;
  Program m_program;
  int m_pid = 0;
  std::multimap<VirtualTime, std::function<void()>> m_placed;  // equal instants in the order placed
  bool m_acting = false;                                       // a placed action runs
};

}  // namespace sim
