#include "tools/explore/Steps.h"

#include "platform/WinConstants.h"

namespace explore {

namespace {

constexpr const char* kSpeedTestTitle = "测速:(部分PC测试不准确或无法使用)";
constexpr const char* kServerSelectTitle = "Server";
constexpr const char* kSystem = "C:\\\\Windows\\\\system32\\\\";
constexpr const char* kRasManKey =
    "\"HKLM\\\\SYSTEM\\\\CurrentControlSet\\\\Services\\\\RasMan\\\\Parameters\"";
constexpr const char* kSvchostKey =
    "\"HKLM\\\\Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion\\\\Svchost\"";

std::string Number(std::int64_t value) {
  return std::to_string(value);
}

// Mostly short waits, now and then a long one.
std::int64_t Duration(Random& random) {
  switch (random.Below(4)) {
    case 0:
      return random.Between(0, 200);
    case 1:
      return random.Between(200, 2000);
    case 2:
      return random.Between(2000, 6000);
    default:
      return random.Between(6000, 20000);
  }
}

std::string Answer(Random& random, UINT type) {
  switch (type & 0xF) {
    case MB_YESNO:
      return random.Pick({"answer yes", "answer no"});
    case MB_OKCANCEL:
      return random.Pick({"answer ok", "answer cancel"});
    default:
      return "answer ok";
  }
}

std::string Select(Random& random, int id, int count) {
  return "select " + Number(id) + " " +
         Number(count > 0 ? random.Below(static_cast<std::uint32_t>(count)) : 0);
}

std::string SpeedTestAction(Random& random) {
  return random.Pick({"click 1005", "click 1004", "close", "escape", "click 1005"});
}

std::string MainWindowAction(Random& random, const World& world) {
  switch (random.Below(24)) {
    case 0:
      return random.Pick({"type 1008 \"kim\"", "type 1008 \"kim\"", "type 1008 \"kim\"", "type 1008 \"\""});
    case 1:
      return random.Pick({"type 1009 \"pw1\"", "type 1009 \"pw1\"", "type 1009 \"bad\"", "type 1009 \"\""});
    case 2:
      return "click 1006";
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
      return random.Pick({"click 1004", "click 1004", "enter"});
    case 8:
      return Select(random, 1036, world.servers);
    case 9:
    case 10:
      return random.Pick({"close", "close", "click 1028", "click 1039"});
    case 11:
      return random.Percent(30) ? "escape" : "minimize";
    case 12:
      return random.Pick({"minimize", "click 1029"});
    case 13:
    case 14:
    case 15:
      return "click 1023";
    case 16:
      return Select(random, 1016, world.relays);
    case 17:
      return Select(random, 1014, world.groups);
    case 18:
      return "click 1015";
    case 19:
      return "click 1020";
    case 20:
      return "click 1019";
    case 21:
      return "click 1026";
    case 22:
      return random.Percent(50) ? Select(random, 1007, 4) : "click 1041";
    default:
      return random.Pick({"tray right", "tray left"});
  }
}

std::string UserAction(Random& random, const World& world, const Observation& seen) {
  if (seen.messageBox && random.Percent(60)) return Answer(random, seen.boxType);
  if (seen.menu && random.Percent(60)) return random.Pick({"menu choose 32775", "menu dismiss"});
  if (!seen.visible || random.Percent(8))
    return random.Pick({"tray left", "tray left", "tray right", "tray double"});
  if (seen.title == kSpeedTestTitle) return SpeedTestAction(random);
  if (seen.title == kServerSelectTitle)
    return random.Pick({"select 1035 0", "select 1035 1", "click 1", "escape", "close"});
  return MainWindowAction(random, world);
}

std::string LineName(Random& random, const Observation& seen) {
  if (!seen.upLines.empty() && random.Percent(80)) return "\"" + random.Pick(seen.upLines) + "\"";
  return random.Pick({"\"tarno\"", "\"TarnoTransfer\""});
}

std::string DialFault(Random& random, const Observation& seen) {
  switch (random.Below(20)) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
      return "ras down " + LineName(random, seen);
    case 6:
    case 7:
    case 8:
    case 9:
      return "ras drop " + LineName(random, seen) + " after " + Number(Duration(random));
    case 10:
    case 11:
    case 12:
    case 13:
      return "ras refuse " + Number(random.Pick({691, 756, 756, 678, 800})) +
             (random.Percent(30) ? " times " + Number(random.Between(2, 7)) : "");
    case 14:
      return "ras outcome " + Number(random.Between(100, 4000)) + " error " +
             Number(random.Pick({691, 678, 800}));
    case 15:
    case 16:
      return "ras outcome " + Number(random.Between(100, 4000)) + " connected";
    default:
      return "ras release after " + Number(random.Pick({0, 500, 3000, 12000}));
  }
}

std::string ProbeFault(Random& random, const World& world) {
  std::string address = world.addresses.empty() ? "10.0.0.1" : random.Pick(world.addresses);
  switch (random.Below(5)) {
    case 0:
      return "icmp host " + address + " " + random.Pick({"lost", "0", "40 lost 30", "401"});
    case 1:
      return std::string("icmp stray ") + random.Pick({"reply", "error", "options", "forged", "tick"}) +
             " after " + Number(random.Between(0, 900));
    case 2:
      return std::string("icmp fail ") + random.Pick({"socket 10013", "sendto 10051", "select 10004",
                                                      "recvfrom 10040", "closesocket 10038"});
    case 3:
      return "icmp host " + address + " none";
    default:
      return "icmp host " + address + " " + Number(random.Between(0, 900));
  }
}

std::string FileFault(Random& random) {
  std::string path = std::string("\"") + random.Pick({"C:\\\\0001.tmp", "C:\\\\0002.tmp"}) + "\"";
  std::string config = std::string("\"") + kSystem + "Config.dat\"";
  switch (random.Below(5)) {
    case 0:
      return "deny " + path;
    case 1:
      return "deny " + config;
    case 2:
      return "attributes " + config + " readonly";
    case 3:
      return "attributes " + config + " normal";
    default:
      return "web " + std::string(random.Pick({"silent", "refuse"})) + " dir.velk.example";
  }
}

std::string ServiceFault(Random& random) {
  switch (random.Below(6)) {
    case 0:
      return std::string("registry set ") + kRasManKey + " ProhibitIPSec dword " +
             Number(random.Pick({0, 0, 7}));
    case 1:
      return std::string("registry deny ") + kSvchostKey;
    case 2:
      return std::string("child ") + random.Pick({"net.exe", "taskkill.exe", "tasklist.exe"}) + " runs " +
             Number(random.Pick({2000, 6000, 40000}));
    case 3:
      return std::string("tasklist output ") + random.Pick({"empty", "\"svchost.exe   12&3 Themes\\r\\n\""});
    case 4:
      return std::string("service ") + random.Pick({"Themes", "BITS", "wuauserv"}) + " " +
             random.Pick({"running", "stopped"});
    default:
      return std::string("registry set ") + kSvchostKey + " netsvcs multibytes \"Themes\"";
  }
}

std::string Fault(Random& random, const World& world, const Observation& seen) {
  switch (random.Below(10)) {
    case 0:
    case 1:
    case 2:
    case 3:
      return DialFault(random, seen);
    case 4:
    case 5:
      return ProbeFault(random, world);
    case 6:
      return FileFault(random);
    case 7:
    case 8:
      return ServiceFault(random);
    default:
      return "end process";
  }
}

std::string Time(Random& random) {
  return random.Percent(15) ? "wait" : "advance " + Number(Duration(random));
}

// The command a placed line lands in: often one that starts a wait.
std::string Carrier(Random& random, const World& world, const Observation& seen) {
  if (random.Percent(50)) return Time(random);
  return "try " + UserAction(random, world, seen);
}

}  // namespace

Observation Observe(sim::Machine& machine, sim::Driver& driver) {
  Observation seen;
  seen.running = driver.Pid() != 0 && driver.Running();
  if (auto window = driver.Window()) {
    seen.visible = window->visible;
    seen.title = window->text;
  }
  auto boxes = driver.MessageBoxes();
  seen.messageBox = !boxes.empty();
  if (!boxes.empty()) seen.boxType = boxes.back().type;
  seen.menu = driver.OpenMenu().has_value();
  auto lock = machine.Lock();
  for (const sim::RasLine& line : machine.Ras().Lines()) seen.upLines.push_back(line.entryName);
  return seen;
}

Step NextStep(Random& random, const World& world, const Observation& seen) {
  Step step;
  if (!seen.running) {
    if (random.Percent(70)) {
      step.lines = StartLines(world);
      return step;
    }
    step.lines.push_back(random.Percent(50) ? "try " + Fault(random, world, seen) : Time(random));
    return step;
  }
  unsigned kind = random.Below(100);
  if (kind < 6 && seen.visible && !seen.messageBox) {
    step.lines = {"try type 1008 \"kim\"",
                  random.Percent(85) ? "try type 1009 \"pw1\"" : "try type 1009 \"bad\""};
  } else if (kind < 30) {
    step.lines.push_back("try " + UserAction(random, world, seen));
  } else if (kind < 82) {
    // One to three lines placed inside the next command, actions or faults.
    std::uint32_t placed = 1 + random.Below(3);
    for (std::uint32_t i = 0; i < placed; ++i) {
      bool fault = kind >= 55 ? random.Percent(70) : random.Percent(20);
      step.lines.push_back("at +" + Number(Duration(random)) + " try " +
                           (fault ? Fault(random, world, seen) : UserAction(random, world, seen)));
    }
    step.lines.push_back(Carrier(random, world, seen));
  } else if (kind < 90) {
    step.lines.push_back("try " + Fault(random, world, seen));
  } else {
    step.lines.push_back(Time(random));
  }
  return step;
}

}  // namespace explore
