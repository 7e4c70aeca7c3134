#include "tools/explore/Shrink.h"

#include <algorithm>
#include <charconv>

namespace explore {

namespace {

// A violation of the same invariant in the same words, times and numbers aside.
std::string Kind(const Violation& violation) {
  std::string kind = violation.invariant + ": ";
  for (char c : violation.detail)
    if (c < '0' || c > '9') kind += c;
  return kind;
}

class Shrinker {
 public:
  Shrinker(const sim::Program& program, const Violation& target, size_t maxReplays)
      : m_program(program), m_kind(Kind(target)), m_maxReplays(maxReplays) {}

  // Whether the candidate still fails the same way; keeps its run if so.
  bool Fails(const Script& candidate) {
    if (m_replays >= m_maxReplays) return false;
    ++m_replays;
    Script copy = candidate;
    SessionResult run = RunSession(m_program, copy);
    if (!run.violation || Kind(*run.violation) != m_kind) return false;
    m_best = copy;
    m_run = std::move(run);
    return true;
  }

  void DropSteps() {
    // The start stays; chunks of the rest go, halving the chunk each round.
    for (size_t chunk = std::max<size_t>(1, (m_best.steps.size() - 1) / 2); chunk >= 1; chunk /= 2) {
      for (size_t at = 1; at < m_best.steps.size();) {
        Script candidate = m_best;
        size_t end = std::min(candidate.steps.size(), at + chunk);
        candidate.steps.erase(candidate.steps.begin() + static_cast<std::ptrdiff_t>(at),
                              candidate.steps.begin() + static_cast<std::ptrdiff_t>(end));
        if (!Fails(candidate)) at += chunk;
      }
      if (chunk == 1) break;
    }
  }

  void DropSetUp() {
    for (size_t at = 0; at < m_best.setUp.size();) {
      Script candidate = m_best;
      candidate.setUp.erase(candidate.setUp.begin() + static_cast<std::ptrdiff_t>(at));
      if (!Fails(candidate)) ++at;
    }
  }

  // "advance N" and "at +N ..." take halves of N, down to 0, while they fail.
  void ShortenWaits() {
    for (size_t s = 0; s < m_best.steps.size(); ++s)
      for (size_t l = 0; l < m_best.steps[s].lines.size(); ++l)
        for (bool shorter = true; shorter;) {
          Script candidate = m_best;
          shorter = Halve(candidate.steps[s].lines[l]) && Fails(candidate);
        }
  }

  // Lines a step placed or tried that the failure does not need.
  void DropLines() {
    for (size_t s = 1; s < m_best.steps.size(); ++s)
      for (size_t l = 0; l + 1 < m_best.steps[s].lines.size();) {
        Script candidate = m_best;
        candidate.steps[s].lines.erase(candidate.steps[s].lines.begin() + static_cast<std::ptrdiff_t>(l));
        if (!Fails(candidate)) ++l;
      }
  }

  ShrinkResult Result(const Script& failing) {
    if (m_run.transcript.empty()) m_best = failing;
    return {m_best, m_run, m_replays};
  }

  void Start(const Script& failing) { Fails(failing); }
  bool Failing() const { return !m_run.transcript.empty(); }

 private:
  static bool Halve(std::string& line) {
    size_t at = line.starts_with("advance ") ? 8 : line.starts_with("at +") ? 4 : std::string::npos;
    if (at == std::string::npos) return false;
    size_t end = line.find(' ', at);
    if (end == std::string::npos) end = line.size();
    std::uint64_t value = 0;
    auto [ptr, ec] = std::from_chars(line.data() + at, line.data() + end, value);
    if (ec != std::errc() || ptr != line.data() + end || value == 0) return false;
    line = line.substr(0, at) + std::to_string(value / 2) + line.substr(end);
    return true;
  }

  const sim::Program& m_program;
  std::string m_kind;
  size_t m_maxReplays;
  size_t m_replays = 0;
  Script m_best;
  SessionResult m_run;
};

}  // namespace

ShrinkResult Shrink(const sim::Program& program, const Script& failing, const Violation& target,
                    size_t maxReplays) {
  Shrinker shrinker(program, target, maxReplays);
  shrinker.Start(failing);
  if (shrinker.Failing()) {
    shrinker.DropSteps();
    shrinker.DropLines();
    shrinker.DropSetUp();
    shrinker.ShortenWaits();
  }
  return shrinker.Result(failing);
}

}  // namespace explore
