// The keyboard path through a window and what a screen reader is told of
// its controls.
#include <algorithm>
#include <array>
#include <utility>

#include "sim/scenario/Helpers.h"
#include "sim/scenario/Registry.h"

namespace sim::scenario {

namespace {

constexpr std::array<std::pair<const char*, long>, 11> kRoles = {{
    {"pushbutton", plat::kRolePushButton},
    {"checkbutton", plat::kRoleCheckButton},
    {"radiobutton", plat::kRoleRadioButton},
    {"text", plat::kRoleText},
    {"statictext", plat::kRoleStaticText},
    {"graphic", plat::kRoleGraphic},
    {"combobox", plat::kRoleComboBox},
    {"list", plat::kRoleList},
    {"progressbar", plat::kRoleProgressBar},
    {"link", plat::kRoleLink},
    {"client", plat::kRoleClient},
}};

// The states a scenario names; focusable is left out, as it follows the others.
constexpr std::array<std::pair<const char*, long>, 6> kStates = {{
    {"unavailable", plat::kStateUnavailable},
    {"focused", plat::kStateFocused},
    {"pressed", plat::kStatePressed},
    {"checked", plat::kStateChecked},
    {"invisible", plat::kStateInvisible},
    {"protected", plat::kStateProtected},
}};

std::string RoleName(long role) {
  for (const auto& [name, value] : kRoles)
    if (value == role) return name;
  return "role " + std::to_string(role);
}

std::string StateNames(long state) {
  std::string names;
  for (const auto& [name, value] : kStates)
    if (state & value) names += (names.empty() ? "" : " ") + std::string(name);
  return names.empty() ? "(none)" : names;
}

Handler Key(std::string (Driver::*press)(bool), bool back) {
  return [press, back](Arguments& args, Context& context) {
    args.End();
    return (context.driver.*press)(back);
  };
}

std::string Space(Arguments& args, Context& context) {
  args.End();
  return context.driver.PressSpace();
}

std::string ExpectFocus(Arguments& args, Context& context) {
  std::optional<int> expected;
  if (!args.TakeKeyword("none")) expected = args.Int("ID");
  args.End();
  if (context.driver.ActiveWindow() == nullptr) return "no window of the dialer is open";
  std::optional<int> actual = context.driver.FocusedControl();
  auto spell = [](std::optional<int> id) {
    return id ? "control " + std::to_string(*id) : std::string("none");
  };
  return actual == expected ? "" : Differs("the focus", spell(actual), spell(expected));
}

// Runs check on the accessibility facts of a control of the active window.
template <typename Check>
std::string WithFacts(Context& context, int id, Check&& check) {
  std::string problem;
  if (!ControlOf(context, id, problem)) return problem;
  auto facts = context.driver.Accessible(id);
  return facts ? check(*facts) : "control " + std::to_string(id) + " does not exist";
}

std::string ExpectName(Arguments& args, Context& context) {
  int id = args.Int("ID");
  std::string expected = args.Text("NAME");
  args.End();
  return WithFacts(context, id, [&](const plat::AccessibleFacts& facts) {
    return facts.name == expected ? ""
                                  : Differs("the accessible name of control " + std::to_string(id),
                                            Quote(facts.name), Quote(expected));
  });
}

std::string ExpectRole(Arguments& args, Context& context) {
  int id = args.Int("ID");
  std::string word = args.Text("ROLE");
  args.End();
  auto known =
      std::find_if(kRoles.begin(), kRoles.end(), [&](const auto& role) { return word == role.first; });
  if (known == kRoles.end())
    throw ArgumentError(
        "ROLE is one of pushbutton, checkbutton, radiobutton, text, "
        "statictext, graphic, combobox, list, progressbar, link, client");
  return WithFacts(context, id, [&](const plat::AccessibleFacts& facts) {
    return facts.role == known->second
               ? ""
               : Differs("the role of control " + std::to_string(id), RoleName(facts.role), word);
  });
}

std::string ExpectState(Arguments& args, Context& context) {
  int id = args.Int("ID");
  long expected = 0;
  for (const std::string& word : args.RestAsTexts()) {
    auto known =
        std::find_if(kStates.begin(), kStates.end(), [&](const auto& state) { return word == state.first; });
    if (known == kStates.end())
      throw ArgumentError("a state is one of unavailable, focused, pressed, checked, invisible, protected");
    expected |= known->second;
  }
  return WithFacts(context, id, [&](const plat::AccessibleFacts& facts) {
    long shown = 0;
    for (const auto& [name, value] : kStates) shown |= facts.state & value;
    return shown == expected ? ""
                             : Differs("the state of control " + std::to_string(id), StateNames(shown),
                                       StateNames(expected));
  });
}

}  // namespace

void RegisterKeyboardCommands(Registry& registry) {
  registry.Add({"tab", "", "Presses Tab: the focus moves to the next control.", "tab", Group::Action,
                Key(&Driver::PressTab, false)});
  registry.Add({"shift tab", "", "Presses Shift+Tab: the focus moves back.", "shift tab", Group::Action,
                Key(&Driver::PressTab, true)});
  registry.Add(
      {"space", "",
       "Presses Space: the focused button is pressed, the focused check box toggles, a focused field "
       "gets a blank.",
       "space", Group::Action, Space});
  registry.Add({"expect focus", "ID | none", "This control of the newest window has the keyboard focus.",
                "expect focus 1004", Group::Expectation, ExpectFocus});
  registry.Add({"expect name", "ID \"NAME\"", "A screen reader is told this name of the control.",
                "expect name 1008 \"아이디 用户名\"", Group::Expectation, ExpectName});
  registry.Add(
      {"expect role", "ID ROLE",
       "A screen reader is told this role of the control: pushbutton, checkbutton, radiobutton, text, "
       "statictext, graphic, combobox, list, progressbar, link or client.",
       "expect role 1031 link", Group::Expectation, ExpectRole});
  registry.Add({"expect state", "ID [STATE...]",
                "A screen reader is told exactly these states of the control, of unavailable, focused, "
                "pressed, checked, invisible and protected.",
                "expect state 1009 protected", Group::Expectation, ExpectState});
}

}  // namespace sim::scenario
