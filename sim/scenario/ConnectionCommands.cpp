// The remote-access service's dial behaviour and the record of its dials.
#include <re2/re2.h>

#include <memory>

#include "sim/scenario/Helpers.h"
#include "sim/scenario/Registry.h"

namespace sim::scenario {

namespace {

std::string Progress(Arguments& args, Context& context) {
  std::vector<RasDialStep> steps;
  while (!args.AtEnd()) {
    RasDialStep step;
    step.atMs = static_cast<DWORD>(args.Number("MS"));
    step.state = static_cast<DWORD>(args.Number("STATE"));
    steps.push_back(step);
  }
  auto lock = context.machine.Lock();
  RasDialScript script = context.machine.Ras().DialScript();
  script.steps = std::move(steps);
  context.machine.Ras().SetDialScript(script);
  return {};
}

std::string Outcome(Arguments& args, Context& context) {
  DWORD at = static_cast<DWORD>(args.Number("MS"));
  std::string kind = args.Keyword({"connected", "error"});
  DWORD error = kind == "error" ? static_cast<DWORD>(args.Number("CODE")) : 0;
  std::optional<std::string> ip = args.OptionalText("ip");
  args.End();
  auto lock = context.machine.Lock();
  RasDialScript script = context.machine.Ras().DialScript();
  script.outcomeAtMs = at;
  script.error = error;
  if (ip) script.ipAddress = *ip;
  context.machine.Ras().SetDialScript(script);
  return {};
}

std::string Refuse(Arguments& args, Context& context) {
  DWORD code = static_cast<DWORD>(args.Number("CODE"));
  int count = 1;
  if (args.TakeKeyword("always"))
    count = -1;
  else if (auto times = args.OptionalNumber("times"))
    count = static_cast<int>(*times);
  args.End();
  auto lock = context.machine.Lock();
  context.machine.Ras().RefuseDials(code, count);
  return {};
}

std::string Account(Arguments& args, Context& context) {
  std::string user = args.Text("USER");
  std::string password = args.Text("PASSWORD");
  args.End();
  auto lock = context.machine.Lock();
  context.machine.Ras().AddAccount(user, password);
  return {};
}

std::string ErrorText(Arguments& args, Context& context) {
  DWORD code = static_cast<DWORD>(args.Number("CODE"));
  std::string text = args.Text("TEXT");
  args.End();
  auto lock = context.machine.Lock();
  context.machine.Ras().SetErrorText(code, text);
  return {};
}

std::string DropAfter(Arguments& args, Context& context) {
  std::string name = args.Text("NAME");
  args.Keyword({"after"});
  std::int64_t after = args.Number("MS");
  args.End();
  auto lock = context.machine.Lock();
  context.machine.Ras().DropAt(name, context.machine.Sched().Now() + static_cast<VirtualTime>(after));
  return {};
}

std::string Release(Arguments& args, Context& context) {
  args.Keyword({"after"});
  std::int64_t after = args.Number("MS");
  args.End();
  auto lock = context.machine.Lock();
  context.machine.Ras().SetReleaseDelay(static_cast<DWORD>(after));
  return {};
}

std::string ExpectDials(Arguments& args, Context& context) {
  std::int64_t count = args.Number("COUNT");
  args.End();
  auto lock = context.machine.Lock();
  size_t actual = context.machine.Ras().Dials().size();
  return static_cast<std::int64_t>(actual) == count
             ? std::string()
             : Differs("the number of dials", std::to_string(actual), std::to_string(count));
}

std::string Line(const std::string& text, std::int64_t n) {
  size_t start = 0;
  for (std::int64_t i = 1; i < n; ++i) {
    start = text.find('\n', start);
    if (start == std::string::npos) return {};
    ++start;
  }
  return text.substr(start, text.find('\n', start) - start);
}

// "TEXT" or "matching REGEX" against actual; the problem, or empty.
std::string CompareText(Arguments& args, const std::string& subject, const std::string& actual) {
  bool pattern = args.TakeKeyword("matching");
  std::string want = args.Text(pattern ? "REGEX" : "TEXT");
  if (!pattern) return actual == want ? std::string() : Differs(subject, Quote(actual), Quote(want));
  // RE2 matches in time linear in the text, whatever the expression.
  RE2 expression(want, RE2::Quiet);
  if (!expression.ok())
    throw ArgumentError("not a regular expression: " + Quote(want) + " (" + expression.error() + ")");
  return RE2::FullMatch(actual, expression) ? std::string()
                                            : Differs(subject, Quote(actual), "a match of " + Quote(want));
}

std::string ExpectDial(Arguments& args, Context& context) {
  std::optional<std::int64_t> index = args.OptionalNumber("number");
  auto lock = context.machine.Lock();
  const auto& dials = context.machine.Ras().Dials();
  if (dials.empty()) return "no dial was made";
  size_t at = index ? static_cast<size_t>(*index - 1) : dials.size() - 1;
  if (at >= dials.size()) return "only " + std::to_string(dials.size()) + " dials were made";
  const RasDialRecord& dial = dials[at];
  while (!args.AtEnd()) {
    std::string field =
        args.Keyword({"entry", "phone", "user", "password", "domain", "phonebook", "line", "result", "crlf"});
    if (field == "crlf") {
      if (!dial.phonebookBytes || dial.phonebookBytes->find("\r\n") == std::string::npos)
        return "the phonebook file had no CR LF line ends";
      continue;
    }
    if (field == "result") {
      std::int64_t code = args.Number("CODE");
      if (static_cast<std::int64_t>(dial.result) != code)
        return Differs("the dial's result", std::to_string(dial.result), std::to_string(code));
      continue;
    }
    if (field == "line") {
      std::int64_t n = args.Number("N");
      std::string problem =
          CompareText(args, "phonebook line " + std::to_string(n), Line(dial.phonebookText, n));
      if (!problem.empty()) return problem;
      continue;
    }
    const std::string& actual = field == "entry"      ? dial.entryName
                                : field == "phone"    ? dial.phoneNumber
                                : field == "user"     ? dial.userName
                                : field == "password" ? dial.password
                                : field == "domain"   ? dial.domain
                                                      : dial.phonebookPath;
    std::string problem = CompareText(args, "the dial's " + field, actual);
    if (!problem.empty()) return problem;
  }
  return {};
}

// The successive different texts of one control, noted every few virtual
// milliseconds for a while.
struct TextWatch {
  HWND dialog = nullptr;
  int id = 0;
  VirtualTime until = 0;
  std::vector<std::string> texts;
};

struct TextWatches {
  std::map<int, std::shared_ptr<TextWatch>> byControl;
};

constexpr VirtualTime kWatchStepMs = 10;

// Both run with the machine lock held.
void NoteCurrentText(Machine& machine, TextWatch& watch) {
  if (const SimWnd* control = machine.Screen().FindControl(watch.dialog, watch.id))
    if (watch.texts.empty() || watch.texts.back() != control->text) watch.texts.push_back(control->text);
}

void NoteText(Machine& machine, const std::shared_ptr<TextWatch>& watch) {
  NoteCurrentText(machine, *watch);
  VirtualTime next = machine.Sched().Now() + kWatchStepMs;
  if (next <= watch->until) machine.Sched().ScheduleAt(next, [&machine, watch] { NoteText(machine, watch); });
}

std::string Watch(Arguments& args, Context& context) {
  int id = args.Int("ID");
  args.Keyword({"for"});
  std::int64_t ms = args.Number("MS");
  args.End();
  std::string problem;
  if (!ControlOf(context, id, problem)) return problem;
  auto watch = std::make_shared<TextWatch>();
  watch->dialog = context.driver.ActiveWindow();
  watch->id = id;
  context.State<TextWatches>().byControl[id] = watch;
  auto lock = context.machine.Lock();
  watch->until = context.machine.Sched().Now() + static_cast<VirtualTime>(ms);
  NoteText(context.machine, watch);
  return {};
}

std::string ExpectWatched(Arguments& args, Context& context) {
  int id = args.Int("ID");
  std::vector<std::string> want = args.RestAsTexts();
  auto& watches = context.State<TextWatches>().byControl;
  auto it = watches.find(id);
  if (it == watches.end()) return "control " + std::to_string(id) + " is not watched";
  auto lock = context.machine.Lock();
  // The text shown now counts too: time may not have moved since it was set.
  if (context.machine.Sched().Now() <= it->second->until) NoteCurrentText(context.machine, *it->second);
  const std::vector<std::string>& seen = it->second->texts;
  return seen == want ? std::string()
                      : Differs("the texts control " + std::to_string(id) + " showed", QuoteList(seen),
                                QuoteList(want));
}

}  // namespace

void RegisterConnectionCommands(Registry& registry) {
  registry.Add({"ras progress", "MS STATE [MS STATE ...]",
                "Later dials report these progress states at these times after the dial request.",
                "ras progress 100 0 300 2 600 5", Group::SetUp, Progress});
  registry.Add({"ras outcome", "MS connected [ip ADDRESS] | MS error CODE",
                "Later dials end at that time: connected (with the tunnel address) or with an error code.",
                "ras outcome 1200 error 691", Group::SetUp, Outcome});
  registry.Add({"ras refuse", "CODE [times N | always]",
                "The next dial requests (one by default) are refused at once with the code.",
                "ras refuse 756", Group::SetUp, Refuse});
  registry.Add({"ras account", "\"USER\" \"PASSWORD\"",
                "The service knows this account; other credentials end with 691 once authentication starts.",
                "ras account \"demo\" \"velk2024\"", Group::SetUp, Account});
  registry.Add({"ras text", "CODE \"TEXT\"", "The service's text for the error code.",
                "ras text 691 \"Access denied.\"", Group::SetUp, ErrorText});
  registry.Add({"ras drop", "\"NAME\" after MS", "The line of that entry name drops MS from now.",
                "ras drop \"tarno\" after 1000", Group::SetUp, DropAfter});
  registry.Add({"ras release", "after MS", "Hung-up lines are torn down only MS after the hang-up.",
                "ras release after 15000", Group::SetUp, Release});
  registry.Add({"expect dials", "COUNT", "The service has had this many dial requests.", "expect dials 2",
                Group::Expectation, ExpectDials});
  registry.Add(
      {"expect dial",
       "[number N] [entry \"E\"] [phone \"P\"] [user \"U\"] [password \"W\"] [domain \"D\"] "
       "[phonebook \"PATH\"] [line N \"TEXT\"] [result CODE] [crlf]",
       "The last dial (or dial N) was made with these values; line N is a line of the phonebook text "
       "it read, crlf that the file had CR LF line ends. Any text may be given as matching \"REGEX\".",
       "expect dial entry \"tarno\" phone \"10.0.0.1\" line 1 \"[tarno]\"", Group::Expectation, ExpectDial});
  registry.Add({"watch", "ID for MS",
                "For MS ms from now, the text of the control is noted every 10 ms whenever it has changed.",
                "watch 1010 for 3000", Group::SetUp, Watch});
  registry.Add({"expect watched", "ID [\"TEXT\"...]",
                "The watched control showed exactly these different texts, in this order.",
                "expect watched 1010 \"\" \"통신포트가 열리는 중입니다\" \"연결성공\"", Group::Expectation,
                ExpectWatched});
}

}  // namespace sim::scenario
