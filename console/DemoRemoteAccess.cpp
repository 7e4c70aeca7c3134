#include "console/DemoRemoteAccess.h"

#include "sim/RasService.h"

namespace sim {

void SetUpDemoRemoteAccess(RasService& ras) {
  RasDialScript script;
  script.steps = {{200, 0}, {600, 1}, {900, 2}, {1800, 3}, {2000, 4}, {2400, 5}, {3600, 14}, {4200, 18}};
  script.outcomeAtMs = 4800;
  script.ipAddress = "10.77.0.18";
  ras.SetDialScript(script);
  ras.AddAccount(kDemoUser, kDemoPassword);
}

}  // namespace sim
