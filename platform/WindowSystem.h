// Port: the window system (dialogs, controls, messages, timers, message
// boxes, menus, tray icon, browser control, other instances' windows).
// All texts are UTF-8.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DialogTemplate.h"
#include "platform/WinTypes.h"

namespace plat {

struct Point {
  int x = 0, y = 0;
};
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const Rect&) const = default;
};

// Receives every message of one window; set handled to false for the
// window system's default processing.
class IWindowSink {
 public:
  virtual LRESULT OnWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) = 0;

 protected:
  ~IWindowSink() = default;
};

// The shell's notification record (ANSI layout sizes, UTF-8 text).
struct NotifyIconRecord {
  DWORD cbSize = 0;
  HWND hWnd = nullptr;
  UINT uID = 0;
  UINT uFlags = 0;
  UINT uCallbackMessage = 0;
  HICON hIcon = nullptr;
  char szTip[128] = {};
  DWORD dwState = 0;
  DWORD dwStateMask = 0;
  char szInfo[256] = {};
  UINT uTimeout = 0;
  char szInfoTitle[64] = {};
  DWORD dwInfoFlags = 0;
};

struct MenuItem {
  UINT id;  // 0 for a separator
  const char* text;
};
struct MenuTemplate {
  int id;
  const char* popupTitle;
  const MenuItem* items;
  int itemCount;
};

// An event of a control hosted in a dialog (the web browser's), sent to the
// dialog's sink: wParam the control's id, lParam the event's dispatch id.
constexpr UINT kWmControlEvent = 0x8000 + 0x0C00;
// The browser's event when a page or one of its frames has finished loading.
constexpr LPARAM kEventDocumentComplete = 259;
// A confined browser refused a navigation or a new window; the address waits
// in NextRefusedNavigation.
constexpr LPARAM kEventNavigationRefused = 0x7F00;

// A browser's top document, held while the owner lives.
class IBrowserDocument {
 public:
  virtual ~IBrowserDocument() = default;
  // Sets the body element's scroll attribute; false when the page has no body.
  virtual bool SetBodyScroll(std::string_view value) = 0;
};

// What the system's accessibility interface tells a screen reader of a
// control: its name, role and state (the MSAA role and state numbers).
struct AccessibleFacts {
  std::string name;
  long role = 0;
  long state = 0;
};

// Accessibility roles and states (MSAA numbers).
enum AccessibleRole : long {
  kRoleClient = 0x0A,
  kRoleLink = 0x1E,
  kRoleList = 0x21,
  kRoleGraphic = 0x28,
  kRoleStaticText = 0x29,
  kRoleText = 0x2A,
  kRolePushButton = 0x2B,
  kRoleCheckButton = 0x2C,
  kRoleRadioButton = 0x2D,
  kRoleComboBox = 0x2E,
  kRoleProgressBar = 0x30,
};
enum AccessibleState : long {
  kStateUnavailable = 0x1,
  kStateFocused = 0x4,
  kStatePressed = 0x8,
  kStateChecked = 0x10,
  kStateInvisible = 0x8000,
  kStateFocusable = 0x100000,
  kStateProtected = 0x20000000,
};

class IWindowSystem {
 public:
  virtual ~IWindowSystem() = default;

  // Modal dialog: creates the window and its controls, sends WM_CREATE and
  // then WM_INITDIALOG to the sink, and dispatches until EndDialog.
  virtual INT_PTR DialogBox(const DialogTemplate& tmpl, HWND parent, IWindowSink& sink) = 0;
  virtual void EndDialog(HWND dlg, INT_PTR result) = 0;

  // Windows and controls.
  virtual HWND GetDlgItem(HWND dlg, int id) = 0;
  virtual std::string GetWindowText(HWND hwnd) = 0;
  virtual void SetWindowText(HWND hwnd, std::string_view text) = 0;
  virtual bool ShowWindow(HWND hwnd, int cmd) = 0;  // returns previous visibility
  virtual bool IsWindowVisible(HWND hwnd) = 0;
  virtual bool IsIconic(HWND hwnd) = 0;
  virtual void EnableWindow(HWND hwnd, bool enable) = 0;
  virtual bool IsWindowEnabled(HWND hwnd) = 0;
  virtual Rect GetWindowRect(HWND hwnd) = 0;  // pixels, screen
  virtual Rect GetClientRect(HWND hwnd) = 0;
  virtual void SetWindowSize(HWND hwnd, int cx, int cy) = 0;
  virtual HWND FindWindow(std::string_view title) = 0;
  virtual bool SetForegroundWindow(HWND hwnd) = 0;
  virtual void SetIcon(HWND hwnd, HICON icon, bool big) = 0;
  virtual HICON LoadIcon(int resourceId) = 0;
  virtual void SetDefaultId(HWND dlg, int id) = 0;
  // Paints a minimised window: icon background erased, icon drawn at (x, y).
  virtual void PaintIcon(HWND hwnd, int x, int y, HICON icon) = 0;
  virtual plat::Point GetIconSize() = 0;  // the system's icon metrics

  // Accessibility: the name (and role) the system's proxies report for a
  // control, annotated on the window; role 0 keeps the proxy's own.
  virtual void SetAccessibleName(HWND control, std::string_view name) = 0;
  virtual void SetAccessibleRole(HWND control, long role) = 0;
  // Asks the system's accessibility interface; false when it gives no answer.
  virtual bool GetAccessibleFacts(HWND control, AccessibleFacts& facts) = 0;

  // Keyboard focus. SetFocus moves it as the dialog manager does (the
  // default button follows); GetFocus names the dialog's control that has
  // it (a combo box for its edit field), or null. Tab and Shift+Tab reach
  // the dialog as WM_NEXTDLGCTL (wParam 0 forward, 1 back, lParam 0); not
  // handled, they go through the template's order.
  virtual void SetFocus(HWND dlg, HWND control) = 0;
  virtual HWND GetFocus() = 0;

  // Buttons.
  virtual int GetCheck(HWND button) = 0;
  virtual void SetCheck(HWND button, int state) = 0;
  // Bitmap resources for a bitmap button: normal, selected, focused, disabled (0 = none).
  virtual void SetButtonBitmaps(HWND button, int normal, int selected, int focused, int disabled) = 0;
  virtual void SizeToBitmap(HWND button) = 0;

  // Combo boxes and list boxes share one set of operations.
  virtual int AddString(HWND list, std::string_view text) = 0;
  virtual int DeleteString(HWND list, int index) = 0;  // remaining count, or -1
  virtual void ResetContent(HWND list) = 0;
  virtual int GetCount(HWND list) = 0;
  virtual int GetCurSel(HWND list) = 0;
  // -1 when out of range; the selection (and a combo box's text) is then cleared.
  virtual int SetCurSel(HWND list, int index) = 0;
  virtual int GetItemText(HWND list, int index, std::string& text) = 0;  // length, or -1 and text empty
  // List boxes: scrolls so that the entry is the top row, as far as the list goes.
  virtual int SetTopIndex(HWND list, int index) = 0;  // LB_ERR when out of range

  // Progress bar.
  virtual void SetProgressRange(HWND bar, int low, int high) = 0;
  virtual int SetProgressPos(HWND bar, int pos) = 0;

  // Messages and timers.
  virtual bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) = 0;
  virtual LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) = 0;
  virtual UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs) = 0;
  virtual bool KillTimer(HWND hwnd, UINT_PTR id) = 0;

  // Lets the calling thread's windows repaint while it is busy; no input
  // or other message is dispatched.
  virtual void DispatchPaintMessages() = 0;

  // Message box on the calling thread; returns IDOK, IDYES or IDNO.
  virtual int MessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type) = 0;

  // Menus.
  virtual void AppendSystemMenu(HWND hwnd, UINT flags, UINT id, std::string_view text) = 0;
  virtual Point GetCursorPos() = 0;
  // Sets one of the system's cursors (IDC_HAND, IDC_ARROW) for the pointer.
  virtual void SetCursorShape(int systemCursorId) = 0;
  // Shows the popup and sends the chosen item's command to owner as WM_COMMAND.
  virtual void TrackPopupMenu(const MenuTemplate& menu, UINT flags, Point at, HWND owner) = 0;

  // Notification area.
  virtual bool NotifyIcon(DWORD operation, const NotifyIconRecord& record) = 0;
  // A message that the system numbers by its name, the same number in every
  // program of the session (the shell's "TaskbarCreated"); 0 when it cannot.
  virtual UINT RegisterWindowMessage(std::string_view name) = 0;
  // Lets msg reach the window from programs of a lower level, such as the
  // unelevated shell, where the system filters what an elevated window gets.
  virtual bool AllowMessageFromShell(HWND hwnd, UINT msg) = 0;

  // Browser control. Navigate and the document-complete events that follow
  // are asynchronous; an event reaches the dialog as kWmControlEvent.
  virtual void Navigate(HWND browser, std::string_view url) = 0;
  virtual void SetBrowserVisible(HWND browser, bool visible) = 0;
  // The top document, or null when there is none (yet).
  virtual std::unique_ptr<IBrowserDocument> GetBrowserDocument(HWND browser) = 0;
  // Keeps the browser's top page on these hosts: a navigation elsewhere is
  // cancelled, new windows are refused, and each refused address is queued
  // for the owner with a kEventNavigationRefused event.
  virtual void ConfineBrowser(HWND browser, std::vector<std::string> hosts) = 0;
  // The oldest refused address not yet taken ("" for a new window that named
  // none); nullopt when none is left.
  virtual std::optional<std::string> NextRefusedNavigation(HWND browser) = 0;
};

}  // namespace plat
