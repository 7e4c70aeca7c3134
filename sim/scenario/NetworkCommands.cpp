// The network the machine sees: host names and their addresses.
#include "sim/Network.h"
#include "sim/scenario/Helpers.h"
#include "sim/scenario/Registry.h"

namespace sim::scenario {

namespace {

std::string SetHost(Arguments& args, Context& context) {
  std::string name = args.Text("NAME");
  std::vector<DWORD> addresses;
  if (!args.TakeKeyword("none")) {
    for (const std::string& text : args.RestAsTexts()) {
      std::optional<DWORD> address = ParseDottedAddress(text);
      if (!address) throw ArgumentError("\"" + text + "\" is not a dotted IPv4 address");
      addresses.push_back(*address);
    }
    if (addresses.empty()) throw ArgumentError("give one or more addresses, or none");
  }
  args.End();
  auto lock = context.machine.Lock();
  if (addresses.empty())
    context.machine.Net().RemoveHost(name);
  else
    context.machine.Net().SetHost(name, std::move(addresses));
  return {};
}

}  // namespace

void RegisterNetworkCommands(Registry& registry) {
  registry.Add({"host", "NAME ADDRESS [ADDRESS ...] | NAME none",
                "The name resolves to these addresses, in this order; none: it does not resolve. "
                "Dotted addresses always resolve to themselves.",
                "host cdn.velk.example 10.1.0.7 10.1.0.8", Group::SetUp, SetHost});
}

}  // namespace sim::scenario
