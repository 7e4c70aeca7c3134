// The headless desktop: the store of its window records (WindowRecords.h),
// message queues, window timers (DesktopTimers.cpp), message boxes and popup
// menus (DesktopBoxes.cpp), the notification area (DesktopTray.cpp), the
// pointer (DesktopPointer.cpp), browsers' pages (DesktopBrowser.cpp) and the
// keyboard focus (DesktopFocus.cpp). Guarded by the machine lock.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Accessibility.h"
#include "platform/BoxesAndMenus.h"
#include "platform/BrowserHost.h"
#include "platform/NotificationArea.h"
#include "platform/Windowing.h"
#include "sim/ResponseWatch.h"
#include "sim/Scheduler.h"
#include "sim/WindowRecords.h"

namespace sim {

struct Process;

class Desktop : public IClockSource {
 public:
  explicit Desktop(Scheduler& scheduler);
  ~Desktop();

  // Window objects.
  SimWnd* Find(HWND hwnd);
  SimWnd* FindControl(HWND dialog, int id);
  HWND CreateDialogWindow(const plat::DialogTemplate& tmpl, HWND parent, const Process& process,
                          plat::IWindowSink* sink);
  void DestroyWindow(HWND hwnd);
  void DestroyProcessWindows(int pid);
  std::vector<SimWnd*> TopLevelWindows();
  // How many top-level windows the process has created over its life.
  int WindowsCreatedBy(int pid) const;

  // Messages (lock held). The GUI thread of the window gets posted messages.
  bool Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  // Waits (lock held) for the calling thread's next message or until stop().
  std::optional<SimMessage> WaitMessage(std::unique_lock<std::mutex>& lock,
                                        const std::function<bool()>& stop);
  // Delivers a message to its window's sink, lock released during the call.
  LRESULT Dispatch(std::unique_lock<std::mutex>& lock, const SimMessage& msg);
  // Runs the calling thread's messages until done() (modal loops).
  void RunModalLoop(std::unique_lock<std::mutex>& lock, const std::function<bool()>& done);

  // Timers.
  UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT period);
  bool KillTimer(HWND hwnd, UINT_PTR id);
  std::vector<SimTimer> TimersOf(HWND hwnd) const;
  std::optional<VirtualTime> NextDue() const override;
  void FireDue(VirtualTime now) override;

  // Message boxes and menus (modal on the calling GUI thread).
  int RunMessageBox(std::unique_lock<std::mutex>& lock, int pid, HWND owner, std::string text,
                    std::string caption, UINT type);
  std::vector<SimMessageBox*> OpenMessageBoxes();
  // The latest boxes answered, oldest first (the oldest are dropped past a bound).
  const std::deque<SimMessageBox>& AnsweredBoxes() const { return m_answeredBoxes; }
  void RunPopupMenu(std::unique_lock<std::mutex>& lock, int pid, const plat::MenuTemplate& menu,
                    plat::Point at, HWND owner);
  SimPopupMenu* OpenMenu() { return m_menus.empty() ? nullptr : m_menus.back().get(); }

  // Notification area.
  bool NotifyIcon(int pid, DWORD operation, const plat::NotifyIconRecord& record);
  std::vector<SimTrayIcon>& TrayIcons() { return m_trayIcons; }
  SimTrayIcon* FindTrayIcon(HWND hwnd, UINT id);
  void ClearBalloon(SimTrayIcon& icon);

  // Registered window messages: one number per name (ignoring case), from 0xC000.
  UINT RegisterMessage(std::string_view name);
  // The shell starts anew: every icon is gone, then its "TaskbarCreated"
  // goes to each top-level window that gets it (filtered: an elevated
  // window only where it let the message through).
  void RestartShell(bool filtered);
  // Posts the message to every top-level window of a running program.
  void Broadcast(UINT msg, WPARAM wParam, LPARAM lParam);
  // The session's end: what each window answered WM_QUERYENDSESSION.
  std::map<HWND, bool>& SessionAnswers() { return m_sessionAnswers; }

  // Sleep: window timers stand still from Suspend to Resume and then run
  // on with the time they had left.
  void Suspend();
  void Resume();
  bool Asleep() const { return m_asleep; }

  // The latest control text changes (the oldest are dropped past a bound).
  void NoteTextChange(const SimWnd& control, VirtualTime at);
  const std::deque<SimTextChange>& TextChanges() const { return m_textChanges; }
  std::uint64_t TextChangeCount() const { return m_textChangeCount; }

  // The latest progress bar positions (the oldest are dropped past a bound).
  void NoteProgress(const SimWnd& bar, VirtualTime at);
  const std::deque<SimProgressChange>& ProgressChanges() const { return m_progressChanges; }
  std::uint64_t ProgressChangeCount() const { return m_progressChangeCount; }

  // How long each window thread went without retrieving a message.
  ResponseWatch& Responses() { return m_responses; }
  // The calling thread peeks at its messages without waiting.
  void NotePeek() { m_responses.Peeked(Scheduler::Self(), m_scheduler.Now()); }

  HWND Foreground() const { return m_foreground; }
  void SetForeground(HWND hwnd) { m_foreground = hwnd; }
  plat::Point cursor{200, 300};
  int cursorShape = 32512;  // the system's arrow

  // The pointer over a window (screen coordinates). A press lands on the
  // topmost visible, enabled control that takes clicks; statics and
  // pictures pass it to the window as WM_LBUTTONDOWN.
  void MouseDown(SimWnd& window, plat::Point at);
  // Moves the pointer: a caption drag moves its window; elsewhere the
  // window under the pointer gets WM_SETCURSOR.
  void MouseMove(plat::Point to);
  // Lets go: a button still pressed under the pointer is clicked.
  void MouseUp();
  void MoveWindowTo(SimWnd& window, int left, int top);
  // A browser shows a loaded page: a document-complete event for each
  // frame and then for the page goes to the browser's window.
  void ShowPage(SimWnd& browser, std::vector<SimDocument> documents);
  // A confined browser keeps its page: the address is recorded and the
  // refusal goes to the browser's window.
  void RefuseNavigation(SimWnd& browser, std::string url);
  // The bitmap a bitmap button shows now (0 without bitmaps).
  static int ShownBitmap(const SimWnd& button);

  // Keyboard focus (DesktopFocus.cpp). Tab stops are the visible, enabled
  // controls that take the focus, in template order.
  static bool IsTabStop(const SimWnd& control);
  HWND NextTabStop(const SimWnd& dialog, bool back);
  void SetFocus(SimWnd& dialog, HWND control);
  // A control hidden or disabled while it has the focus takes it away.
  void DropFocusIfUnreachable(const SimWnd& control);
  // What the system's accessibility interface tells of a control.
  plat::AccessibleFacts Accessible(const SimWnd& control);

  // Default processing of a message a window did not handle.
  void DefaultProcessing(SimWnd& wnd, const SimMessage& msg);
  void ApplyShow(SimWnd& wnd, int cmd);

 private:
  MessageQueue& QueueOf(SimThread* thread);
  bool HasWork(SimThread* thread) const;

  Scheduler& m_scheduler;
  std::map<std::uintptr_t, std::unique_ptr<SimWnd>> m_windows;
  std::map<SimThread*, MessageQueue> m_queues;
  std::vector<SimTimer> m_timers;
  std::vector<std::unique_ptr<SimMessageBox>> m_boxes;
  std::deque<SimMessageBox> m_answeredBoxes;
  std::vector<std::unique_ptr<SimPopupMenu>> m_menus;
  std::vector<SimTrayIcon> m_trayIcons;
  ResponseWatch m_responses;
  std::uintptr_t m_nextHandle = 0x10010;
  int m_nextBoxSerial = 1;
  HWND m_foreground = nullptr;
  struct Mouse {
    bool down = false;
    HWND window = nullptr;   // the window the press went to
    HWND pressed = nullptr;  // the button held down
    HWND dragged = nullptr;  // the window a caption drag moves
    plat::Point dragFrom;
    plat::Point windowFrom;
  } m_mouse;
  void NoteCompletionHandled(const SimMessage& msg);
  std::map<int, int> m_windowsCreated;  // by process id
  std::map<std::string, UINT> m_registeredMessages;
  std::map<HWND, bool> m_sessionAnswers;
  bool m_asleep = false;
  std::map<std::pair<HWND, UINT_PTR>, VirtualTime> m_timerLeft;  // while asleep
  std::deque<SimTextChange> m_textChanges;
  std::uint64_t m_textChangeCount = 0;
  std::deque<SimProgressChange> m_progressChanges;
  std::uint64_t m_progressChangeCount = 0;
};

// Dialog units to pixels on the simulated screen (a 96 DPI one).
constexpr int kPixelsPerDialogUnitX = plat::kPixelsPerDialogUnit;
constexpr int kPixelsPerDialogUnitY = plat::kPixelsPerDialogUnit;

}  // namespace sim
