#include "console/DemoWorld.h"

#include "console/DemoDirectory.h"
#include "console/DemoLatency.h"
#include "console/DemoRemoteAccess.h"
#include "console/DemoServices.h"
#include "sim/Machine.h"

namespace sim {

// Runs before the console starts the dialer: the place for the demo
// service's server list, server directory and account.
void SetUpDemoWorld(Machine& machine) {
  {
    auto lock = machine.Lock();
    SetUpDemoRemoteAccess(machine.Ras());
    SetUpDemoServices(machine);
  }
  SetUpDemoDirectory(machine);
  SetUpDemoLatency(machine);
}

}  // namespace sim
