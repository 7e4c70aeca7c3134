// The simulated desktop drawn as text for the console: visible windows with
// their controls, message boxes, the open menu, the notification area and
// the clock.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sim/Machine.h"

namespace sim {

struct NamedProcess {
  std::string name;
  int pid;
};

std::string DrawScreen(Machine& machine, const std::vector<NamedProcess>& processes = {});

// Terminal columns of a UTF-8 text: East Asian wide characters take two.
int DisplayWidth(std::string_view utf8);
// The buttons of a message box of this type (MB_OK, MB_OKCANCEL, ...), as drawn.
std::string MessageBoxButtons(UINT type);

}  // namespace sim
