// The desktop's own events: the shell restarts, the session ends, the
// machine sleeps and wakes.
#include "sim/scenario/Helpers.h"
#include "sim/scenario/Registry.h"

namespace sim::scenario {

namespace {

using DriverEvent = std::string (Driver::*)();

Handler EventHandler(DriverEvent event) {
  return [event](Arguments& args, Context& context) -> std::string {
    args.End();
    return (context.driver.*event)();
  };
}

}  // namespace

void RegisterDesktopCommands(Registry& registry) {
  registry.Add({"restart shell", "",
                "The desktop shell ends and starts again: every notification-area icon is gone, then the "
                "shell's \"TaskbarCreated\" goes to the top-level windows (from 6.0 on, to an elevated "
                "window only if it let that message through its filter).",
                "restart shell", Group::Action, EventHandler(&Driver::RestartShell)});
  registry.Add({"end session", "",
                "The user signs out: every top-level window gets WM_QUERYENDSESSION and, if all agree, "
                "WM_ENDSESSION; the programs still running then are ended with exit code -1073741510 "
                "(0xC000013A). Fails "
                "when a window refuses or has not answered the query.",
                "end session", Group::Action, EventHandler(&Driver::EndSession)});
  registry.Add({"suspend", "",
                "The machine goes to sleep: WM_POWERBROADCAST with PBT_APMSUSPEND, then window timers stand "
                "still until `resume` (machine events such as `ras drop` still happen).",
                "suspend", Group::Action, EventHandler(&Driver::Suspend)});
  registry.Add({"resume", "",
                "The machine wakes: window timers run on with the time they had left, then "
                "WM_POWERBROADCAST with PBT_APMRESUMEAUTOMATIC and PBT_APMRESUMESUSPEND.",
                "resume", Group::Action, EventHandler(&Driver::Resume)});
}

}  // namespace sim::scenario
