// What the user does to the dialer's newest window and its controls.
#include "sim/scenario/Helpers.h"
#include "sim/scenario/Registry.h"

namespace sim::scenario {

namespace {

// A command taking one control id.
Handler OnControl(std::string (Driver::*action)(int)) {
  return [action](Arguments& args, Context& context) {
    int id = args.Int("ID");
    args.End();
    return (context.driver.*action)(id);
  };
}

// A command without arguments.
Handler Plain(std::string (Driver::*action)()) {
  return [action](Arguments& args, Context& context) {
    args.End();
    return (context.driver.*action)();
  };
}

Handler Toggle(std::string (Driver::*action)(int, bool), bool on) {
  return [action, on](Arguments& args, Context& context) {
    int id = args.Int("ID");
    args.End();
    return (context.driver.*action)(id, on);
  };
}

std::string Type(Arguments& args, Context& context) {
  int id = args.Int("ID");
  std::string text = args.Text("TEXT");
  args.End();
  return context.driver.Type(id, text);
}

std::string Select(Arguments& args, Context& context) {
  int id = args.Int("ID");
  int index = args.Int("INDEX");
  args.End();
  return context.driver.Select(id, index);
}

std::string SysCommand(Arguments& args, Context& context) {
  std::int64_t id = args.Number("ID");
  args.End();
  if (id < 0 || id > 0xFFFF) throw ArgumentError("ID is a menu command id (0 to 65535)");
  return context.driver.SysCommand(static_cast<UINT>(id));
}

std::string ForegroundOther(Arguments& args, Context& context) {
  args.Keyword({"other"});
  args.End();
  auto lock = context.machine.Lock();
  context.machine.Screen().SetForeground(nullptr);
  return {};
}

}  // namespace

void RegisterWindowCommands(Registry& registry) {
  registry.Add({"click", "ID",
                "Clicks a visible, enabled control (a check box or radio button changes first).",
                "click 1004", Group::Action, OnControl(&Driver::Click)});
  registry.Add({"type", "ID \"TEXT\"", "Replaces the text of an edit field or editable combo box.",
                "type 1008 \"kim\"", Group::Action, Type});
  registry.Add({"select", "ID INDEX", "Selects an entry of a combo or list box, as the user picks it.",
                "select 1014 2", Group::Action, Select});
  registry.Add({"enter", "", "Presses Enter: the default button's command.", "enter", Group::Action,
                Plain(&Driver::PressEnter)});
  registry.Add({"escape", "", "Presses Escape: the Cancel command.", "escape", Group::Action,
                Plain(&Driver::PressEscape)});
  registry.Add(
      {"close", "", "Clicks the caption's close box.", "close", Group::Action, Plain(&Driver::Close)});
  registry.Add({"minimize", "", "Clicks the caption's minimise box.", "minimize", Group::Action,
                Plain(&Driver::Minimize)});
  registry.Add({"syscommand", "ID", "Chooses an item of the window's system menu.", "syscommand 16",
                Group::Action, SysCommand});
  registry.Add({"show", "ID", "Shows a control that the layout hides, to reach the command behind it.",
                "show 1023", Group::Action, Toggle(&Driver::ShowControl, true)});
  registry.Add(
      {"hide", "ID", "Hides a control.", "hide 1036", Group::Action, Toggle(&Driver::ShowControl, false)});
  registry.Add({"enable", "ID", "Enables a disabled control.", "enable 1026", Group::Action,
                Toggle(&Driver::EnableControl, true)});
  registry.Add({"disable", "ID", "Disables a control.", "disable 1004", Group::Action,
                Toggle(&Driver::EnableControl, false)});
  registry.Add({"foreground", "other", "Another program's window comes to the front.", "foreground other",
                Group::Action, ForegroundOther});
}

}  // namespace sim::scenario
