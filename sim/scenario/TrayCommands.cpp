// The dialer's icon in the notification area.
#include "sim/scenario/Helpers.h"
#include "sim/scenario/Registry.h"

namespace sim::scenario {

namespace {

std::string Click(Arguments& args, Context& context) {
  std::string button = args.Keyword({"left", "right", "double"});
  std::optional<std::int64_t> id = args.OptionalNumber("id");
  args.End();
  TrayClick click = button == "left"    ? TrayClick::Left
                    : button == "right" ? TrayClick::Right
                                        : TrayClick::Double;
  return context.driver.ClickTray(click, id ? std::optional(static_cast<UINT>(*id)) : std::nullopt);
}

std::string ExpectTray(Arguments& args, Context& context) {
  std::optional<std::int64_t> id;
  std::optional<std::string> tip, title, text;
  bool noBalloon = false;
  while (!args.AtEnd()) {
    std::string option = args.Keyword({"icon", "tip", "balloon", "no"});
    if (option == "no") noBalloon = !args.Keyword({"balloon"}).empty();
    if (option == "icon") id = args.Number("ID");
    if (option == "tip") tip = args.Text("TIP");
    if (option == "balloon") {
      title = args.Text("TITLE");
      text = args.Text("TEXT");
    }
  }
  auto icon = context.driver.TrayIcon();
  if (!icon) return "the notification area has no icon of the dialer";
  if (id && static_cast<std::int64_t>(icon->id) != *id)
    return Differs("the icon's id", std::to_string(icon->id), std::to_string(*id));
  if (tip && icon->tip != *tip) return Differs("the icon's tip", Quote(icon->tip), Quote(*tip));
  if (noBalloon && !icon->balloonText.empty())
    return "the icon shows the balloon " + Quote(icon->balloonTitle) + " " + Quote(icon->balloonText);
  if (title && (icon->balloonTitle != *title || icon->balloonText != *text))
    return Differs("the balloon", Quote(icon->balloonTitle) + " " + Quote(icon->balloonText),
                   Quote(*title) + " " + Quote(*text));
  return {};
}

std::string ExpectNoTray(Arguments& args, Context& context) {
  args.End();
  auto icon = context.driver.TrayIcon();
  return icon ? "the notification area shows the dialer's icon " + std::to_string(icon->id) + " with tip " +
                    Quote(icon->tip)
              : "";
}

}  // namespace

void RegisterTrayCommands(Registry& registry) {
  registry.Add(
      {"tray", "left | right | double [id ID]",
       "Clicks the dialer's notification-area icon: a left click, a right click (button up opens the "
       "menu) or a left double click; id sends the events with another icon id.",
       "tray right", Group::Action, Click});
  registry.Add(
      {"expect tray", "[icon ID] [tip \"TIP\"] [balloon \"TITLE\" \"TEXT\" | no balloon]",
       "The dialer has an icon in the notification area (with this id, tip, and this balloon or none; "
       "a balloon disappears after its timeout).",
       "expect tray balloon \"Velk VPN\" \"VPN 연결되었습니다\"", Group::Expectation, ExpectTray});
  registry.Add({"expect no tray", "", "The dialer has no icon in the notification area.", "expect no tray",
                Group::Expectation, ExpectNoTray});
}

}  // namespace sim::scenario
