// The machine the dialer runs on: clock, system version, code page, files
// and remote-access lines.
#include <charconv>

#include "sim/scenario/Helpers.h"
#include "sim/scenario/Registry.h"

namespace sim::scenario {

namespace {

// "5.1" or "6.1.7601"; a plain number is a major version.
plat::OsVersion ParseVersion(const std::string& text) {
  plat::OsVersion version;
  DWORD* parts[] = {&version.major, &version.minor, &version.build};
  const char* at = text.data();
  const char* end = text.data() + text.size();
  for (size_t i = 0; i < 3 && at < end; ++i) {
    auto [next, ec] = std::from_chars(at, end, *parts[i]);
    if (ec != std::errc()) break;
    at = next;
    if (at < end && *at == '.')
      ++at;
    else
      break;
  }
  if (at != end) throw ArgumentError("\"" + text + "\" is not a version such as 5.1 or 6.1.7601");
  return version;
}

std::string SetTick(Arguments& args, Context& context) {
  std::int64_t tick = args.Number("TICK");
  args.End();
  if (tick < 0 || tick > 0xFFFFFFFFLL) throw ArgumentError("the tick is a 32-bit unsigned number");
  auto lock = context.machine.Lock();
  context.machine.SetTick(static_cast<DWORD>(tick));
  return {};
}

std::string SetSeed(Arguments& args, Context& context) {
  std::int64_t seed = args.Number("SEED");
  args.End();
  if (seed < 0 || seed > 0xFFFFFFFFLL) throw ArgumentError("the seed is a 32-bit unsigned number");
  auto lock = context.machine.Lock();
  context.machine.SeedRandom(static_cast<unsigned>(seed));
  return {};
}

std::string SetVersion(Arguments& args, Context& context) {
  plat::OsVersion version = ParseVersion(args.Text("VERSION"));
  args.End();
  auto lock = context.machine.Lock();
  context.machine.SetVersion(version);
  return {};
}

std::string SetCodePage(Arguments& args, Context& context) {
  int codePage = args.Int("CODEPAGE");
  args.End();
  if (codePage != 936 && codePage != 949 && codePage != 1252 && codePage != 65001)
    return "code page " + std::to_string(codePage) + " is not supported";
  auto lock = context.machine.Lock();
  context.machine.Disk().SetCodePage(codePage);
  return {};
}

// "ansi TEXT" is stored in the machine's code page, a plain TEXT as it is.
std::string Content(Arguments& args, Context& context) {
  bool ansi = args.TakeKeyword("ansi");
  std::string text = args.Text("TEXT");
  return ansi ? context.machine.Disk().ToAnsi(text) : text;
}

std::string WriteFile(Arguments& args, Context& context) {
  std::string path = args.Text("PATH");
  auto lock = context.machine.Lock();
  std::string bytes = Content(args, context);
  args.End();
  if (!context.machine.Disk().WriteBytes(path, bytes)) return "cannot write " + Quote(path);
  return {};
}

std::string SetWow64(Arguments& args, Context& context) {
  bool on = args.Keyword({"on", "off"}) == "on";
  args.End();
  auto lock = context.machine.Lock();
  context.machine.SetWow64(on);
  return {};
}

std::string SetWindowsFolder(Arguments& args, Context& context) {
  std::string folder = args.Text("PATH");
  args.End();
  if (folder.size() < 3 || folder[1] != ':' || folder[2] != '\\')
    throw ArgumentError("\"" + folder + "\" is no full path such as C:\\Windows");
  auto lock = context.machine.Lock();
  context.machine.SetWindowsFolder(folder);
  return {};
}

std::string FailFileCall(Arguments& args, Context& context) {
  std::string path = args.Text("PATH");
  std::string call = args.Keyword({"write", "flush", "close", "rename"});
  std::int64_t times = args.OptionalNumber("times").value_or(1);
  args.End();
  if (times < 1) throw ArgumentError("times is a count of 1 or more");
  using Call = FileSystem::FileCall;
  Call which = call == "write"   ? Call::Write
               : call == "flush" ? Call::Flush
               : call == "close" ? Call::Close
                                 : Call::Rename;
  auto lock = context.machine.Lock();
  auto host = context.machine.Disk().HostPath(path, "C:\\");
  if (!host) return "no file on drive C: is named " + Quote(path);
  context.machine.Disk().FailNext(*host, which, static_cast<int>(times));
  return {};
}

std::string DenyFile(Arguments& args, Context& context) {
  std::string path = args.Text("PATH");
  args.End();
  auto lock = context.machine.Lock();
  context.machine.Disk().DenyAccess(path);
  return {};
}

std::string ExpectFile(Arguments& args, Context& context) {
  std::string path = args.Text("PATH");
  auto lock = context.machine.Lock();
  std::optional<std::string> actual = context.machine.Disk().ReadBytes(path);
  if (args.TakeKeyword("absent")) {
    args.End();
    return actual ? "the file exists with " + Quote(*actual) : std::string();
  }
  if (args.TakeKeyword("administrators")) {
    std::string which = args.Keyword({"only", "not", "and"});
    if (which == "and") args.Keyword({"user"});
    bool always = which == "only" && args.TakeKeyword("always");
    args.End();
    auto host = context.machine.Disk().HostPath(path, "C:\\");
    if (which == "and") {
      if (host && context.machine.Disk().IsAdministratorsAndUser(*host)) return {};
      return "the access list is not Administrators' and SYSTEM's with the signed-in user reading";
    }
    bool restricted = which == "only";
    if (!actual) return "the file does not exist";
    bool isRestricted = host && context.machine.Disk().IsAdministratorsOnly(*host);
    if (always && host && context.machine.Disk().WasExposed(*host))
      return "a program wrote to the file (or to a file moved over it) while others could read it";
    if (isRestricted == restricted) return {};
    return isRestricted ? "only Administrators and SYSTEM may open the file"
                        : "the file's access is not limited to Administrators and SYSTEM";
  }
  std::string expected = Content(args, context);
  args.End();
  if (!actual) return "the file does not exist, expected " + Quote(expected);
  if (*actual == expected) return {};
  return Differs("the file's content", Quote(*actual), Quote(expected));
}

std::string RasUp(Arguments& args, Context& context) {
  std::string name = args.Text("NAME");
  std::string ip = args.OptionalText("ip").value_or("10.8.0.2");
  args.End();
  auto lock = context.machine.Lock();
  context.machine.Ras().AddConnection(name, ip);
  context.machine.Sched().Notify();
  return {};
}

std::string RasDown(Arguments& args, Context& context) {
  std::string name = args.Text("NAME");
  args.End();
  auto lock = context.machine.Lock();
  RasLine* line = context.machine.Ras().FindByName(name);
  if (line == nullptr) return "no line " + Quote(name) + " is up";
  context.machine.Ras().Remove(line->handle);
  context.machine.Sched().Notify();
  return {};
}

std::string ExpectRas(Arguments& args, Context& context) {
  std::string state = args.Keyword({"up", "down"});
  std::string name = args.Text("NAME");
  std::optional<std::string> ip = state == "up" ? args.OptionalText("ip") : std::nullopt;
  args.End();
  auto lock = context.machine.Lock();
  const RasLine* line = context.machine.Ras().FindByName(name);
  if (state == "down") return line ? "the line " + Quote(name) + " is up" : std::string();
  if (line == nullptr) return "the line " + Quote(name) + " is down";
  if (line->state != plat::kRasConnected)
    return "the line " + Quote(name) + " is in state " + std::to_string(line->state);
  if (ip && line->ipAddress != *ip) return Differs("its address", line->ipAddress, *ip);
  return {};
}

}  // namespace

void RegisterMachineCommands(Registry& registry) {
  registry.Add({"set tick", "TICK", "Sets the machine's 32-bit tick count (e.g. near its wrap).",
                "set tick 4294960000", Group::SetUp, SetTick});
  registry.Add({"set seed", "SEED",
                "Seeds the C library's generator of the machine's programs, as srand does (it starts as "
                "seed 1).",
                "set seed 7", Group::SetUp, SetSeed});
  registry.Add({"set version", "MAJOR.MINOR[.BUILD]", "Sets the version the system reports.",
                "set version 5.1", Group::SetUp, SetVersion});
  registry.Add({"set codepage", "CODEPAGE", "Sets the system's ANSI code page (936, 949, 1252 or 65001).",
                "set codepage 949", Group::SetUp, SetCodePage});
  registry.Add({"file", "PATH [ansi] \"TEXT\"",
                "Writes a file on the machine: the text's bytes as written, or with ansi converted to the "
                "machine's code page.",
                "file \"C:\\\\Windows\\\\system32\\\\Route.txt\" \"10.0.0.0\\r\\n\"", Group::SetUp,
                WriteFile});
  registry.Add({"set wow64", "on | off",
                "A 64-bit Windows running the 32-bit program (on), or a 32-bit Windows (off, the default): "
                "programs started later see SysWOW64 as their system directory, their paths into system32 "
                "lead there, and their own view of the registry's HKLM\\Software is its 32-bit copy.",
                "set wow64 on", Group::SetUp, SetWow64});
  registry.Add({"set windows folder", "\"PATH\"",
                "The Windows folder (C:\\Windows unless set), whose system32 is the system directory.",
                "set windows folder \"C:\\\\Win Dir\"", Group::SetUp, SetWindowsFolder});
  registry.Add({"fail", "PATH write|flush|close|rename [times N]",
                "The next call of that kind on the file (or the next N) fails as Windows fails it: a write, "
                "or the flush or close of what was written, as on a full disk (nothing of it reaches the "
                "file); a move from or over it as when another program holds it (both files stay).",
                "fail \"C:\\\\Windows\\\\system32\\\\Config.dat.tmp\" rename", Group::SetUp, FailFileCall});
  registry.Add({"deny", "PATH", "Makes a file or folder refuse to be opened, created or deleted.",
                "deny \"C:\\\\0001.tmp\"", Group::SetUp, DenyFile});
  registry.Add({"ras up", "NAME [ip ADDRESS]",
                "An active remote-access line, as if dialled earlier (the address defaults to 10.8.0.2).",
                "ras up \"tarno\" ip 10.8.0.7", Group::SetUp, RasUp});
  registry.Add({"ras down", "NAME", "The line drops (the service forgets it).", "ras down \"tarno\"",
                Group::Action, RasDown});
  registry.Add(
      {"expect file",
       "PATH absent | PATH administrators only [always] | PATH administrators not | PATH administrators and "
       "user | PATH [ansi] \"TEXT\"",
       "The file is absent, or only Administrators and SYSTEM may open it (or not; always: nor could anyone "
       "else read what a program wrote to it, or to a file moved over it, at any instant), or they have full "
       "access and the signed-in user reads it (a folder: lists it), or it holds exactly these bytes (with "
       "ansi: this text in the machine's code page).",
       "expect file \"C:\\\\0001.tmp\" absent", Group::Expectation, ExpectFile});
  registry.Add({"expect ras", "up NAME [ip ADDRESS] | down NAME",
                "The remote-access service has (or has not) an active line of that entry name.",
                "expect ras up \"tarno\"", Group::Expectation, ExpectRas});
}

}  // namespace sim::scenario
