// Runs every scenario file of tests/scenarios as a test of its own, named
// after the file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "console/DialerProgram.h"
#include "console/TextScreen.h"
#include "sim/scenario/Runner.h"

namespace {

namespace fs = std::filesystem;

class ScenarioFile : public ::testing::Test {
 public:
  explicit ScenarioFile(fs::path path) : m_path(std::move(path)) {}

  void TestBody() override {
    sim::Machine machine;
    sim::Driver driver(machine, DialerProgram());
    std::ostringstream transcript;
    sim::scenario::Context context(machine, driver, transcript);
    sim::scenario::Registry registry;
    sim::scenario::RegisterAllCommands(registry);
    sim::scenario::Runner runner(registry, context);
    std::string failure = runner.RunFile(m_path);
    if (failure.empty()) return;
    std::vector<sim::NamedProcess> named;
    for (const auto& [name, pid] : context.processes) named.push_back({name, pid});
    ADD_FAILURE() << failure << "\n"
                  << transcript.str() << "screen at the failure:\n"
                  << sim::DrawScreen(machine, named);
  }

 private:
  fs::path m_path;
};

std::string TestName(const fs::path& file) {
  std::string name = file.stem().string();
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

std::vector<fs::path> ScenarioFiles() {
  std::vector<fs::path> files;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(DORVANTA_SCENARIO_DIR, ec))
    if (entry.path().extension() == ".scn") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

// gtest owns the test objects its factories return.
const bool kRegistered = [] {
  std::vector<fs::path> files = ScenarioFiles();
  for (const fs::path& file : files)
    ::testing::RegisterTest("Scenario", TestName(file).c_str(), nullptr, nullptr, file.string().c_str(), 1,
                            [file]() -> ::testing::Test* { return new ScenarioFile(file); });
  if (files.empty())
    ::testing::RegisterTest("Scenario", "FilesFound", nullptr, nullptr, __FILE__, __LINE__,
                            []() -> ::testing::Test* {
                              struct Missing : ::testing::Test {
                                void TestBody() override {
                                  ADD_FAILURE() << "no scenario files in " << DORVANTA_SCENARIO_DIR;
                                }
                              };
                              return new Missing;
                            });
  return true;
}();

// The language's reference names every command the runner knows.
TEST(ScenarioLanguage, EveryCommandIsDocumented) {
  std::ifstream in(fs::path(DORVANTA_SCENARIO_DIR) / ".." / ".." / "docs" / "scenarios.md");
  ASSERT_TRUE(in) << "docs/scenarios.md cannot be read";
  std::stringstream doc;
  doc << in.rdbuf();
  sim::scenario::Registry registry;
  sim::scenario::RegisterAllCommands(registry);
  for (const auto& command : registry.All()) {
    std::string name = "`" + command.name;
    bool found =
        doc.str().find(name + " ") != std::string::npos || doc.str().find(name + "`") != std::string::npos;
    EXPECT_TRUE(found) << command.name << " is missing from docs/scenarios.md";
  }
}

}  // namespace
