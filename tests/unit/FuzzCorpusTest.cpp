// Every fuzz target runs over its committed corpus in the host suite: the
// seeds, and each input a fuzzer once found failing (kept as a regression).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/fuzz/FuzzTarget.h"

namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

TEST(FuzzCorpus, EveryTargetTakesEachInputOfItsCorpus) {
  const std::filesystem::path root = DORVANTA_FUZZ_CORPUS;
  ASSERT_GE(fuzz::Targets().size(), 6u);
  for (const fuzz::Target& target : fuzz::Targets()) {
    std::filesystem::path folder = root / target.name;
    ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      SCOPED_TRACE(entry.path().string());
      target.body(ReadFile(entry.path()));
      ++inputs;
    }
    EXPECT_GT(inputs, 0) << target.name;
  }
}

}  // namespace
