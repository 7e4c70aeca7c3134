// The built-in commands' failure reports: an expectation that does not hold
// names the state it found.
#include <gtest/gtest.h>

#include <sstream>

#include "console/DialerProgram.h"
#include "sim/scenario/Runner.h"

namespace {

class ScenarioCommandsTest : public ::testing::Test {
 protected:
  ScenarioCommandsTest() { sim::scenario::RegisterAllCommands(registry); }

  std::string Run(const std::string& script) { return runner.RunScript(script, "t.scn"); }
  void StartDialer() {
    ASSERT_EQ(Run("web serve dir.velk.example /webadmin/serverlist.txt \"Seoul 1=10.0.0.1\\r\\n\"\nstart\n"),
              "");
  }

  sim::Machine machine;
  sim::Driver driver{machine, DialerProgram()};
  std::ostringstream out;
  sim::scenario::Context context{machine, driver, out};
  sim::scenario::Registry registry;
  sim::scenario::Runner runner{registry, context};
};

TEST_F(ScenarioCommandsTest, ControlExpectationsReportWhatTheControlShows) {
  StartDialer();
  EXPECT_EQ(runner.RunLine("expect text 1004 \"Disconnect\""),
            "the text of control 1004 is \"Connect\", expected \"Disconnect\"");
  EXPECT_EQ(runner.RunLine("expect items 1036 \"Tokyo\""),
            "the entry list of control 1036 is \"Seoul 1\", expected \"Tokyo\"");
  EXPECT_EQ(runner.RunLine("expect visible 1023"), "control 1023 is hidden");
  EXPECT_EQ(runner.RunLine("expect bitmaps 1004 164 175 164 164"),
            "the bitmap set of control 1004 is 163 174 163 163, expected 164 175 164 164");
  EXPECT_EQ(runner.RunLine("expect timer 1"), "timer 1 does not run; timers: none");
  EXPECT_EQ(runner.RunLine("expect text 4242 \"\""), "control 4242 does not exist");
}

TEST_F(ScenarioCommandsTest, WindowAndPopupExpectationsReportWhatIsOpen) {
  StartDialer();
  EXPECT_EQ(runner.RunLine("expect window hidden"), "the window \"Velk VPN\" is visible");
  EXPECT_EQ(runner.RunLine("expect msgbox \"x\""), "no message box is open");
  EXPECT_EQ(runner.RunLine("close"), "");
  EXPECT_EQ(runner.RunLine("expect no msgbox"),
            "a message box is open: caption \"종료\", text \"접속을 해제하고 프로그램을 종료합니다\", "
            "buttons yesno, "
            "icon question");
  EXPECT_EQ(runner.RunLine("expect msgbox \"접속을 해제하고 프로그램을 종료합니다\" caption \"접속해제\""),
            "the message box's caption is \"종료\", expected \"접속해제\"");
  EXPECT_EQ(runner.RunLine("answer ok"), "the message box has no such button");
  EXPECT_EQ(runner.RunLine("expect menu 32775 \"Exit\""), "no menu is open");
  EXPECT_EQ(Run("answer no\ntray right\nexpect menu 32775 \"Exit\"\n"), "");
  EXPECT_EQ(runner.RunLine("click 1004"), "a menu is open");
  EXPECT_EQ(runner.RunLine("menu dismiss"), "");
  EXPECT_EQ(runner.RunLine("tray left"), "");
  EXPECT_EQ(runner.RunLine("close"), "");
  EXPECT_EQ(runner.RunLine("answer yes"), "");
  EXPECT_EQ(runner.RunLine("expect running"), "the process has ended with exit code 1");
  EXPECT_EQ(runner.RunLine("expect exit 0"), "the exit code is 1, expected 0");
  EXPECT_EQ(runner.RunLine("expect window visible"), "no window of the dialer is open");
}

TEST_F(ScenarioCommandsTest, ShellExpectationsMatchEveryGivenFieldAndCount) {
  EXPECT_EQ(runner.RunLine("expect no shell"), "");
  {
    auto lock = machine.Lock();
    machine.ShellCalls().push_back({1, "open", "C:\\u.exe", "-q", "C:\\", 5, false});
  }
  EXPECT_EQ(runner.RunLine("expect shell open \"C:\\\\u.exe\" parameters \"-q\" directory \"C:\\\\\" show 5"),
            "");
  const std::string recorded =
      "; recorded: open \"C:\\\\u.exe\" parameters \"-q\" directory \"C:\\\\\" show 5";
  const std::string none = "the number of matching shell calls is 0, expected 1" + recorded;
  EXPECT_EQ(runner.RunLine("expect shell print \"C:\\\\u.exe\""), none);
  EXPECT_EQ(runner.RunLine("expect shell open \"C:\\\\v.exe\""), none);
  EXPECT_EQ(runner.RunLine("expect shell open \"C:\\\\u.exe\" parameters \"\""), none);
  EXPECT_EQ(runner.RunLine("expect shell open \"C:\\\\u.exe\" directory \"\""), none);
  EXPECT_EQ(runner.RunLine("expect shell open \"C:\\\\u.exe\" show 1"), none);
  EXPECT_EQ(runner.RunLine("expect shell open \"C:\\\\u.exe\" waited"), none);
  EXPECT_EQ(runner.RunLine("expect shell open \"C:\\\\u.exe\" times 2"),
            "the number of matching shell calls is 1, expected 2" + recorded);
  EXPECT_EQ(runner.RunLine("expect no shell"),
            "the shell was called: open \"C:\\\\u.exe\" parameters \"-q\" directory \"C:\\\\\" show 5");
}

// A placed line runs at its instant inside the next command, which lasts
// until then; it fails that command when it fails, naming the instant.
TEST_F(ScenarioCommandsTest, PlacedLinesRunAtTheirInstantInsideTheNextCommand) {
  StartDialer();
  EXPECT_EQ(Run("at +300 expect time 300\nat +300 try click 4242\nat +100 expect time 100\nwait\n"), "");
  EXPECT_EQ(out.str(), "try: click 4242 -- control 4242 does not exist\n");
  EXPECT_EQ(runner.RunLine("expect time 300"), "");
  EXPECT_EQ(
      Run("at +50 expect time 0\nadvance 1000\nexpect time 1300\n"),
      "t.scn:2: advance 1000 -- at +50 (350 ms): expect time 0 -- the virtual time is 350 ms, expected 0 ms");
  EXPECT_EQ(Run("at +10 wait\n"),
            "t.scn:1: at +10 wait -- `wait` cannot be placed at an instant: it is a command of its own");
  EXPECT_EQ(Run("at 10 close\n"),
            "t.scn:1: at 10 close -- +MS is a plus sign and a number of milliseconds; usage: at +MS LINE");
  EXPECT_EQ(Run("at +10 frobnicate\n"), "t.scn:1: at +10 frobnicate -- unknown command \"frobnicate\"");
  EXPECT_EQ(Run("at +10 close\n"), "t.scn:1: the line placed last (close) has no command to run with");
  EXPECT_EQ(runner.RunLine("expect time 1300"), "");
}

}  // namespace
