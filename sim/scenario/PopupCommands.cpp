// Message boxes and popup menus: answering them and what they show.
#include "platform/WinConstants.h"
#include "sim/scenario/Helpers.h"
#include "sim/scenario/Registry.h"

namespace sim::scenario {

namespace {

constexpr UINT kButtonsMask = 0xF;
constexpr UINT kIconMask = 0xF0;
constexpr UINT kIconError = 0x10;

std::string ButtonsName(UINT type) {
  UINT buttons = type & kButtonsMask;
  return buttons == MB_YESNO ? "yesno" : buttons == MB_OKCANCEL ? "okcancel" : "ok";
}

std::string IconName(UINT type) {
  switch (type & kIconMask) {
    case kIconError:
      return "error";
    case MB_ICONQUESTION:
      return "question";
    case MB_ICONEXCLAMATION:
      return "exclamation";
    case MB_ICONINFORMATION:
      return "information";
    default:
      return "none";
  }
}

std::string Describe(const SimMessageBox& box) {
  return "caption " + Quote(box.caption) + ", text " + Quote(box.text) + ", buttons " +
         ButtonsName(box.type) + ", icon " + IconName(box.type);
}

std::string Answer(Arguments& args, Context& context) {
  std::string button = args.Keyword({"yes", "no", "ok", "cancel"});
  args.End();
  return context.driver.Answer(button == "yes"      ? IDYES
                               : button == "no"     ? IDNO
                               : button == "cancel" ? IDCANCEL
                                                    : IDOK);
}

std::string ExpectMsgBox(Arguments& args, Context& context) {
  std::string text = args.Text("TEXT");
  std::optional<std::string> caption, buttons, icon;
  while (!args.AtEnd()) {
    std::string option = args.Keyword({"caption", "buttons", "icon"});
    if (option == "caption") caption = args.Text("CAPTION");
    if (option == "buttons") buttons = args.Keyword({"ok", "yesno", "okcancel"});
    if (option == "icon") icon = args.Keyword({"question", "exclamation", "information", "error", "none"});
  }
  auto boxes = context.driver.MessageBoxes();
  if (boxes.empty()) return "no message box is open";
  const SimMessageBox& box = boxes.back();
  if (box.text != text) return Differs("the message box's text", Quote(box.text), Quote(text));
  if (caption && box.caption != *caption)
    return Differs("the message box's caption", Quote(box.caption), Quote(*caption));
  if (buttons && ButtonsName(box.type) != *buttons)
    return Differs("the message box's buttons", ButtonsName(box.type), *buttons);
  if (icon && IconName(box.type) != *icon)
    return Differs("the message box's icon", IconName(box.type), *icon);
  return {};
}

std::string ExpectNoMsgBox(Arguments& args, Context& context) {
  args.End();
  auto boxes = context.driver.MessageBoxes();
  return boxes.empty() ? "" : "a message box is open: " + Describe(boxes.back());
}

std::string MenuItems(const SimPopupMenu& menu) {
  std::string items;
  for (int i = 0; i < menu.menu->itemCount; ++i) {
    const plat::MenuItem& item = menu.menu->items[i];
    items += (items.empty() ? "" : ", ") +
             (item.id ? std::to_string(item.id) + " " + Quote(item.text) : "separator");
  }
  return items.empty() ? "none" : items;
}

std::string ExpectMenu(Arguments& args, Context& context) {
  std::int64_t id = args.Number("ID");
  std::string text = args.Text("TEXT");
  args.End();
  auto menu = context.driver.OpenMenu();
  if (!menu) return "no menu is open";
  for (int i = 0; i < menu->menu->itemCount; ++i) {
    const plat::MenuItem& item = menu->menu->items[i];
    if (static_cast<std::int64_t>(item.id) == id && item.id != 0)
      return item.text == text ? ""
                               : Differs("menu item " + std::to_string(id), Quote(item.text), Quote(text));
  }
  return "the open menu has no item " + std::to_string(id) + "; its items: " + MenuItems(*menu);
}

std::string ExpectNoMenu(Arguments& args, Context& context) {
  args.End();
  auto menu = context.driver.OpenMenu();
  return menu ? "a menu is open with items " + MenuItems(*menu) : "";
}

}  // namespace

void RegisterPopupCommands(Registry& registry) {
  registry.Add({"answer", "yes | no | ok | cancel", "Presses a button of the newest message box.",
                "answer yes", Group::Action, Answer});
  registry.Add({"menu choose", "ID", "Chooses an item of the open popup menu.", "menu choose 32775",
                Group::Action, [](Arguments& args, Context& context) {
                  std::int64_t id = args.Number("ID");
                  args.End();
                  return context.driver.ChooseMenuItem(static_cast<UINT>(id));
                }});
  registry.Add({"menu dismiss", "", "Closes the open popup menu without choosing.", "menu dismiss",
                Group::Action, [](Arguments& args, Context& context) {
                  args.End();
                  return context.driver.DismissMenu();
                }});
  registry.Add(
      {"expect msgbox",
       "\"TEXT\" [caption \"CAPTION\"] [buttons ok|yesno|okcancel] [icon "
       "question|exclamation|information|error|none]",
       "A message box is open and the newest one shows this text (and caption, buttons, icon).",
       "expect msgbox \"접속을 해제하고 프로그램을 종료합니다\" caption \"종료\" buttons yesno icon question",
       Group::Expectation, ExpectMsgBox});
  registry.Add({"expect no msgbox", "", "No message box is open.", "expect no msgbox", Group::Expectation,
                ExpectNoMsgBox});
  registry.Add({"expect menu", "ID \"TEXT\"", "A popup menu is open and has this item.",
                "expect menu 32775 \"Exit\"", Group::Expectation, ExpectMenu});
  registry.Add(
      {"expect no menu", "", "No popup menu is open.", "expect no menu", Group::Expectation, ExpectNoMenu});
}

}  // namespace sim::scenario
