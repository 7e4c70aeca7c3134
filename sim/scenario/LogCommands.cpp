// The dialer's log on the machine's disk, and the wall clock its lines are
// stamped with.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <regex>

#include "sim/scenario/Helpers.h"
#include "sim/scenario/Registry.h"

namespace sim::scenario {

namespace {

constexpr const char* kLogPath = "C:\\ProgramData\\Velk VPN\\Dorvanta.log";
constexpr const char* kOldLogPath = "C:\\ProgramData\\Velk VPN\\Dorvanta.old.log";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr size_t kMaxLogBytes = 256 * 1024;
constexpr size_t kShownLines = 20;

// "2024-01-01 09:00:00.000 +09:00 [4096] " before each line's text.
const std::regex& StampPattern() {
  static const std::regex pattern(R"(^\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2}\.\d{3} [+-]\d{2}:\d{2} \[\d+\] )");
  return pattern;
}

const char* PathOf(bool old) {
  return old ? kOldLogPath : kLogPath;
}

std::optional<std::string> Bytes(Context& context, bool old) {
  auto lock = context.machine.Lock();
  return context.machine.Disk().ReadBytes(PathOf(old));
}

// The file's lines without their CR LF.
std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::string_view text(bytes);
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  while (!text.empty()) {
    size_t end = text.find("\r\n");
    lines.emplace_back(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 2);
  }
  return lines;
}

std::string WithoutStamp(const std::string& line) {
  std::smatch stamp;
  if (!std::regex_search(line, stamp, StampPattern())) return line;
  return line.substr(static_cast<size_t>(stamp.length(0)));
}

std::string Missing(bool old) {
  return std::string("there is no ") + (old ? "old log " : "log ") + Quote(PathOf(old));
}

// The lines that follow one another in the log, each after its stamp (or,
// stamped, whole).
std::string ExpectLog(Arguments& args, Context& context) {
  bool old = args.TakeKeyword("old");
  bool stamped = args.TakeKeyword("stamped");
  bool containing = !stamped && args.TakeKeyword("containing");
  std::vector<std::string> wanted = args.RestAsTexts();
  if (wanted.empty()) throw ArgumentError("give the text of a line");
  if (containing && wanted.size() > 1) throw ArgumentError("containing takes one text");
  std::optional<std::string> bytes = Bytes(context, old);
  if (!bytes) return Missing(old);
  std::vector<std::string> lines = Lines(*bytes);
  auto same = [&](const std::string& line, const std::string& want) {
    std::string text = stamped ? line : WithoutStamp(line);
    return containing ? text.find(want) != std::string::npos : text == want;
  };
  for (size_t first = 0; first + wanted.size() <= lines.size(); ++first) {
    size_t matched = 0;
    while (matched < wanted.size() && same(lines[first + matched], wanted[matched])) ++matched;
    if (matched == wanted.size()) return {};
  }
  std::string shown;
  for (size_t i = lines.size() > kShownLines ? lines.size() - kShownLines : 0; i < lines.size(); ++i)
    shown += "\n  " + Printable(lines[i]);
  return "the log has no line" + std::string(wanted.size() > 1 ? "s " : " ") + QuoteList(wanted) +
         (wanted.size() > 1 ? " in a row" : "") + "; its last lines:" + shown;
}

std::string ExpectNoLog(Arguments& args, Context& context) {
  bool old = args.TakeKeyword("old");
  bool containing = args.TakeKeyword("containing");
  std::string unwanted = args.Text("TEXT");
  args.End();
  std::optional<std::string> bytes = Bytes(context, old);
  if (!bytes) return {};
  for (const std::string& line : Lines(*bytes)) {
    std::string text = WithoutStamp(line);
    if (containing ? text.find(unwanted) != std::string::npos : text == unwanted)
      return "the log has the line " + Quote(line);
  }
  return {};
}

// Neither file holds the text's bytes in UTF-8, in the code page or in UTF-16LE.
std::string ExpectNoSecret(Arguments& args, Context& context) {
  std::string secret = args.Text("TEXT");
  args.End();
  if (secret.empty()) throw ArgumentError("the secret is empty");
  std::vector<std::pair<const char*, std::string>> forms;
  {
    auto lock = context.machine.Lock();
    forms = {{"UTF-8", secret},
             {"the code page", context.machine.Disk().ToAnsi(secret)},
             {"UTF-16LE", ConvertText(secret, "UTF-8", "UTF-16LE")}};
  }
  for (bool old : {false, true}) {
    std::optional<std::string> bytes = Bytes(context, old);
    if (!bytes) continue;
    for (const auto& [name, form] : forms)
      if (!form.empty() && bytes->find(form) != std::string::npos)
        return std::string(old ? "the old log" : "the log") + " holds " + Quote(secret) + " in " + name;
  }
  return {};
}

// A byte-order mark, then stamped lines each ended by CR LF, within the bound.
std::string ExpectWellFormed(Arguments& args, Context& context) {
  bool old = args.TakeKeyword("old");
  args.End();
  std::optional<std::string> bytes = Bytes(context, old);
  if (!bytes) return Missing(old);
  if (!bytes->starts_with(kByteOrderMark)) return "the log does not begin with the UTF-8 byte-order mark";
  if (bytes->size() > kMaxLogBytes)
    return "the log has " + std::to_string(bytes->size()) + " bytes, more than " +
           std::to_string(kMaxLogBytes);
  if (bytes->size() > kByteOrderMark.size() && !bytes->ends_with("\r\n"))
    return "the log's last line has no CR LF";
  for (size_t at = bytes->find('\n'); at != std::string::npos; at = bytes->find('\n', at + 1))
    if (at == 0 || (*bytes)[at - 1] != '\r') return "the log has a line feed without a carriage return";
  for (const std::string& line : Lines(*bytes))
    if (!std::regex_search(line, StampPattern()))
      return "the log's line " + Quote(line) + " has no time stamp";
  return {};
}

// The log of an earlier run: a byte-order mark and as many whole numbered
// lines as fit in the size.
std::string Earlier(Arguments& args, Context& context) {
  std::int64_t size = args.Number("BYTES");
  bool old = args.TakeKeyword("old");
  args.End();
  if (size < 3 || size > static_cast<std::int64_t>(4 * kMaxLogBytes))
    throw ArgumentError("the size is 3 to " + std::to_string(4 * kMaxLogBytes) + " bytes");
  std::string bytes(kByteOrderMark);
  for (int n = 1;; ++n) {
    char line[96];
    std::snprintf(line, sizeof line, "2023-12-31 23:00:00.000 +09:00 [0] earlier line %d\r\n", n);
    if (bytes.size() + std::strlen(line) > static_cast<size_t>(size)) break;
    bytes += line;
  }
  auto lock = context.machine.Lock();
  context.machine.Disk().MakeFolder("C:\\ProgramData\\Velk VPN");
  if (!context.machine.Disk().WriteBytes(PathOf(old), bytes)) return "cannot write " + Quote(PathOf(old));
  return {};
}

std::string PrintLog(Arguments& args, Context& context) {
  std::optional<std::int64_t> count = args.AtEnd() ? std::nullopt : std::optional(args.Number("COUNT"));
  args.End();
  std::optional<std::string> bytes = Bytes(context, false);
  if (!bytes) return Missing(false);
  std::vector<std::string> lines = Lines(*bytes);
  size_t shown = static_cast<size_t>(std::clamp<std::int64_t>(count.value_or(kShownLines), 0, 100000));
  for (size_t i = lines.size() > shown ? lines.size() - shown : 0; i < lines.size(); ++i)
    context.out << Printable(lines[i]) << "\n";
  return {};
}

// "2024-05-01 12:00:00" and "+08:00" (or "-03:30").
std::string SetLocalTime(Arguments& args, Context& context) {
  std::string when = args.Text("TIME");
  std::string offset = args.OptionalText("offset").value_or("+09:00");
  args.End();
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, offsetHours = 0, offsetMinutes = 0;
  char sign = 0;
  char end = 0;
  if (std::sscanf(when.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &year, &month, &day, &hour, &minute, &second,
                  &end) != 6 ||
      month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 59)
    throw ArgumentError("the time is written YYYY-MM-DD HH:MM:SS");
  if (std::sscanf(offset.c_str(), "%c%2d:%2d%c", &sign, &offsetHours, &offsetMinutes, &end) != 3 ||
      (sign != '+' && sign != '-') || offsetHours > 14 || offsetMinutes > 59)
    throw ArgumentError("the offset is written +HH:MM or -HH:MM");
  using namespace std::chrono;
  sys_days date{year_month_day{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                               std::chrono::day(static_cast<unsigned>(day))}};
  std::int64_t localMs = duration_cast<milliseconds>(date.time_since_epoch()).count() +
                         ((hour * 60 + minute) * 60 + second) * 1000LL;
  int offsetTotal = (sign == '-' ? -1 : 1) * (offsetHours * 60 + offsetMinutes);
  auto lock = context.machine.Lock();
  context.machine.SetLocalTime(localMs, offsetTotal);
  return {};
}

}  // namespace

void RegisterLogCommands(Registry& registry) {
  registry.Add({"set local time", "\"YYYY-MM-DD HH:MM:SS\" [offset +HH:MM]",
                "The machine's local time now, and its offset from UTC (+09:00 unless given); it runs on "
                "with the virtual clock.",
                "set local time \"2024-05-01 12:00:00\" offset +08:00", Group::SetUp, SetLocalTime});
  registry.Add({"log earlier", "BYTES [old]",
                "The dialer's log (or its old log) already holds an earlier run's lines: the byte-order mark "
                "and as many whole lines \"earlier line N\" as fit in BYTES.",
                "log earlier 262000", Group::SetUp, Earlier});
  registry.Add({"log", "[COUNT]", "Prints the last COUNT lines of the dialer's log (20 unless given).",
                "log 5", Group::Action, PrintLog});
  registry.Add(
      {"expect log", "[old] [stamped | containing] \"TEXT\" [\"TEXT\"...]",
       "The log (or the old log) has lines that are exactly these texts after their time stamps, one "
       "right after the other; stamped: whole lines, time stamp included; containing: a line holds "
       "the text.",
       "expect log \"dial \\\"tarno\\\": connected\"", Group::Expectation, ExpectLog});
  registry.Add(
      {"expect no log", "[old] [containing] \"TEXT\"",
       "No line of the log (or the old log) is this text after its time stamp (containing: holds it).",
       "expect no log containing \"velk2024\"", Group::Expectation, ExpectNoLog});
  registry.Add({"expect no log secret", "\"TEXT\"",
                "Neither the log nor the old log holds the text's bytes: in UTF-8, in the machine's code "
                "page, or in UTF-16LE.",
                "expect no log secret \"velk2024\"", Group::Expectation, ExpectNoSecret});
  registry.Add({"expect log well formed", "[old]",
                "The log (or the old log) begins with the UTF-8 byte-order mark, has only stamped lines "
                "ended by CR LF, and holds 256 KiB at most.",
                "expect log well formed old", Group::Expectation, ExpectWellFormed});
}

}  // namespace sim::scenario
