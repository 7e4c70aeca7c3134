// Runs an action on a window of the headless desktop under the machine lock.
#pragma once

#include "sim/Machine.h"

namespace sim {

// The action's result, or fallback when the window is gone.
template <typename Result, typename Action>
Result With(Machine& machine, HWND hwnd, Result fallback, Action&& action) {
  auto lock = machine.Lock();
  SimWnd* wnd = machine.Screen().Find(hwnd);
  return wnd ? action(*wnd) : fallback;
}

}  // namespace sim
