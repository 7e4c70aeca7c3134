// The set of ports one process of the dialer runs on.
#pragma once

#include "platform/Accessibility.h"
#include "platform/BoxesAndMenus.h"
#include "platform/BrowserHost.h"
#include "platform/Download.h"
#include "platform/Files.h"
#include "platform/NotificationArea.h"
#include "platform/Processes.h"
#include "platform/Registry.h"
#include "platform/RemoteAccess.h"
#include "platform/Routing.h"
#include "platform/Services.h"
#include "platform/Shell.h"
#include "platform/Sockets.h"
#include "platform/System.h"
#include "platform/Windowing.h"

namespace plat {

struct Ports {
  IWindowing* windows = nullptr;
  IBoxesAndMenus* boxesAndMenus = nullptr;
  INotificationArea* notificationArea = nullptr;
  IBrowserHost* browser = nullptr;
  IAccessibility* accessibility = nullptr;
  ISystem* system = nullptr;
  IFiles* files = nullptr;
  IRemoteAccess* ras = nullptr;
  IRegistry* registry = nullptr;
  IServices* services = nullptr;
  IProcesses* processes = nullptr;
  IRouting* routing = nullptr;
  ISockets* sockets = nullptr;
  IDownload* download = nullptr;
  IShell* shell = nullptr;
};

// The ports of the calling thread's process. A thread that has its own set
// (the simulated machine runs several processes) uses it; any other thread,
// such as one the system's libraries create, uses the process default.
const Ports& Current();
void SetCurrent(const Ports* ports);
void SetProcessDefault(const Ports* ports);

// Makes a set of ports the calling thread's, and the process default, for
// its own lifetime; what was installed before comes back after it.
class ScopedPorts {
 public:
  explicit ScopedPorts(const Ports& ports);
  ~ScopedPorts();
  ScopedPorts(const ScopedPorts&) = delete;
  ScopedPorts& operator=(const ScopedPorts&) = delete;

 private:
  const Ports* m_previousThread;
  const Ports* m_previousDefault;
};

}  // namespace plat
