// Letting virtual time run.
#include "sim/ResponseWatch.h"
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

// The longest stretch in which the main instance's window thread retrieved
// no message: under MS (5000, Windows' "Not Responding" mark, unless given),
// or exactly MS.
std::string ExpectResponding(Arguments& args, Context& context) {
  std::optional<std::int64_t> under = args.OptionalNumber("under");
  std::optional<std::int64_t> exactly = under ? std::nullopt : args.OptionalNumber("exactly");
  args.End();
  int pid = context.driver.Pid();
  if (pid == 0) return "the dialer was never started";
  VirtualTime longest = 0;
  {
    auto lock = context.machine.Lock();
    longest = context.machine.Screen().Responses().Longest(pid, context.machine.Sched().Now());
  }
  std::string actual = std::to_string(longest) + " ms";
  if (exactly) {
    if (static_cast<std::int64_t>(longest) == *exactly) return {};
    return Differs("the longest stretch without retrieving a message", actual,
                   std::to_string(*exactly) + " ms");
  }
  std::int64_t bound = under.value_or(static_cast<std::int64_t>(kNotRespondingMs));
  if (static_cast<std::int64_t>(longest) < bound) return {};
  return "the window thread went " + actual + " without retrieving a message, expected under " +
         std::to_string(bound) + " ms";
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
  registry.Add({"expect responding", "[under MS | exactly MS]",
                "The main instance's window thread never went MS (5000 unless given, Windows' mark for Not "
                "Responding) or longer without retrieving a message (waiting for its messages or peeking at "
                "them); exactly: its longest such stretch was MS.",
                "expect responding under 5000", Group::Expectation, ExpectResponding});
}

}  // namespace sim::scenario
