// The machine's web hosts: what each path answers.
#include <algorithm>

#include "sim/WebServers.h"
#include "sim/scenario/Helpers.h"
#include "sim/scenario/Registry.h"

namespace sim::scenario {

namespace {

std::string Serve(Arguments& args, Context& context) {
  std::string host = args.Text("HOST");
  std::string path = args.Text("PATH");
  std::string body = args.Text("BODY");
  int status = static_cast<int>(args.OptionalNumber("status").value_or(200));
  args.End();
  context.machine.Web().Serve(host, path, status, body);
  return {};
}

std::string Redirect(Arguments& args, Context& context) {
  std::string host = args.Text("HOST");
  std::string path = args.Text("PATH");
  std::string location = args.Text("URL");
  std::int64_t status = args.OptionalNumber("status").value_or(302);
  args.End();
  if (status != 301 && status != 302 && status != 303 && status != 307 && status != 308)
    throw ArgumentError("a redirect's status is 301, 302, 303, 307 or 308");
  context.machine.Web().Redirect(host, path, static_cast<int>(status), location);
  return {};
}

std::string Reach(Arguments& args, Context& context) {
  std::string how = args.Keyword({"refuse", "silent", "trickle"});
  std::string host = args.Text("HOST");
  if (how == "trickle") {
    std::int64_t every = args.OptionalNumber("every").value_or(5000);
    args.End();
    if (every < 1 || every > 3600000) throw ArgumentError("every MS is 1 to 3600000");
    context.machine.Web().SetTrickle(host, static_cast<unsigned>(every));
    return {};
  }
  args.End();
  context.machine.Web().SetReach(host, how == "refuse" ? HostReach::Refused : HostReach::Silent);
  return {};
}

// The user's Internet Options name a proxy: a host of the machine that
// takes every request not bypassed and answers it as the host asked would.
std::string SetProxy(Arguments& args, Context& context) {
  std::string address = args.Text("\"ADDRESS:PORT\"");
  std::optional<std::string> bypass = args.OptionalText("bypass");
  args.End();
  plat::UserProxySettings settings;
  if (address != "none") {
    size_t colon = address.rfind(':');
    if (colon == std::string::npos || colon == 0 || colon + 1 == address.size())
      throw ArgumentError("the proxy is written ADDRESS:PORT");
    settings.proxy = address;
    settings.bypass = bypass.value_or("");
    context.machine.Web().AddHost(address.substr(0, colon));
  } else if (bypass) {
    throw ArgumentError("no bypass list without a proxy");
  }
  auto lock = context.machine.Lock();
  context.machine.UserProxy() = settings;
  return {};
}

std::string ExpectRequests(Arguments& args, Context& context) {
  std::string host = args.Text("HOST");
  std::string path = args.Text("PATH");
  int expected = args.Int("COUNT");
  args.End();
  int actual = context.machine.Web().Requests(host, path);
  if (actual == expected) return {};
  return Differs("the number of requests for " + host + path, std::to_string(actual),
                 std::to_string(expected));
}

std::string ExpectOrder(Arguments& args, Context& context) {
  std::string first = args.Text("HOST");
  first += " " + args.Text("PATH");
  args.Keyword({"before"});
  std::string second = args.Text("HOST2");
  second += " " + args.Text("PATH2");
  args.End();
  std::vector<std::string> order = context.machine.Web().RequestOrder();
  auto firstAt = std::find(order.begin(), order.end(), first);
  auto secondAt = std::find(order.begin(), order.end(), second);
  if (firstAt != order.end() && secondAt != order.end() && firstAt < secondAt) return {};
  return "the requests came in this order: " + QuoteList(order) + "; expected " + first + " before " + second;
}

}  // namespace

void RegisterWebCommands(Registry& registry) {
  registry.Add({"web serve", "HOST PATH \"BODY\" [status CODE]",
                "The host answers the path with the body (status 200 unless given); other paths answer 404.",
                "web serve dir.velk.example /webadmin/serverlist.txt \"Seoul 1=10.0.0.1\\r\\n\"",
                Group::SetUp, Serve});
  registry.Add(
      {"web redirect", "HOST PATH \"URL\" [status CODE]",
       "The host answers the path with a redirect (302 unless given) to the URL: http://HOST/PATH, or "
       "a path on the same host.",
       "web redirect dir.velk.example /webadmin/serverlist.txt \"http://mirror.velk.example/list.txt\"",
       Group::SetUp, Redirect});
  registry.Add({"web", "refuse HOST | silent HOST | trickle HOST [every MS]",
                "The host refuses connections; or takes them and never answers (a download waits until its "
                "10 s deadline); or answers with its headers at once and then sends the body one byte every "
                "MS (5000 unless given), so a download succeeds only if the whole body comes by its "
                "deadline.",
                "web refuse dir.velk.example", Group::SetUp, Reach});
  registry.Add({"set proxy", "\"ADDRESS:PORT\" [bypass \"LIST\"] | none",
                "The user's Internet Options send downloads through this proxy, a host of the machine that "
                "forwards each request (its requests: the whole http address, or HOST:PORT for https); "
                "hosts of the bypass list (';'-separated, '*' wildcards, <local>) are reached directly.",
                "set proxy \"proxy.corp.example:8080\" bypass \"*.velk.example\"", Group::SetUp, SetProxy});
  registry.Add({"expect web requests", "HOST PATH COUNT", "The host has had this many requests for the path.",
                "expect web requests dir.velk.example /webadmin/serverlist.txt 1", Group::Expectation,
                ExpectRequests});
  registry.Add({"expect web order", "HOST PATH before HOST2 PATH2",
                "Both paths were requested, the first one's first request before the second one's.",
                "expect web order dir.velk.example /webadmin/logo1.php before dir.velk.example "
                "/webadmin/serverlist.txt",
                Group::Expectation, ExpectOrder});
}

}  // namespace sim::scenario
