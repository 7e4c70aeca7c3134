// What the dialer's newest window and its controls show.
#include "sim/scenario/Helpers.h"
#include "sim/scenario/Registry.h"

namespace sim::scenario {

namespace {

std::string Subject(int id) {
  return "control " + std::to_string(id);
}

// Runs check on a control of the active window, reporting a missing one.
template <typename Check>
std::string WithControl(Context& context, int id, Check&& check) {
  std::string problem;
  auto control = ControlOf(context, id, problem);
  return control ? check(*control) : problem;
}

std::string ExpectWindow(Arguments& args, Context& context) {
  std::string what = args.Keyword({"title", "visible", "hidden", "iconic", "foreground", "background"});
  std::optional<std::string> title = what == "title" ? std::optional(args.Text("TITLE")) : std::nullopt;
  args.End();
  auto window = context.driver.Window();
  if (!window) return "no window of the dialer is open";
  std::string name = "the window " + Quote(window->text);
  if (what == "title")
    return window->text == *title ? "" : Differs("the window's title", Quote(window->text), Quote(*title));
  if (what == "visible") return window->visible ? "" : name + " is hidden";
  if (what == "hidden") return window->visible ? name + " is visible" : "";
  if (what == "iconic") return window->iconic ? "" : name + " is not minimised";
  bool front = context.driver.Foreground() == window->hwnd;
  if (what == "foreground") return front ? "" : name + " is not in front";
  return front ? name + " is in front" : "";
}

std::string ExpectText(Arguments& args, Context& context) {
  int id = args.Int("ID");
  std::string expected = args.Text("TEXT");
  args.End();
  return WithControl(context, id, [&](const SimWnd& c) {
    return c.text == expected ? "" : Differs("the text of " + Subject(id), Quote(c.text), Quote(expected));
  });
}

Handler ExpectFlag(bool SimWnd::*flag, bool wanted, const char* yes, const char* no) {
  return [=](Arguments& args, Context& context) {
    int id = args.Int("ID");
    args.End();
    return WithControl(context, id, [&](const SimWnd& c) {
      return c.*flag == wanted ? std::string() : Subject(id) + " is " + (c.*flag ? yes : no);
    });
  };
}

// A number read from a control, compared with the one expected.
Handler ExpectNumber(const char* what, int (*read)(const SimWnd&)) {
  return [=](Arguments& args, Context& context) {
    int id = args.Int("ID");
    int expected = args.Int("VALUE");
    args.End();
    return WithControl(context, id, [&](const SimWnd& c) {
      int actual = read(c);
      return actual == expected ? std::string()
                                : Differs(std::string("the ") + what + " of " + Subject(id),
                                          std::to_string(actual), std::to_string(expected));
    });
  };
}

std::string ExpectItems(Arguments& args, Context& context) {
  int id = args.Int("ID");
  std::vector<std::string> expected = args.RestAsTexts();
  return WithControl(context, id, [&](const SimWnd& c) {
    return c.items == expected
               ? ""
               : Differs("the entry list of " + Subject(id), QuoteList(c.items), QuoteList(expected));
  });
}

std::string ExpectBitmaps(Arguments& args, Context& context) {
  int id = args.Int("ID");
  int expected[4];
  for (int& bitmap : expected) bitmap = args.Int("BITMAP");
  args.End();
  return WithControl(context, id, [&](const SimWnd& c) {
    auto spell = [](const int(&b)[4]) {
      return std::to_string(b[0]) + " " + std::to_string(b[1]) + " " + std::to_string(b[2]) + " " +
             std::to_string(b[3]);
    };
    return std::equal(std::begin(c.bitmaps), std::end(c.bitmaps), std::begin(expected))
               ? ""
               : Differs("the bitmap set of " + Subject(id), spell(c.bitmaps), spell(expected));
  });
}

std::string TimerList(const std::vector<SimTimer>& timers) {
  std::string list;
  for (const SimTimer& t : timers)
    list += (list.empty() ? "" : ", ") + std::to_string(t.id) + " every " + std::to_string(t.period) + " ms";
  return list.empty() ? "none" : list;
}

std::string ExpectTimer(Arguments& args, Context& context) {
  std::int64_t id = args.Number("ID");
  std::optional<int> period = args.AtEnd() ? std::nullopt : std::optional(args.Int("PERIOD"));
  args.End();
  if (context.driver.ActiveWindow() == nullptr) return "no window of the dialer is open";
  auto timers = context.driver.Timers();
  for (const SimTimer& t : timers) {
    if (static_cast<std::int64_t>(t.id) != id) continue;
    if (!period || static_cast<int>(t.period) == *period) return {};
    return Differs("the period of timer " + std::to_string(id), std::to_string(t.period) + " ms",
                   std::to_string(*period) + " ms");
  }
  return "timer " + std::to_string(id) + " does not run; timers: " + TimerList(timers);
}

std::string ExpectNoTimer(Arguments& args, Context& context) {
  std::int64_t id = args.Number("ID");
  args.End();
  auto timers = context.driver.Timers();
  for (const SimTimer& t : timers)
    if (static_cast<std::int64_t>(t.id) == id)
      return "timer " + std::to_string(id) + " runs; timers: " + TimerList(timers);
  return {};
}

std::string ExpectSysMenu(Arguments& args, Context& context) {
  std::int64_t id = args.Number("ID");
  std::string expected = args.Text("TEXT");
  args.End();
  auto window = context.driver.Window();
  if (!window) return "no window of the dialer is open";
  std::string items;
  for (const auto& [itemId, text] : window->systemMenu) {
    if (static_cast<std::int64_t>(itemId) == id && itemId != 0)
      return text == expected
                 ? ""
                 : Differs("system menu item " + std::to_string(id), Quote(text), Quote(expected));
    items +=
        (items.empty() ? "" : ", ") + (itemId ? std::to_string(itemId) + " " + Quote(text) : "separator");
  }
  return "the system menu has no item " + std::to_string(id) +
         "; its added items: " + (items.empty() ? "none" : items);
}

}  // namespace

void RegisterWindowExpectations(Registry& registry) {
  registry.Add(
      {"expect window", "title \"TITLE\" | visible | hidden | iconic | foreground | background",
       "The newest window of the dialer has this title, or is visible, hidden, minimised, in front or "
       "behind another window.",
       "expect window title \"Velk VPN\"", Group::Expectation, ExpectWindow});
  registry.Add({"expect text", "ID \"TEXT\"", "The control shows exactly this text (a button its caption).",
                "expect text 1010 \"접속되었습니다\"", Group::Expectation, ExpectText});
  registry.Add({"expect visible", "ID", "The control is shown.", "expect visible 1036", Group::Expectation,
                ExpectFlag(&SimWnd::visible, true, "visible", "hidden")});
  registry.Add({"expect hidden", "ID", "The control is hidden.", "expect hidden 1023", Group::Expectation,
                ExpectFlag(&SimWnd::visible, false, "visible", "hidden")});
  registry.Add({"expect enabled", "ID", "The control takes input.", "expect enabled 1004", Group::Expectation,
                ExpectFlag(&SimWnd::enabled, true, "enabled", "disabled")});
  registry.Add({"expect disabled", "ID", "The control is disabled.", "expect disabled 1026",
                Group::Expectation, ExpectFlag(&SimWnd::enabled, false, "enabled", "disabled")});
  registry.Add({"expect check", "ID STATE", "The check box or radio button's state (0 or 1).",
                "expect check 1006 1", Group::Expectation,
                ExpectNumber("check state", [](const SimWnd& c) { return c.check; })});
  registry.Add({"expect items", "ID [\"TEXT\"...]",
                "The combo or list box holds exactly these entries, in order.",
                "expect items 1014 \"韩国\" \"日本\"", Group::Expectation, ExpectItems});
  registry.Add({"expect count", "ID COUNT", "The combo or list box holds this many entries.",
                "expect count 1036 3", Group::Expectation, ExpectNumber("entry count", [](const SimWnd& c) {
                  return static_cast<int>(c.items.size());
                })});
  registry.Add({"expect selection", "ID INDEX", "The selected entry of a combo or list box (-1: none).",
                "expect selection 1036 0", Group::Expectation,
                ExpectNumber("selection", [](const SimWnd& c) { return c.curSel; })});
  registry.Add({"expect bitmaps", "ID NORMAL PRESSED FOCUSED DISABLED", "The bitmap button's four bitmaps.",
                "expect bitmaps 1004 164 175 164 164", Group::Expectation, ExpectBitmaps});
  registry.Add({"expect timer", "ID [PERIOD]",
                "The newest window has this timer running (with this period in ms).", "expect timer 1 3000",
                Group::Expectation, ExpectTimer});
  registry.Add({"expect no timer", "ID", "The newest window has no timer of this id.", "expect no timer 1",
                Group::Expectation, ExpectNoTimer});
  registry.Add({"expect sysmenu", "ID \"TEXT\"", "The window's system menu has this item.",
                "expect sysmenu 16 \"Dorvanta\"", Group::Expectation, ExpectSysMenu});
}

}  // namespace sim::scenario
