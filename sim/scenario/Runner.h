// Runs scenario lines against a context: one command a line, blank lines
// and '#' comments skipped.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "sim/scenario/Registry.h"

namespace sim::scenario {

class Runner final : public ILineRunner {
 public:
  Runner(const Registry& registry, Context& context) : m_registry(registry), m_context(context) {
    m_context.lines = this;
  }
  ~Runner() {
    if (m_context.lines == this) m_context.lines = nullptr;
  }
  Runner(const Runner&) = delete;
  Runner& operator=(const Runner&) = delete;

  // Runs one line; empty on success, else what went wrong. Lines placed
  // with `at` before it run while it runs.
  std::string RunLine(std::string_view line) override;
  const Command* CommandOf(std::string_view line, std::string& problem) const override;
  // Runs a script up to its first failing line. Empty on success, else
  // "NAME:LINE: the line -- what went wrong".
  std::string RunScript(std::string_view script, const std::string& name);
  std::string RunFile(const std::filesystem::path& path);

 private:
  const Command* Find(const TokenizedLine& parsed, size_t& nameWords, std::string& problem) const;
  // Hands the placed lines to the driver, at their instants from now on.
  void PlaceLines(std::string& firstProblem);

  const Registry& m_registry;
  Context& m_context;
};

}  // namespace sim::scenario
