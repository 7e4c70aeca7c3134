// Letting virtual time run.
#include "sim/scenario/Helpers.h"
#include "sim/scenario/Registry.h"

namespace sim::scenario {

namespace {

std::string Advance(Arguments& args, Context& context) {
  std::int64_t ms = args.Number("MS");
  args.End();
  if (ms < 0 || ms > 0xFFFFFFFFLL) throw ArgumentError("MS is a 32-bit unsigned number of milliseconds");
  context.driver.Advance(static_cast<DWORD>(ms));
  return {};
}

std::string Wait(Arguments& args, Context& context) {
  args.End();
  context.driver.WaitIdle();
  return {};
}

std::string ExpectTime(Arguments& args, Context& context) {
  std::int64_t expected = args.Number("MS");
  args.End();
  VirtualTime now = 0;
  {
    auto lock = context.machine.Lock();
    now = context.machine.Sched().Now();
  }
  if (static_cast<std::int64_t>(now) == expected) return {};
  return Differs("the virtual time", std::to_string(now) + " ms", std::to_string(expected) + " ms");
}

}  // namespace

void RegisterTimeCommands(Registry& registry) {
  registry.Add({"advance", "MS",
                "Lets MS milliseconds of virtual time pass (timers and scheduled events fire in order), then "
                "waits until the dialer is idle.",
                "advance 10000", Group::Time, Advance});
  registry.Add({"wait", "", "Waits until the dialer is idle; time moves only through its timed waits.",
                "wait", Group::Time, Wait});
  registry.Add({"expect time", "MS", "The virtual clock reads MS milliseconds since the machine started.",
                "expect time 10000", Group::Expectation, ExpectTime});
}

}  // namespace sim::scenario
