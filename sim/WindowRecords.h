// What the headless desktop keeps of its windows, controls, timers, boxes,
// menus and notification icons, and the changes it records.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/BoxesAndMenus.h"
#include "platform/Windowing.h"
#include "sim/Scheduler.h"
#include "sim/SimBrowser.h"

namespace sim {

struct SimMessage {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

struct MessageQueue {
  std::deque<SimMessage> posted;
};

struct SimWnd {
  HWND hwnd = nullptr;
  HWND parent = nullptr;  // the dialog of a control; owner window of a dialog
  int pid = 0;
  SimThread* thread = nullptr;
  plat::IWindowSink* sink = nullptr;  // dialogs only
  const plat::DialogTemplate* dialogTemplate = nullptr;
  // Control data.
  int id = 0;
  plat::ControlKind kind = plat::ControlKind::Static;
  DWORD style = 0;
  int imageId = 0;
  std::string text;
  bool visible = false;
  bool enabled = true;
  bool iconic = false;
  int check = 0;
  std::vector<std::string> items;
  int curSel = -1;
  int topIndex = 0;  // list boxes: first visible row
  int progressLow = 0, progressHigh = 100, progressPos = 0;
  int bitmaps[4] = {};
  plat::Rect rect;
  bool pressed = false;                  // a button held down under the pointer
  std::string accessibleName;            // annotated for screen readers
  long accessibleRole = 0;               // annotated; 0 = the control kind's own
  std::vector<std::string> navigations;  // every page a browser was sent to, in order
  SimBrowser browser;
  HICON paintedIcon = nullptr;
  plat::Point paintedIconAt;
  // Dialog data.
  std::vector<HWND> controls;  // template order
  int defId = 0;
  HWND focus = nullptr;  // the control with the keyboard focus
  HICON bigIcon = nullptr, smallIcon = nullptr;
  std::vector<std::pair<UINT, std::string>> systemMenu;  // id 0 = separator
  std::optional<INT_PTR> endResult;
  std::vector<UINT> allowedFromShell;  // messages let through the window's filter
};

// A control's text as the program changed it, in order.
struct SimTextChange {
  VirtualTime at;
  int pid;
  int controlId;
  std::string text;
};

// A progress bar's position as the program set it, in order.
struct SimProgressChange {
  VirtualTime at;
  HWND bar;
  int pid;
  int controlId;
  int pos;
};

struct SimTimer {
  HWND hwnd;
  UINT_PTR id;
  UINT period;
  VirtualTime nextDue;
  bool pending;
};

struct SimMessageBox {
  int serial;
  int pid;
  HWND owner;
  std::string text;
  std::string caption;
  UINT type;
  std::optional<int> answer;
  VirtualTime shownAt = 0;
  VirtualTime answeredAt = 0;
  std::uint64_t answeredOrder = 0;  // the scheduler's order of the answer's return
};

struct SimPopupMenu {
  int pid;
  HWND owner;
  const plat::MenuTemplate* menu;
  plat::Point at;
  std::optional<UINT> chosen;  // 0 = dismissed
};

struct SimTrayIcon {
  int pid;
  HWND hwnd;
  UINT id;
  UINT flags;
  UINT callbackMessage;
  HICON icon;
  std::string tip;
  std::string balloonText;
  std::string balloonTitle;
  UINT balloonTimeout;
  DWORD balloonFlags;
  std::optional<VirtualTime> balloonUntil;  // the balloon disappears then
};

}  // namespace sim
