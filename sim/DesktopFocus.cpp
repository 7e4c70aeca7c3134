// The desktop's keyboard focus and what its accessibility interface reports.
#include <algorithm>

#include "platform/WinConstants.h"
#include "sim/Desktop.h"

namespace sim {

namespace {

using plat::ControlKind;

bool IsButton(ControlKind kind) {
  return kind == ControlKind::PushButton || kind == ControlKind::DefPushButton ||
         kind == ControlKind::OwnerDrawButton;
}

long RoleOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
    case ControlKind::OwnerDrawButton:
      return plat::kRolePushButton;
    case ControlKind::CheckBox:
      return plat::kRoleCheckButton;
    case ControlKind::RadioButton:
      return plat::kRoleRadioButton;
    case ControlKind::Edit:
      return plat::kRoleText;
    case ControlKind::Static:
      return plat::kRoleStaticText;
    case ControlKind::Picture:
      return plat::kRoleGraphic;
    case ControlKind::ComboDropDown:
    case ControlKind::ComboDropList:
      return plat::kRoleComboBox;
    case ControlKind::ListBox:
      return plat::kRoleList;
    case ControlKind::Progress:
      return plat::kRoleProgressBar;
    case ControlKind::Browser:
      return plat::kRoleClient;
  }
  return plat::kRoleClient;
}

// The proxies name a button or a static by its text, without the mnemonic mark.
std::string ProxyName(const SimWnd& control) {
  ControlKind kind = control.kind;
  bool named = IsButton(kind) || kind == ControlKind::CheckBox || kind == ControlKind::RadioButton ||
               kind == ControlKind::Static;
  if (!named) return {};
  std::string name;
  for (char c : control.text)
    if (c != '&') name += c;
  return name;
}

}  // namespace

bool Desktop::IsTabStop(const SimWnd& control) {
  if (!control.visible || !control.enabled) return false;
  switch (control.kind) {
    case ControlKind::Static:
    case ControlKind::Picture:
    case ControlKind::Progress:
    case ControlKind::Browser:
      return false;
    case ControlKind::RadioButton:
      return (control.style & plat::kStyleGroup) != 0;
    default:
      return true;
  }
}

HWND Desktop::NextTabStop(const SimWnd& dialog, bool back) {
  std::vector<HWND> stops;
  for (HWND child : dialog.controls)
    if (SimWnd* control = Find(child); control && IsTabStop(*control)) stops.push_back(child);
  if (stops.empty()) return nullptr;
  auto at = std::find(stops.begin(), stops.end(), dialog.focus);
  if (at == stops.end()) return back ? stops.back() : stops.front();
  size_t index = static_cast<size_t>(at - stops.begin());
  size_t count = stops.size();
  return stops[back ? (index + count - 1) % count : (index + 1) % count];
}

void Desktop::SetFocus(SimWnd& dialog, HWND control) {
  SimWnd* target = Find(control);
  if (target == nullptr || target->parent != dialog.hwnd || !target->visible || !target->enabled) return;
  dialog.focus = control;
}

void Desktop::DropFocusIfUnreachable(const SimWnd& control) {
  SimWnd* dialog = Find(control.parent);
  if (dialog && dialog->focus == control.hwnd && !(control.visible && control.enabled))
    dialog->focus = nullptr;
}

plat::AccessibleFacts Desktop::Accessible(const SimWnd& control) {
  plat::AccessibleFacts facts;
  facts.name = control.accessibleName.empty() ? ProxyName(control) : control.accessibleName;
  facts.role = control.accessibleRole ? control.accessibleRole : RoleOf(control.kind);
  SimWnd* dialog = Find(control.parent);
  bool shown = control.visible && (dialog == nullptr || dialog->visible);
  if (!control.enabled) facts.state |= plat::kStateUnavailable;
  if (!shown) facts.state |= plat::kStateInvisible;
  if (IsTabStop(control)) facts.state |= plat::kStateFocusable;
  if (dialog && dialog->focus == control.hwnd) facts.state |= plat::kStateFocused;
  bool checkable = control.kind == ControlKind::CheckBox || control.kind == ControlKind::RadioButton;
  if (checkable && control.check) facts.state |= plat::kStateChecked;
  if (IsButton(control.kind) && control.pressed) facts.state |= plat::kStatePressed;
  if (control.kind == ControlKind::Edit && (control.style & plat::kStylePassword))
    facts.state |= plat::kStateProtected;
  return facts;
}

}  // namespace sim
