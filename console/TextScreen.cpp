#include "console/TextScreen.h"

#include <algorithm>

#include "platform/WinConstants.h"
#include "sim/scenario/Tokens.h"

namespace sim {

namespace {

using scenario::Printable;

constexpr int kMinBoxWidth = 48;
// A value on the screen is cut after this many characters, with its length.
constexpr size_t kScreenCharacters = 80;

std::string Quote(std::string_view text) {
  return scenario::Quote(text, kScreenCharacters);
}
std::string Shown(std::string_view text) {
  return Printable(text, kScreenCharacters);
}

bool IsWide(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) || (c >= 0x3041 && c <= 0x33FF) ||
         (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
         (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
         (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6);
}

std::string Pad(const std::string& text, int width) {
  return text + std::string(static_cast<size_t>(std::max(0, width - DisplayWidth(text))), ' ');
}

// A framed block: title in the top edge, note at its right end.
class Frame {
 public:
  explicit Frame(std::string title, std::string note = {})
      : m_title(std::move(title)), m_note(std::move(note)) {}
  void Line(std::string text) { m_lines.push_back(std::move(text)); }

  std::string Draw() const {
    int inner = kMinBoxWidth;
    for (const std::string& line : m_lines) inner = std::max(inner, DisplayWidth(line) + 2);
    int head = DisplayWidth(m_title) + DisplayWidth(m_note) + 7;
    inner = std::max(inner, head);
    std::string top = "+- " + m_title + " ";
    std::string noteEnd = m_note.empty() ? "" : " " + m_note + " -";
    top += std::string(static_cast<size_t>(inner - DisplayWidth(top) + 1 - DisplayWidth(noteEnd)), '-');
    std::string out = top + noteEnd + "+\n";
    for (const std::string& line : m_lines) out += "| " + Pad(line, inner - 2) + " |\n";
    return out + "+" + std::string(static_cast<size_t>(inner), '-') + "+\n";
  }

 private:
  std::string m_title, m_note;
  std::vector<std::string> m_lines;
};

const char* KindName(const SimWnd& c) {
  using plat::ControlKind;
  switch (c.kind) {
    case ControlKind::PushButton:
      return "button";
    case ControlKind::DefPushButton:
      return "default button";
    case ControlKind::OwnerDrawButton:
      return "owner-drawn button";
    case ControlKind::CheckBox:
      return "check box";
    case ControlKind::RadioButton:
      return "radio button";
    case ControlKind::Edit:
      return (c.style & plat::kStylePassword) ? "password" : "edit";
    case ControlKind::Static:
      return "static";
    case ControlKind::Picture:
      return "picture";
    case ControlKind::ComboDropDown:
      return "combo box";
    case ControlKind::ComboDropList:
      return "drop-down list";
    case ControlKind::ListBox:
      return "list box";
    case ControlKind::Progress:
      return "progress bar";
    case ControlKind::Browser:
      return "browser";
  }
  return "control";
}

// Characters of a UTF-8 text (not its bytes).
size_t CharacterCount(std::string_view text) {
  return static_cast<size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string Entries(const SimWnd& c) {
  std::string text = std::to_string(c.items.size()) + (c.items.size() == 1 ? " entry" : " entries");
  if (c.curSel >= 0) text += ", #" + std::to_string(c.curSel) + " selected";
  return text;
}

std::string ControlState(const SimWnd& c) {
  using plat::ControlKind;
  switch (c.kind) {
    case ControlKind::CheckBox:
      return std::string(c.check ? "[x] " : "[ ] ") + Quote(c.text);
    case ControlKind::RadioButton:
      return std::string(c.check ? "(o) " : "( ) ") + Quote(c.text);
    case ControlKind::Edit:
      return Quote((c.style & plat::kStylePassword) ? std::string(CharacterCount(c.text), '*') : c.text);
    case ControlKind::Picture:
      return "bitmap " + std::to_string(c.imageId);
    case ControlKind::ComboDropDown:
    case ControlKind::ComboDropList:
      return Quote(c.text) + "  v " + Entries(c);
    case ControlKind::ListBox:
      return Entries(c);
    case ControlKind::Progress:
      return std::to_string(c.progressPos) + " of " + std::to_string(c.progressLow) + ".." +
             std::to_string(c.progressHigh);
    case ControlKind::Browser:
      return c.navigations.empty() ? "(blank)" : Shown(c.navigations.back());
    default: {
      std::string text = Quote(c.text);
      if (std::any_of(std::begin(c.bitmaps), std::end(c.bitmaps), [](int b) { return b != 0; }))
        text += "  bitmaps " + std::to_string(c.bitmaps[0]) + " " + std::to_string(c.bitmaps[1]) + " " +
                std::to_string(c.bitmaps[2]) + " " + std::to_string(c.bitmaps[3]);
      return text;
    }
  }
}

// The focused control is marked ">" before its id.
std::string ControlLine(const SimWnd& c, bool focused) {
  std::string id = c.id == -1 ? "-" : std::to_string(c.id);
  std::string line = std::string(static_cast<size_t>(std::max(0, 4 - static_cast<int>(id.size()))), ' ') +
                     (focused ? ">" : " ") + id + "  ";
  line += Pad(KindName(c), 20) + ControlState(c);
  if (!c.enabled) line += "  (disabled)";
  return line;
}

std::string DrawWindow(Desktop& desktop, const SimWnd& wnd) {
  std::string note = "process " + std::to_string(wnd.pid);
  if (desktop.Foreground() == wnd.hwnd) note += ", in front";
  if (wnd.iconic) note += ", minimised";
  Frame frame(wnd.text.empty() ? "(no title)" : Shown(wnd.text), note);
  for (HWND child : wnd.controls)
    if (const SimWnd* control = desktop.Find(child); control && control->visible)
      frame.Line(ControlLine(*control, wnd.focus == child));
  std::string timers;
  for (const SimTimer& t : desktop.TimersOf(wnd.hwnd))
    timers +=
        (timers.empty() ? "" : ", ") + std::to_string(t.id) + " every " + std::to_string(t.period) + " ms";
  if (!timers.empty()) frame.Line("timers: " + timers);
  return frame.Draw();
}

std::string DrawMessageBox(const SimMessageBox& box) {
  Frame frame(Shown(box.caption), "message box, process " + std::to_string(box.pid));
  const char* icon = "";
  switch (box.type & 0xF0) {
    case MB_ICONQUESTION:
      icon = "(?) ";
      break;
    case MB_ICONEXCLAMATION:
      icon = "(!) ";
      break;
    case MB_ICONINFORMATION:
      icon = "(i) ";
      break;
    case 0x10:
      icon = "(x) ";
      break;
  }
  constexpr int kShownLines = 20;
  std::string_view text = box.text;
  for (int shown = 0;; ++shown) {
    size_t end = text.find('\n');
    if (shown == kShownLines) {
      frame.Line("    ... (" + std::to_string(std::count(text.begin(), text.end(), '\n') + 1) +
                 " more lines)");
      break;
    }
    frame.Line((shown == 0 ? icon : "    ") + Shown(text.substr(0, end)));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  frame.Line(MessageBoxButtons(box.type));
  return frame.Draw();
}

std::string DrawMenu(const SimPopupMenu& menu) {
  std::string out = "menu " + Quote(menu.menu->popupTitle) + " at " + std::to_string(menu.at.x) + "," +
                    std::to_string(menu.at.y) + " (process " + std::to_string(menu.pid) + "):\n";
  for (int i = 0; i < menu.menu->itemCount; ++i) {
    const plat::MenuItem& item = menu.menu->items[i];
    out += item.id ? "  " + std::to_string(item.id) + "  " + Shown(item.text) + "\n" : "  ----\n";
  }
  return out;
}

std::string DrawTray(const SimTrayIcon& icon) {
  std::string out = "tray: icon " + std::to_string(icon.id) + " tip " + Quote(icon.tip) + " (process " +
                    std::to_string(icon.pid) + ")\n";
  if (!icon.balloonText.empty() || !icon.balloonTitle.empty())
    out += "      balloon " + Quote(icon.balloonTitle) + ": " + Quote(icon.balloonText) + "\n";
  return out;
}

std::string ProcessLine(Machine& machine, const NamedProcess& named) {
  std::string line = "process " + Shown(named.name) + " (" + std::to_string(named.pid) + "): ";
  const Process* process = machine.FindProcess(named.pid);
  if (process == nullptr) return line + "unknown\n";
  return line + (process->exitCode ? "ended, exit code " + std::to_string(*process->exitCode) : "running") +
         "\n";
}

}  // namespace

std::string MessageBoxButtons(UINT type) {
  switch (type & 0xF) {
    case 1:
      return "[OK] [Cancel]";
    case 2:
      return "[Abort] [Retry] [Ignore]";
    case 3:
      return "[Yes] [No] [Cancel]";
    case 4:
      return "[Yes] [No]";
    case 5:
      return "[Retry] [Cancel]";
    case 6:
      return "[Cancel] [Try Again] [Continue]";
    default:
      return "[OK]";
  }
}

int DisplayWidth(std::string_view utf8) {
  int width = 0;
  for (size_t i = 0; i < utf8.size();) {
    auto byte = static_cast<unsigned char>(utf8[i]);
    int length = byte < 0x80 ? 1 : byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    char32_t c = length == 1 ? byte : byte & (0x3F >> (length - 1));
    for (int k = 1; k < length && i + static_cast<size_t>(k) < utf8.size(); ++k)
      c = (c << 6) | (static_cast<unsigned char>(utf8[i + static_cast<size_t>(k)]) & 0x3F);
    width += IsWide(c) ? 2 : 1;
    i += static_cast<size_t>(length);
  }
  return width;
}

std::string DrawScreen(Machine& machine, const std::vector<NamedProcess>& processes) {
  auto lock = machine.Lock();
  Desktop& desktop = machine.Screen();
  std::string out;
  std::string hidden;
  for (const SimWnd* wnd : desktop.TopLevelWindows()) {
    if (wnd->visible)
      out += DrawWindow(desktop, *wnd);
    else if (!wnd->endResult)
      hidden +=
          (hidden.empty() ? "" : ", ") + Quote(wnd->text) + " (process " + std::to_string(wnd->pid) + ")";
  }
  if (!hidden.empty()) out += "hidden windows: " + hidden + "\n";
  for (const SimMessageBox* box : desktop.OpenMessageBoxes()) out += DrawMessageBox(*box);
  if (const SimPopupMenu* menu = desktop.OpenMenu()) out += DrawMenu(*menu);
  for (const SimTrayIcon& icon : desktop.TrayIcons()) out += DrawTray(icon);
  if (desktop.TrayIcons().empty()) out += "tray: empty\n";
  for (const NamedProcess& named : processes) out += ProcessLine(machine, named);
  out +=
      "time: " + std::to_string(machine.Sched().Now()) + " ms, tick " + std::to_string(machine.Tick()) + "\n";
  return out;
}

}  // namespace sim
