// The command families known to scenarios and the console. A subsystem adds
// its family here: declare its Register function and call it below.
#include "sim/scenario/Registry.h"

namespace sim::scenario {

void RegisterProcessCommands(Registry& registry);
void RegisterMachineCommands(Registry& registry);
void RegisterWebCommands(Registry& registry);
void RegisterTimeCommands(Registry& registry);
void RegisterWindowCommands(Registry& registry);
void RegisterWindowExpectations(Registry& registry);
void RegisterKeyboardCommands(Registry& registry);
void RegisterPopupCommands(Registry& registry);
void RegisterTrayCommands(Registry& registry);
void RegisterConnectionCommands(Registry& registry);
void RegisterShellCommands(Registry& registry);
void RegisterNetworkCommands(Registry& registry);
void RegisterChromeCommands(Registry& registry);
void RegisterBrowserCommands(Registry& registry);
void RegisterRegistryCommands(Registry& registry);
void RegisterServiceCommands(Registry& registry);
void RegisterRouteCommands(Registry& registry);
void RegisterProbeCommands(Registry& registry);
void RegisterDesktopCommands(Registry& registry);
void RegisterScriptCommands(Registry& registry);
void RegisterLogCommands(Registry& registry);

void RegisterAllCommands(Registry& registry) {
  RegisterProcessCommands(registry);
  RegisterMachineCommands(registry);
  RegisterWebCommands(registry);
  RegisterTimeCommands(registry);
  RegisterWindowCommands(registry);
  RegisterWindowExpectations(registry);
  RegisterKeyboardCommands(registry);
  RegisterPopupCommands(registry);
  RegisterTrayCommands(registry);
  RegisterConnectionCommands(registry);
  RegisterShellCommands(registry);
  RegisterNetworkCommands(registry);
  RegisterChromeCommands(registry);
  RegisterBrowserCommands(registry);
  RegisterRegistryCommands(registry);
  RegisterServiceCommands(registry);
  RegisterRouteCommands(registry);
  RegisterProbeCommands(registry);
  RegisterDesktopCommands(registry);
  RegisterScriptCommands(registry);
  RegisterLogCommands(registry);
}

}  // namespace sim::scenario
