// The scenario language: tokens, command lookup and how failures are told.
#include <gtest/gtest.h>

#include <sstream>

#include "console/DialerProgram.h"
#include "sim/scenario/Runner.h"

namespace {

using sim::scenario::ArgumentError;
using sim::scenario::Arguments;
using sim::scenario::Context;
using sim::scenario::Group;
using sim::scenario::Registry;
using sim::scenario::Runner;
using sim::scenario::Tokenize;

TEST(ScenarioTokens, MalformedQuotesAreReportedWithTheirColumn) {
  EXPECT_EQ(Tokenize("type 1008 \"kim").error, "column 11: the quoted text is not closed");
  EXPECT_EQ(Tokenize("type 1008 \"a\\qb\"").error, "column 13: unknown escape \\q");
  EXPECT_EQ(Tokenize("file \"\\x4\"").error, "column 7: \\x needs two hexadecimal digits");
  EXPECT_EQ(Tokenize("type 1008 \"a\"b").error, "column 14: a quoted text must be followed by a space");
  EXPECT_EQ(Tokenize("type \"trailing\\").error, "column 6: the quoted text is not closed");
}

TEST(ScenarioArguments, WrongKindsAreArgumentErrors) {
  Arguments notNumber(Tokenize("\"1004\"").tokens);
  EXPECT_THROW(notNumber.Int("ID"), ArgumentError);
  Arguments quotedKeyword(Tokenize("\"yes\"").tokens);
  EXPECT_THROW(quotedKeyword.Keyword({"yes", "no"}), ArgumentError);
  Arguments empty({});
  EXPECT_THROW(empty.Text("TEXT"), ArgumentError);
  Arguments tooBig(Tokenize("4294967296").tokens);
  EXPECT_THROW(tooBig.Int("ID"), ArgumentError);
}

// A registry of recording commands on a real, idle machine.
class ScenarioRunnerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto record = [this](Arguments& args, Context&) {
      calls.push_back(args.RestAsTexts());
      return std::string();
    };
    registry.Add({"expect", "ANY", "", "", Group::Expectation, record});
    registry.Add({"menu choose", "ID", "", "", Group::Action, [](Arguments& args, Context&) {
                    args.Int("ID");
                    args.End();
                    return std::string();
                  }});
    registry.Add(
        {"fail", "", "", "", Group::Action, [](Arguments&, Context&) { return std::string("it broke"); }});
  }

  sim::Machine machine;
  sim::Driver driver{machine, DialerProgram()};
  std::ostringstream out;
  Context context{machine, driver, out};
  Registry registry;
  Runner runner{registry, context};
  std::vector<std::vector<std::string>> calls;
};

TEST_F(ScenarioRunnerTest, UnknownCommandIsReportedWithItsLine) {
  EXPECT_EQ(runner.RunScript("# set-up\n\nmenu choose 1\nmenu pick 1\nfail\n", "demo.scn"),
            "demo.scn:4: menu pick 1 -- unknown command \"menu pick\"");
}

TEST_F(ScenarioRunnerTest, BadArgumentsShowTheSyntax) {
  EXPECT_EQ(runner.RunLine("menu choose Exit"), "ID must be a number, not Exit; usage: menu choose ID");
  EXPECT_EQ(runner.RunLine("menu choose 1 2"), "unexpected 2; usage: menu choose ID");
  EXPECT_EQ(runner.RunLine("menu choose"), "missing ID; usage: menu choose ID");
}

TEST_F(ScenarioRunnerTest, StopsAtTheFirstFailingLine) {
  EXPECT_EQ(runner.RunScript("expect 1\r\nfail\r\nexpect 2\r\n", "t.scn"), "t.scn:2: fail -- it broke");
  EXPECT_EQ(calls, (std::vector<std::vector<std::string>>{{"1"}}));
}

TEST(ScenarioRegistry, EveryCommandDocumentsItselfAndItsExampleParses) {
  Registry registry;
  sim::scenario::RegisterAllCommands(registry);
  ASSERT_FALSE(registry.All().empty());
  for (const auto& command : registry.All()) {
    SCOPED_TRACE(command.name);
    EXPECT_FALSE(command.summary.empty());
    auto example = Tokenize(command.example);
    ASSERT_EQ(example.error, "");
    size_t words = 0;
    EXPECT_EQ(registry.Match(example.tokens, words), &command);
  }
}

}  // namespace

namespace {

TEST(ScenarioQuote, EscapesWhatATerminalWouldObey) {
  using sim::scenario::Printable;
  using sim::scenario::Quote;
  EXPECT_EQ(Quote("a\"b\\c\n"), "\"a\\\"b\\\\c\\n\"");
  EXPECT_EQ(Quote("\x1B[2J\x07\x7F"), "\"\\x1B[2J\\x07\\x7F\"");
  EXPECT_EQ(Quote("\xC2\x9B\xC2\xA0"), "\"\\xC2\\x9B\xC2\xA0\"");  // C1 CSI escaped, no-break space kept
  EXPECT_EQ(Quote("\xFF\xC3"), "\"\\xFF\\xC3\"");                  // lone and cut-off bytes
  EXPECT_EQ(Quote("\xE0\x80\x80\xED\xA0\x80"), "\"\\xE0\\x80\\x80\\xED\\xA0\\x80\"");  // overlong, surrogate
  EXPECT_EQ(Quote("접속"), "\"접속\"");
  EXPECT_EQ(Printable("a\\b\x1B\n"), "a\\b\\x1B\\x0A");
}

TEST(ScenarioQuote, LongTextIsCutWithItsLength) {
  using sim::scenario::Quote;
  EXPECT_EQ(Quote("abcdef", 6), "\"abcdef\"");
  EXPECT_EQ(Quote("abcdefg", 6), "\"abcdef...\" (7 bytes)");
  EXPECT_EQ(Quote("접속접속", 2), "\"접속...\" (12 bytes)");
  EXPECT_EQ(sim::scenario::Printable(std::string(5000, 'x'), 3), "xxx... (5000 bytes)");
}

}  // namespace
