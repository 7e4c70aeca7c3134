// One session of the explorer: a fresh machine, a world, the dialer started
// and walked step by step, the oracle watching. A session is a scenario:
// the same script gives the same transcript, so a failure replays exactly.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim/Program.h"
#include "tools/explore/Oracle.h"
#include "tools/explore/Steps.h"
#include "tools/explore/World.h"

namespace explore {

struct Script {
  std::vector<std::string> setUp;  // the world, before the dialer starts
  std::vector<Step> steps;         // the start first
};

struct SessionResult {
  std::string transcript;
  std::optional<Violation> violation;
  size_t steps = 0;   // steps run
  size_t faults = 0;  // lines that injected a fault
  std::uint64_t checks = 0;
};

// A virtual-time bound on one wait for the idle machine: beyond it the
// machine counts as running on without end.
inline constexpr sim::VirtualTime kIdleRunLimitMs = 10 * 60 * 1000;

// Runs the script's steps. With a generator (random and world), draws
// further steps, up to maxSteps in all, appending them to the script.
// Stops at the first violation.
SessionResult RunSession(const sim::Program& program, Script& script, Random* random = nullptr,
                         const World* world = nullptr, size_t maxSteps = 0);

// The script as a scenario file, headed by comment lines.
std::string ScenarioText(const Script& script, const std::vector<std::string>& comments);
// A scenario file read back: the lines before its first start are the world.
Script ScriptOfScenario(const std::string& text);

// Whether the line (placed or tried, or not) injects a fault of the service or the machine.
bool IsFault(const std::string& line);

}  // namespace explore
