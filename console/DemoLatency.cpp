#include "console/DemoLatency.h"

namespace sim {

namespace {

struct DemoEchoHost {
  const char* address;
  std::initializer_list<std::optional<DWORD>> rtts;  // per request; the last holds
};

// Plausible round trips from a user in the region, with some jitter and a
// lost reply here and there, so that each group has a clear fastest server.
const DemoEchoHost kDemoEchoHosts[] = {
    {"10.8.1.1", {38, 41, 36, 44, 39}},
    {"10.8.1.2", {52, 49, std::nullopt, 55, 51}},
    {"10.8.1.3", {27, 31, 29, 26, 30}},
    {"10.8.2.1", {64, 61, 67, 63, 62}},
    {"10.8.2.2", {58, 57, 60, 59, 56}},
    {"10.8.2.3", {83, 79, 88, std::nullopt, 81}},
    {"10.8.3.1", {46, 43, 45, 48, 44}},
    {"10.8.3.2", {71, 69, 74, 70, 72}},
    {"10.8.4.1", {95, 92, 98, 94, 96}},
    {"10.8.5.1", {128, 131, 125, 134, 129}},
    {"10.8.6.1", {176, 181, std::nullopt, 179, 183}},
    {"10.8.7.1", {231, 236, 228, 240, 233}},
};

}  // namespace

void SetUpDemoLatency(Machine& machine) {
  auto lock = machine.Lock();
  for (const DemoEchoHost& demo : kDemoEchoHosts) {
    IcmpHost host;
    host.script.assign(demo.rtts.begin(), demo.rtts.end());
    host.rtt = host.script.back();
    machine.Icmp().SetHost(*ParseDottedAddress(demo.address), std::move(host));
  }
}

}  // namespace sim
