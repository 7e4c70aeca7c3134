// The steps of a session, drawn from the scenario language: the user's
// actions (often placed with `at` inside the next command, to land in the
// middle of a wait), the service's and the machine's faults, and time.
#pragma once

#include <string>
#include <vector>

#include "sim/Driver.h"
#include "tools/explore/Random.h"
#include "tools/explore/World.h"

namespace explore {

// What the generator looks at to choose plausible steps.
struct Observation {
  bool running = false;              // the main instance runs
  bool visible = false;              // its newest window is shown
  std::string title;                 // the newest window's title
  bool messageBox = false;           // a message box is open
  UINT boxType = 0;                  // the newest box's buttons
  bool menu = false;                 // a popup menu is open
  std::vector<std::string> upLines;  // entry names of the lines up
};

Observation Observe(sim::Machine& machine, sim::Driver& driver);

// A step's lines; lines placed with `at` go with the line after them.
struct Step {
  std::vector<std::string> lines;
};

Step NextStep(Random& random, const World& world, const Observation& seen);

}  // namespace explore
