// Makes a failing session short: drops steps and set-up lines and shortens
// waits while the same invariant still fails, replaying each candidate on
// a fresh machine.
#pragma once

#include <cstddef>
#include <string>

#include "tools/explore/Session.h"

namespace explore {

struct ShrinkResult {
  Script script;
  SessionResult session;  // the shrunk script's run
  size_t replays = 0;
};

// Keeps to violations of the target's invariant told in the same words.
ShrinkResult Shrink(const sim::Program& program, const Script& failing, const Violation& target,
                    size_t maxReplays);

}  // namespace explore
