// The browser controls of the dialer's window: the pages they were sent to,
// the pages' scroll attributes and document-complete events, and links the
// user follows.
#include "sim/scenario/Helpers.h"
#include "sim/scenario/Registry.h"
#include "sim/scenario/Tokens.h"

namespace sim::scenario {

namespace {

std::optional<SimWnd> BrowserOf(Context& context, int id, std::string& problem) {
  auto control = ControlOf(context, id, problem);
  if (control && control->kind != plat::ControlKind::Browser) {
    problem = "control " + std::to_string(id) + " is no browser";
    return std::nullopt;
  }
  return control;
}

std::string FollowLink(Arguments& args, Context& context) {
  int id = args.Int("ID");
  std::string url = args.Text("URL");
  args.End();
  return context.driver.FollowLink(id, url);
}

std::string OpenNewWindow(Arguments& args, Context& context) {
  int id = args.Int("ID");
  std::string url = args.Text("URL");
  args.End();
  return context.driver.OpenNewWindow(id, url);
}

std::string ExpectRefused(Arguments& args, Context& context) {
  int id = args.Int("ID");
  std::vector<std::string> expected = args.RestAsTexts();
  std::string problem;
  auto browser = BrowserOf(context, id, problem);
  if (!browser) return problem;
  if (browser->browser.refused == expected) return {};
  return Differs("the navigations and windows control " + std::to_string(id) + " refused",
                 QuoteList(browser->browser.refused), QuoteList(expected));
}

std::string ExpectNavigations(Arguments& args, Context& context) {
  int id = args.Int("ID");
  std::vector<std::string> expected = args.RestAsTexts();
  std::string problem;
  auto browser = BrowserOf(context, id, problem);
  if (!browser) return problem;
  if (browser->navigations == expected) return {};
  return Differs("the pages control " + std::to_string(id) + " was sent to", QuoteList(browser->navigations),
                 QuoteList(expected));
}

std::string ExpectScroll(Arguments& args, Context& context) {
  int id = args.Int("ID");
  std::string url = args.Text("URL");
  std::string expected = args.Text("VALUE");
  args.End();
  std::string problem;
  auto browser = BrowserOf(context, id, problem);
  if (!browser) return problem;
  std::vector<std::string> shown;
  for (const SimDocument& document : browser->browser.documents) {
    if (document.url == url)
      return document.scroll == expected
                 ? ""
                 : Differs("the scroll attribute of " + url, Quote(document.scroll), Quote(expected));
    shown.push_back(document.url);
  }
  return "control " + std::to_string(id) + " shows no page " + url + "; it shows " + QuoteList(shown);
}

std::string Spell(const SimCompletion& completion) {
  return Quote(completion.url) + " (top page's scroll then " +
         (completion.topScrollAfter ? Quote(*completion.topScrollAfter) : std::string("not handled")) + ")";
}

std::string ExpectCompletions(Arguments& args, Context& context) {
  int id = args.Int("ID");
  std::optional<std::string> scroll = args.OptionalText("scroll");
  std::vector<std::string> expected = args.RestAsTexts();
  std::string problem;
  auto browser = BrowserOf(context, id, problem);
  if (!browser) return problem;
  const std::vector<SimCompletion>& completions = browser->browser.completions;
  std::string actual;
  bool same = completions.size() == expected.size();
  for (size_t i = 0; i < completions.size(); ++i) {
    actual += (actual.empty() ? "" : " ") + Spell(completions[i]);
    same = same && completions[i].url == expected[i] && (!scroll || completions[i].topScrollAfter == scroll);
  }
  if (same) return {};
  return Differs(
      "the completed pages", actual.empty() ? "(none)" : actual,
      QuoteList(expected) + (scroll ? " each leaving the top page's scroll " + Quote(*scroll) : ""));
}

}  // namespace

void RegisterBrowserCommands(Registry& registry) {
  registry.Add({"follow link", "ID \"URL\"",
                "The user clicks a link to URL on the page a browser control shows (or in one of its "
                "frames); the linked page replaces the page.",
                "follow link 1003 \"http://dir.velk.example:8000/webadmin/news.php\"", Group::Action,
                FollowLink});
  registry.Add({"expect navigations", "ID [\"URL\"...]",
                "The browser control was sent to exactly these pages, in order, by the program or by "
                "followed links; none when no URL is given.",
                "expect navigations 1002", Group::Expectation, ExpectNavigations});
  registry.Add({"open new window", "ID \"URL\"",
                "A script of the page a browser control shows asks for a new window on URL (only a "
                "confined browser, which refuses it, is modelled).",
                "open new window 1003 \"http://ads.example/\"", Group::Action, OpenNewWindow});
  registry.Add({"expect refused", "ID [\"URL\"...]",
                "The confined browser control refused exactly these navigations and new windows, in "
                "order, keeping its page; none when no URL is given.",
                "expect refused 1003 \"http://ads.example/\"", Group::Expectation, ExpectRefused});
  registry.Add({"expect scroll", "ID \"URL\" \"VALUE\"",
                "The body of the page (or frame) loaded from URL has this scroll attribute (\"\": unset).",
                "expect scroll 1003 \"http://dir.velk.example:8000/webadmin/logo1.php\" \"no\"",
                Group::Expectation, ExpectScroll});
  registry.Add({"expect completions", "ID [scroll \"VALUE\"] [\"URL\"...]",
                "The browser's document-complete events, in order, were for these pages and frames; with "
                "scroll, the top page's scroll attribute was VALUE after the program handled each one.",
                "expect completions 1003 scroll \"no\" \"http://dir.velk.example:8000/webadmin/logo1.php\"",
                Group::Expectation, ExpectCompletions});
}

}  // namespace sim::scenario
