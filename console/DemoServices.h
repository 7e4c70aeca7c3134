// The demo machine's registry and services: ready for a first switch to
// L2TP, with a "netsvcs" group whose restart shows the progress bar.
#pragma once

namespace sim {

class Machine;

// Call with the machine lock held.
void SetUpDemoServices(Machine& machine);

}  // namespace sim
