// What the console shows and accepts can be trusted: hostile texts are shown
// escaped and cut, a hidden window takes no input, regular expressions run
// in linear time, and a dead console's drive folder does not stay behind.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "console/DialerProgram.h"
#include "console/TextScreen.h"
#include "sim/scenario/Runner.h"

namespace {

constexpr const char* kHidden = "the window is hidden; try `tray left`";

class ConsoleTrustTest : public ::testing::Test {
 protected:
  ConsoleTrustTest() { sim::scenario::RegisterAllCommands(registry); }

  std::string Run(const std::string& script) { return runner.RunScript(script, "t.scn"); }
  void StartWithList(const std::string& quotedList) {
    ASSERT_EQ(Run("web serve dir.velk.example /webadmin/serverlist.txt " + quotedList + "\nstart\n"), "");
  }

  sim::Machine machine;
  sim::Driver driver{machine, DialerProgram()};
  std::ostringstream out;
  sim::scenario::Context context{machine, driver, out};
  sim::scenario::Registry registry;
  sim::scenario::Runner runner{registry, context};
};

TEST_F(ConsoleTrustTest, HiddenWindowRefusesUserInputUntilShownAgain) {
  StartWithList("\"Seoul 1=10.0.0.1\\r\\nSeoul 2=10.0.0.2\\r\\n\"");
  ASSERT_EQ(runner.RunLine("minimize"), "");
  ASSERT_EQ(runner.RunLine("expect window hidden"), "");
  for (const char* line : {"click 1004", "select 1036 1", "type 1008 \"kim\"", "enter", "escape", "close",
                           "minimize", "syscommand 16"})
    EXPECT_EQ(runner.RunLine(line), kHidden) << line;
  EXPECT_EQ(runner.RunLine("expect dials 0"), "");
  EXPECT_EQ(runner.RunLine("expect selection 1036 0"), "");
  EXPECT_EQ(runner.RunLine("expect text 1008 \"\""), "");

  EXPECT_EQ(runner.RunLine("tray left"), "");
  EXPECT_EQ(runner.RunLine("select 1036 1"), "");
  EXPECT_EQ(runner.RunLine("expect selection 1036 1"), "");
}

TEST_F(ConsoleTrustTest, ShowStillReachesHiddenControlsOfAShownWindow) {
  StartWithList("\"Seoul 1=10.0.0.1\\r\\n\"");
  EXPECT_EQ(runner.RunLine("click 1041"), "control 1041 is hidden");
  EXPECT_EQ(runner.RunLine("show 1041"), "");
  EXPECT_EQ(runner.RunLine("click 1041"), "");
  EXPECT_EQ(runner.RunLine("expect window title \"Server\""), "");
}

TEST_F(ConsoleTrustTest, ControlBytesAndBrokenUtf8FromTheServerListAreShownEscaped) {
  // Escape sequences that clear the screen and recolour it, and a byte the
  // code page cannot convert (kept as it is, so not UTF-8).
  StartWithList("\"\\x1B[2J\\x1B[31mRed\\xFF=10.0.0.1\\r\\n\"");
  std::string screen = sim::DrawScreen(machine);
  EXPECT_EQ(screen.find('\x1B'), std::string::npos) << screen;
  EXPECT_EQ(screen.find('\xFF'), std::string::npos) << screen;
  EXPECT_NE(screen.find("\"\\x1B[2J\\x1B[31mRed\\xFF\""), std::string::npos) << screen;
  EXPECT_EQ(runner.RunLine("expect text 1036 \"x\""),
            "the text of control 1036 is \"\\x1B[2J\\x1B[31mRed\\xFF\", expected \"x\"");
}

TEST_F(ConsoleTrustTest, RegularExpressionsRunInLinearTime) {
  // Exponential for a backtracking matcher: this would take minutes.
  StartWithList("\"Seoul 1=10.0.0.1\\r\\n\"");
  ASSERT_EQ(Run("type 1008 \"" + std::string(40, 'a') + "\"\ntype 1009 \"pw\"\nclick 1004\n"), "");
  EXPECT_EQ(runner.RunLine("expect dial user matching \"(a*)*b\""),
            "the dial's user is \"" + std::string(40, 'a') + "\", expected a match of \"(a*)*b\"");
  EXPECT_EQ(runner.RunLine("expect dial user matching \"(a*)*\""), "");
  EXPECT_EQ(runner.RunLine("expect dial phone matching \"10\\\\.0\\\\.0\\\\.[0-9]{1,3}\""), "");
  EXPECT_EQ(runner.RunLine("expect dial user matching \"(a\"").rfind("not a regular expression: \"(a\"", 0),
            0u);
}

TEST(MachineFolders, FoldersOfEndedHostProcessesAreRemoved) {
  namespace fs = std::filesystem;
  fs::path folder = fs::temp_directory_path() / ("dorvanta-sweep-test-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ASSERT_GT(child, 0);
  ASSERT_EQ(::waitpid(child, nullptr, 0), child);
  fs::path dead = folder / ("dorvanta-machine-p" + std::to_string(child) + "-1-0");
  fs::path alive = folder / ("dorvanta-machine-p" + std::to_string(::getpid()) + "-1-0");
  fs::path other = folder / "dorvanta-machine-12345-0";  // not a folder of this kind
  for (const fs::path& path : {dead, alive, other}) fs::create_directories(path / "Windows");

  EXPECT_EQ(sim::RemoveStaleMachineRoots(folder), 1);
  EXPECT_FALSE(fs::exists(dead));
  EXPECT_TRUE(fs::exists(alive));
  EXPECT_TRUE(fs::exists(other));
  fs::remove_all(folder);
}

TEST(MachineFolders, MachineDriveIsNamedForItsHostProcess) {
  sim::Machine machine;
  std::string name = machine.Disk().Root().filename().string();
  EXPECT_EQ(name.rfind("dorvanta-machine-p" + std::to_string(::getpid()) + "-", 0), 0u) << name;
}

}  // namespace
