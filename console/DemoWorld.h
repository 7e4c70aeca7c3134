// The service world the console starts with.
#pragma once

#include "sim/Machine.h"

namespace sim {

void SetUpDemoWorld(Machine& machine);

}  // namespace sim
