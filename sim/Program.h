// What the machine needs of a program it runs: its entry point, and the
// pixel sizes of its bitmap resources, which a real loader reads from the
// module and the simulated dialog manager cannot.
#pragma once

#include <functional>

#include "platform/Ports.h"

namespace sim {

struct Program {
  // Runs on the process's GUI thread with the process's ports.
  std::function<int(const plat::Ports&)> main;
  // False when the program has no bitmap with that id.
  std::function<bool(int id, int& cx, int& cy)> bitmapSize;

  bool BitmapSize(int id, int& cx, int& cy) const { return bitmapSize && bitmapSize(id, cx, cy); }
};

}  // namespace sim
