// The ICMP side of the network: echo hosts with scripted round trips, stray
// datagrams, failing socket calls, and the record of the requests sent; the
// progress bars and list scrolling of the latency windows.
#include <algorithm>
#include <cstdio>

#include "sim/IcmpNetwork.h"
#include "sim/Network.h"
#include "sim/scenario/Helpers.h"
#include "sim/scenario/Registry.h"

namespace sim::scenario {

namespace {

DWORD AddressArgument(Arguments& args) {
  std::string text = args.Text("ADDRESS");
  std::optional<DWORD> address = ParseDottedAddress(text);
  if (!address) throw ArgumentError("\"" + text + "\" is not a dotted IPv4 address");
  return *address;
}

std::optional<DWORD> RttArgument(const std::string& text) {
  if (text == "lost") return std::nullopt;
  char* end = nullptr;
  unsigned long value = std::strtoul(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || value > 60000)
    throw ArgumentError("\"" + text + "\" is neither a round trip in ms nor lost");
  return static_cast<DWORD>(value);
}

std::string SetIcmpHost(Arguments& args, Context& context) {
  DWORD address = AddressArgument(args);
  if (args.TakeKeyword("none")) {
    args.End();
    auto lock = context.machine.Lock();
    context.machine.Icmp().RemoveHost(address);
    return {};
  }
  IcmpHost host;
  std::vector<std::string> values = args.RestAsTexts();
  if (!values.empty() && values.back() == "options") {
    host.ipOptions = true;
    values.pop_back();
  }
  if (values.empty()) throw ArgumentError("give one or more round trips (ms or lost)");
  for (const std::string& value : values) host.script.push_back(RttArgument(value));
  host.rtt = host.script.back();
  auto lock = context.machine.Lock();
  context.machine.Icmp().SetHost(address, std::move(host));
  return {};
}

std::string QueueStray(Arguments& args, Context& context) {
  std::string kind = args.Keyword({"reply", "error", "options", "forged", "tick", "short", "long"});
  DWORD delay = static_cast<DWORD>(args.OptionalNumber("after").value_or(0));
  args.End();
  StrayKind stray = kind == "reply"    ? StrayKind::ForeignReply
                    : kind == "error"  ? StrayKind::Error
                    : kind == "forged" ? StrayKind::Forged
                    : kind == "tick"   ? StrayKind::ForgedTick
                    : kind == "short"  ? StrayKind::Short
                    : kind == "long"   ? StrayKind::Long
                                       : StrayKind::ForeignReplyWithOptions;
  auto lock = context.machine.Lock();
  context.machine.Icmp().QueueStray(stray, delay);
  return {};
}

std::string FailCall(Arguments& args, Context& context) {
  std::string call = args.Keyword({"socket", "sendto", "select", "recvfrom", "closesocket"});
  int error = args.Int("ERROR");
  args.End();
  auto lock = context.machine.Lock();
  context.machine.Icmp().FailNext(call, error);
  return {};
}

std::string Hex(const std::vector<BYTE>& bytes) {
  std::string text;
  for (BYTE b : bytes) {
    char part[4];
    std::snprintf(part, sizeof(part), "%02X", b);
    text += (text.empty() ? "" : " ") + std::string(part);
  }
  return text;
}

std::vector<BYTE> ParseHex(const std::string& text) {
  std::vector<BYTE> bytes;
  std::string digits;
  for (char ch : text)
    if (ch != ' ') digits += ch;
  if (digits.size() % 2 != 0) throw ArgumentError("hex bytes come in pairs of digits");
  for (size_t i = 0; i < digits.size(); i += 2) {
    char* end = nullptr;
    std::string pair = digits.substr(i, 2);
    unsigned long value = std::strtoul(pair.c_str(), &end, 16);
    if (*end != '\0') throw ArgumentError("\"" + pair + "\" is not a hex byte");
    bytes.push_back(static_cast<BYTE>(value));
  }
  return bytes;
}

std::string ExpectSent(Arguments& args, Context& context) {
  int want = args.Int("COUNT");
  std::optional<DWORD> to;
  if (args.TakeKeyword("to")) to = AddressArgument(args);
  args.End();
  auto lock = context.machine.Lock();
  int count = 0;
  for (const SentDatagram& sent : context.machine.Icmp().Sent())
    if (!to || sent.to == *to) ++count;
  std::string subject = "the number of ICMP datagrams sent" + (to ? " to " + FormatDottedAddress(*to) : "");
  return count == want ? "" : Differs(subject, std::to_string(count), std::to_string(want));
}

WORD Word(const std::vector<BYTE>& bytes, size_t at) {
  return static_cast<WORD>(bytes[at] | (bytes[at + 1] << 8));
}

std::string CheckRequest(const SentDatagram& sent, Arguments& args) {
  const std::vector<BYTE>& bytes = sent.bytes;
  std::string problem;
  auto field = [&](const char* name, std::int64_t actual) {
    std::optional<std::int64_t> want = args.OptionalNumber(name);
    if (want && *want != actual && problem.empty())
      problem = Differs(std::string("its ") + name, std::to_string(actual), std::to_string(*want));
  };
  while (!args.AtEnd() && problem.empty()) {
    const Token* next = args.Peek();
    if (next->text == "to") {
      args.TakeKeyword("to");
      DWORD want = AddressArgument(args);
      if (want != sent.to)
        problem = Differs("its destination", FormatDottedAddress(sent.to), FormatDottedAddress(want));
    } else if (next->text == "hex") {
      args.TakeKeyword("hex");
      std::vector<BYTE> want = ParseHex(args.Text("BYTES"));
      if (want != bytes) problem = Differs("its bytes", Hex(bytes), Hex(want));
    } else if (next->text == "valid") {
      args.TakeKeyword("valid");
      if (bytes.size() != 45 || bytes[0] != 8 || bytes[1] != 0 || InternetChecksum(bytes) != 0)
        problem = "it is not a 45-byte echo request with a good checksum: " + Hex(bytes);
    } else if (bytes.size() < 13) {
      problem = "it is only " + std::to_string(bytes.size()) + " bytes long";
    } else if (next->text == "id") {
      field("id", Word(bytes, 4));
    } else if (next->text == "seq") {
      field("seq", Word(bytes, 6));
    } else if (next->text == "tick") {
      field("tick",
            bytes[9] | (bytes[10] << 8) | (bytes[11] << 16) | (static_cast<std::int64_t>(bytes[12]) << 24));
    } else if (next->text == "at") {
      field("at", static_cast<std::int64_t>(sent.at));
    } else {
      throw ArgumentError("\"" + next->text + "\" is not one of to, hex, valid, id, seq, tick, at");
    }
  }
  return problem;
}

std::string ExpectRequest(Arguments& args, Context& context) {
  int index = args.Int("INDEX");
  auto lock = context.machine.Lock();
  const std::vector<SentDatagram>& sent = context.machine.Icmp().Sent();
  if (index < 1 || index > static_cast<int>(sent.size()))
    return "there is no ICMP datagram " + std::to_string(index) + "; " + std::to_string(sent.size()) +
           " were sent";
  std::string problem = CheckRequest(sent[static_cast<size_t>(index - 1)], args);
  return problem.empty() ? "" : "ICMP datagram " + std::to_string(index) + ": " + problem;
}

std::string ExpectSockets(Arguments& args, Context& context) {
  int want = args.Int("COUNT");
  args.End();
  auto lock = context.machine.Lock();
  int open = context.machine.Icmp().OpenSockets();
  return open == want
             ? ""
             : Differs("the number of open ICMP sockets", std::to_string(open), std::to_string(want));
}

std::string ExpectProgress(Arguments& args, Context& context) {
  int id = args.Int("ID");
  int want = args.Int("POS");
  std::optional<std::int64_t> low = args.OptionalNumber("range");
  std::optional<int> high;
  if (low) high = args.Int("HIGH");
  args.End();
  std::string problem;
  auto bar = ControlOf(context, id, problem);
  if (!bar) return problem;
  std::string subject = "the position of progress bar " + std::to_string(id);
  if (bar->progressPos != want)
    return Differs(subject, std::to_string(bar->progressPos), std::to_string(want));
  if (low && (bar->progressLow != *low || bar->progressHigh != *high))
    return Differs("its range", std::to_string(bar->progressLow) + "-" + std::to_string(bar->progressHigh),
                   std::to_string(*low) + "-" + std::to_string(*high));
  return {};
}

std::string ExpectProgressHistory(Arguments& args, Context& context) {
  int id = args.Int("ID");
  std::vector<std::string> want = args.RestAsTexts();
  std::string problem;
  auto bar = ControlOf(context, id, problem);
  if (!bar) return problem;
  std::vector<std::string> seen;
  auto lock = context.machine.Lock();
  for (const SimProgressChange& change : context.machine.Screen().ProgressChanges())
    if (change.bar == bar->hwnd) seen.push_back(std::to_string(change.pos));
  auto join = [](const std::vector<std::string>& list) {
    std::string text;
    for (const std::string& item : list) text += (text.empty() ? "" : " ") + item;
    return text.empty() ? std::string("(none)") : text;
  };
  auto gap = std::find(want.begin(), want.end(), "...");
  bool matches = seen == want;
  if (gap != want.end()) {
    auto head = static_cast<size_t>(gap - want.begin());
    size_t tail = want.size() - head - 1;
    matches = seen.size() >= head + tail && std::equal(want.begin(), gap, seen.begin()) &&
              std::equal(gap + 1, want.end(), seen.end() - static_cast<std::ptrdiff_t>(tail));
  }
  return matches ? ""
                 : Differs("the positions progress bar " + std::to_string(id) + " was given", join(seen),
                           join(want));
}

std::string ExpectTop(Arguments& args, Context& context) {
  int id = args.Int("ID");
  int want = args.Int("INDEX");
  args.End();
  std::string problem;
  auto list = ControlOf(context, id, problem);
  if (!list) return problem;
  return list->topIndex == want ? ""
                                : Differs("the top row of list " + std::to_string(id),
                                          std::to_string(list->topIndex), std::to_string(want));
}

}  // namespace

void RegisterProbeCommands(Registry& registry) {
  registry.Add(
      {"icmp host", "ADDRESS MS|lost [MS|lost ...] [options] | ADDRESS none",
       "The address answers echo requests: each value is the round trip of one request in turn (lost: no "
       "reply), the last one holding from then on; options: its replies carry IPv4 options; none: it "
       "never answers.",
       "icmp host 10.0.0.1 lost 100 lost 30", Group::SetUp, SetIcmpHost});
  registry.Add(
      {"icmp stray", "reply|error|options|forged|tick|short|long [after MS]",
       "A datagram that is not the reply arrives MS after the next echo request leaves: another program's "
       "echo reply, a destination-unreachable error, another program's reply with IPv4 options, a forged "
       "reply with the request's identifier and sequence from 10.66.66.66, or one from the probed address "
       "whose send tick is 16 ms ahead; or the probed address's reply cut one byte short of its send tick "
       "(short) or padded to 322 bytes (long).",
       "icmp stray reply after 10", Group::SetUp, QueueStray});
  registry.Add({"icmp fail", "socket|sendto|select|recvfrom|closesocket ERROR",
                "The next call of this socket function fails with the error code.", "icmp fail socket 10013",
                Group::SetUp, FailCall});
  registry.Add({"expect icmp sent", "COUNT [to ADDRESS]",
                "The machine has sent this many ICMP datagrams (to this address).",
                "expect icmp sent 4 to 10.0.0.1", Group::Expectation, ExpectSent});
  registry.Add(
      {"expect icmp request", "INDEX [to ADDRESS] [valid] [id N] [seq N] [tick N] [at MS] [hex \"BYTES\"]",
       "The INDEXth datagram sent (from 1): its destination, that it is a 45-byte echo request whose "
       "checksum verifies, its identifier, sequence number, send tick, virtual send time, or all its bytes.",
       "expect icmp request 1 to 10.0.0.1 valid id 1 seq 1", Group::Expectation, ExpectRequest});
  registry.Add({"expect icmp sockets", "COUNT", "This many ICMP sockets are open on the machine.",
                "expect icmp sockets 0", Group::Expectation, ExpectSockets});
  registry.Add({"expect progress", "ID POS [range LOW HIGH]", "A progress bar's position (and range).",
                "expect progress 1021 33 range 0 100", Group::Expectation, ExpectProgress});
  registry.Add(
      {"expect progress history", "ID [POS ...]",
       "Every position the progress bar was given since its window opened, in order; \"...\" stands for any "
       "positions in between.",
       "expect progress history 1021 0 33 66 100", Group::Expectation, ExpectProgressHistory});
  registry.Add({"expect top", "ID INDEX", "The first visible row of a list box.", "expect top 1016 3",
                Group::Expectation, ExpectTop});
}

}  // namespace sim::scenario
