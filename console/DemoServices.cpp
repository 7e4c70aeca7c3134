#include "console/DemoServices.h"

#include <string>
#include <vector>

#include "sim/Machine.h"

namespace sim {

void SetUpDemoServices(Machine& machine) {
  RegistryHive& registry = machine.Registry();
  registry.SetValue("HKLM\\SYSTEM\\CurrentControlSet\\Services\\RasMan\\Parameters", "ProhibitIPSec",
                    plat::kRegDword, DwordBytes(0));
  const std::vector<std::pair<std::string, bool>> group = {
      {"AeLookupSvc", true}, {"CertPropSvc", false}, {"SCPolicySvc", false}, {"lanmanserver", true},
      {"gpsvc", true},       {"IKEEXT", true},       {"AudioSrv", false},    {"Themes", true},
      {"BITS", true},        {"Browser", true},      {"Schedule", true},     {"wuauserv", true},
  };
  std::vector<std::string> names;
  for (const auto& [name, running] : group) {
    names.push_back(name);
    machine.Services().SetService(name, running ? plat::kServiceRunning : plat::kServiceStopped);
  }
  registry.SetValue("HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Svchost", "netsvcs",
                    plat::kRegMultiSz, MultiStringBytes(names));
  machine.Services().SetService("Spooler", plat::kServiceRunning, false);
  // Each service takes a little while to start, so that the bar moves in time.
  machine.Children().SetRunTime("net.exe", 800);
}

}  // namespace sim
