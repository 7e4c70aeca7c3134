// Runs scenario lines against a context: one command a line, blank lines
// and '#' comments skipped.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "sim/scenario/Registry.h"

namespace sim::scenario {

class Runner {
 public:
  Runner(const Registry& registry, Context& context) : m_registry(registry), m_context(context) {}

  // Runs one line; empty on success, else what went wrong.
  std::string RunLine(std::string_view line);
  // Runs a script up to its first failing line. Empty on success, else
  // "NAME:LINE: the line -- what went wrong".
  std::string RunScript(std::string_view script, const std::string& name);
  std::string RunFile(const std::filesystem::path& path);

 private:
  const Registry& m_registry;
  Context& m_context;
};

}  // namespace sim::scenario
