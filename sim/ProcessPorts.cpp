#include "sim/ProcessPorts.h"

#include "sim/Machine.h"
#include "sim/SimAccessibility.h"
#include "sim/SimBoxesAndMenus.h"
#include "sim/SimBrowserHost.h"
#include "sim/SimDownload.h"
#include "sim/SimFiles.h"
#include "sim/SimNotificationArea.h"
#include "sim/SimProcesses.h"
#include "sim/SimRegistry.h"
#include "sim/SimRemoteAccess.h"
#include "sim/SimRouting.h"
#include "sim/SimServices.h"
#include "sim/SimShell.h"
#include "sim/SimSockets.h"
#include "sim/SimSystem.h"
#include "sim/SimWindowing.h"

namespace sim {

namespace {

template <typename Port>
Port* Adapter(Machine& machine, Process& process) {
  auto port = std::make_shared<Port>(machine, process);
  process.adapters.push_back(port);
  return port.get();
}

}  // namespace

void InstallProcessPorts(Machine& machine, Process& process) {
  process.ports.windows = Adapter<SimWindowing>(machine, process);
  process.ports.boxesAndMenus = Adapter<SimBoxesAndMenus>(machine, process);
  process.ports.notificationArea = Adapter<SimNotificationArea>(machine, process);
  process.ports.browser = Adapter<SimBrowserHost>(machine, process);
  process.ports.accessibility = Adapter<SimAccessibility>(machine, process);
  process.ports.system = Adapter<SimSystem>(machine, process);
  process.ports.files = Adapter<SimFiles>(machine, process);
  process.ports.ras = Adapter<SimRemoteAccess>(machine, process);
  process.ports.download = Adapter<SimDownload>(machine, process);
  process.ports.shell = Adapter<SimShell>(machine, process);
  process.ports.sockets = Adapter<SimSockets>(machine, process);
  process.ports.registry = Adapter<SimRegistry>(machine, process);
  process.ports.services = Adapter<SimServices>(machine, process);
  process.ports.processes = Adapter<SimProcesses>(machine, process);
  process.ports.routing = Adapter<SimRouting>(machine, process);
}

}  // namespace sim
