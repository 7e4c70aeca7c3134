#include "sim/DemoWorld.h"

#include "sim/DemoDirectory.h"
#include "sim/DemoLatency.h"
#include "sim/DemoRemoteAccess.h"
#include "sim/Machine.h"

namespace sim {

// Runs before the console starts the dialer: the place for the demo
// service's server list, server directory and account.
void SetUpDemoWorld(Machine& machine) {
  {
    auto lock = machine.Lock();
    SetUpDemoRemoteAccess(machine.Ras());
  }
  SetUpDemoDirectory(machine);
  SetUpDemoLatency(machine);
}

}  // namespace sim
