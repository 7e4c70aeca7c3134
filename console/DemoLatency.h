// The demo servers' answers to echo requests.
#pragma once

#include "sim/Machine.h"

namespace sim {

void SetUpDemoLatency(Machine& machine);

}  // namespace sim
