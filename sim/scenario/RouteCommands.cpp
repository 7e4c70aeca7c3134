// The routing table and file attributes.
#include "platform/Files.h"
#include "sim/Network.h"
#include "sim/scenario/Helpers.h"
#include "sim/scenario/Registry.h"

namespace sim::scenario {

namespace {

DWORD Address(Arguments& args, const char* what) {
  std::string text = args.Text(what);
  std::optional<DWORD> address = ParseDottedAddress(text);
  if (!address) throw ArgumentError("\"" + text + "\" is not a dotted IPv4 address");
  return *address;
}

std::string Describe(const plat::IpForwardRow& row) {
  return FormatDottedAddress(row.dwForwardDest) + "/" + FormatDottedAddress(row.dwForwardMask) + " via " +
         FormatDottedAddress(row.dwForwardNextHop) + " if " + std::to_string(row.dwForwardIfIndex) +
         " metric " + std::to_string(row.dwForwardMetric1);
}

std::string Table(const std::vector<plat::IpForwardRow>& rows) {
  std::string list;
  for (const plat::IpForwardRow& row : rows) list += (list.empty() ? "" : "; ") + Describe(row);
  return list.empty() ? "no routes" : list;
}

// What a row must match; options left out match anything.
struct RoutePattern {
  DWORD destination = 0, mask = 0;
  std::optional<DWORD> nextHop, ifIndex, metric;

  bool Matches(const plat::IpForwardRow& row) const {
    return row.dwForwardDest == destination && row.dwForwardMask == mask &&
           (!nextHop || row.dwForwardNextHop == *nextHop) && (!ifIndex || row.dwForwardIfIndex == *ifIndex) &&
           (!metric || row.dwForwardMetric1 == *metric);
  }
};

RoutePattern ReadPattern(Arguments& args) {
  RoutePattern pattern;
  pattern.destination = Address(args, "DEST");
  pattern.mask = Address(args, "MASK");
  while (!args.AtEnd()) {
    std::string option = args.Keyword({"via", "if", "metric"});
    if (option == "via") pattern.nextHop = Address(args, "NEXTHOP");
    if (option == "if") pattern.ifIndex = static_cast<DWORD>(args.Number("INDEX"));
    if (option == "metric") pattern.metric = static_cast<DWORD>(args.Number("METRIC"));
  }
  return pattern;
}

std::string AddRoute(Arguments& args, Context& context) {
  RoutePattern pattern = ReadPattern(args);
  if (!pattern.nextHop) throw ArgumentError("a route needs its next hop: via NEXTHOP");
  plat::IpForwardRow row;
  row.dwForwardDest = pattern.destination;
  row.dwForwardMask = pattern.mask;
  row.dwForwardNextHop = *pattern.nextHop;
  row.dwForwardIfIndex = pattern.ifIndex.value_or(2);
  row.dwForwardType = 4;
  row.dwForwardProto = 3;
  row.dwForwardMetric1 = pattern.metric.value_or(20);
  auto lock = context.machine.Lock();
  context.machine.Routes().Add(row);
  return {};
}

std::string TunnelRows(Arguments& args, Context& context) {
  bool on = args.Keyword({"on", "off"}) == "on";
  args.End();
  auto lock = context.machine.Lock();
  context.machine.Routes().SetTunnelRows(on);
  return {};
}

std::string Grows(Arguments& args, Context& context) {
  int reads = args.Int("READS");
  args.End();
  auto lock = context.machine.Lock();
  context.machine.Routes().GrowOnReads(reads);
  return {};
}

std::string ExpectRoute(Arguments& args, Context& context) {
  RoutePattern pattern = ReadPattern(args);
  auto lock = context.machine.Lock();
  const auto& rows = context.machine.Routes().Rows();
  int matching = 0;
  for (const plat::IpForwardRow& row : rows) matching += pattern.Matches(row) ? 1 : 0;
  if (matching == 1) return {};
  return Differs("the number of matching routes", std::to_string(matching), "1") +
         "; the table: " + Table(rows);
}

std::string ExpectNoRoute(Arguments& args, Context& context) {
  RoutePattern pattern = ReadPattern(args);
  auto lock = context.machine.Lock();
  const auto& rows = context.machine.Routes().Rows();
  for (const plat::IpForwardRow& row : rows)
    if (pattern.Matches(row)) return "the table has " + Describe(row);
  return {};
}

std::string ExpectRoutes(Arguments& args, Context& context) {
  int count = args.Int("COUNT");
  args.End();
  auto lock = context.machine.Lock();
  const auto& rows = context.machine.Routes().Rows();
  if (rows.size() == static_cast<size_t>(count)) return {};
  return Differs("the number of routes", std::to_string(rows.size()), std::to_string(count)) +
         "; the table: " + Table(rows);
}

std::string ExpectUntouched(Arguments& args, Context& context) {
  args.End();
  auto lock = context.machine.Lock();
  int calls = context.machine.Routes().calls;
  return calls == 0 ? "" : "the routing table was called " + std::to_string(calls) + " times";
}

DWORD ReadAttributes(Arguments& args) {
  DWORD attributes = 0;
  while (!args.AtEnd()) {
    std::string name = args.Keyword({"normal", "hidden", "system", "readonly"});
    if (name == "hidden") attributes |= plat::kFileAttributeHidden;
    if (name == "system") attributes |= plat::kFileAttributeSystem;
    if (name == "readonly") attributes |= plat::kFileAttributeReadOnly;
  }
  return attributes;
}

std::string AttributeNames(DWORD attributes) {
  std::string names;
  if (attributes & plat::kFileAttributeReadOnly) names += " readonly";
  if (attributes & plat::kFileAttributeHidden) names += " hidden";
  if (attributes & plat::kFileAttributeSystem) names += " system";
  return names.empty() ? "normal" : names.substr(1);
}

std::string SetAttributes(Arguments& args, Context& context) {
  std::string path = args.Text("PATH");
  DWORD attributes = ReadAttributes(args);
  auto lock = context.machine.Lock();
  FileSystem& disk = context.machine.Disk();
  if (!disk.ReadBytes(path)) return "there is no file " + Quote(path);
  disk.SetReadOnly(path, (attributes & plat::kFileAttributeReadOnly) != 0);
  disk.SetHiddenSystem(path, attributes & (plat::kFileAttributeHidden | plat::kFileAttributeSystem));
  return {};
}

std::string ExpectAttributes(Arguments& args, Context& context) {
  std::string path = args.Text("PATH");
  DWORD want = ReadAttributes(args);
  auto lock = context.machine.Lock();
  FileSystem& disk = context.machine.Disk();
  auto host = disk.HostPath(path, "C:\\");
  if (!host || !disk.ReadBytes(path)) return "there is no file " + Quote(path);
  DWORD actual = disk.HiddenSystem(*host) | (disk.IsReadOnly(*host) ? plat::kFileAttributeReadOnly : 0);
  return actual == want ? "" : Differs("the file's attributes", AttributeNames(actual), AttributeNames(want));
}

}  // namespace

void RegisterRouteCommands(Registry& registry) {
  registry.Add({"route add", "DEST MASK via NEXTHOP [if INDEX] [metric METRIC]",
                "A route of the computer's own (interface 2 and metric 20 unless given).",
                "route add 10.0.0.0 255.0.0.0 via 192.168.1.254", Group::SetUp, AddRoute});
  registry.Add({"route tunnel", "on | off", "Whether a connecting line adds its own routes (on by default).",
                "route tunnel off", Group::SetUp, TunnelRows});
  registry.Add({"route grows", "READS",
                "The next READS table reads find the table grown since the size was asked (they answer 122).",
                "route grows 2", Group::SetUp, Grows});
  registry.Add({"attributes", "PATH normal | PATH [readonly] [hidden] [system]", "Sets a file's attributes.",
                "attributes \"C:\\\\Windows\\\\system32\\\\Route.txt\" hidden system", Group::SetUp,
                SetAttributes});
  registry.Add({"expect route", "DEST MASK [via NEXTHOP] [if INDEX] [metric METRIC]",
                "Exactly one route has this destination and mask (and each option given).",
                "expect route 10.0.0.0 255.0.0.0 via 10.8.0.2 if 0x10003", Group::Expectation, ExpectRoute});
  registry.Add({"expect no route", "DEST MASK [via NEXTHOP] [if INDEX] [metric METRIC]",
                "No route has this destination and mask (and each option given).",
                "expect no route 0.0.0.0 0.0.0.0 via 10.8.0.2", Group::Expectation, ExpectNoRoute});
  registry.Add({"expect routes", "COUNT", "The routing table holds this many routes.", "expect routes 6",
                Group::Expectation, ExpectRoutes});
  registry.Add({"expect routing untouched", "", "No program has called the routing table.",
                "expect routing untouched", Group::Expectation, ExpectUntouched});
  registry.Add({"expect attributes", "PATH normal | PATH [readonly] [hidden] [system]",
                "The file has exactly these attributes.",
                "expect attributes \"C:\\\\Windows\\\\system32\\\\Route.txt\" hidden system",
                Group::Expectation, ExpectAttributes});
}

}  // namespace sim::scenario
