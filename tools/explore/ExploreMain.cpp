// The explorer: seeded random sessions of the dialer on the simulated
// machine, its invariants checked throughout. Every violation is printed
// with its seed and as a shrunk scenario that replays it.
//   dorvanta_explore [--seed S] [--seeds N] [--steps M] [--minutes T]
//                    [--transcript FILE] [--out DIR] [--replay FILE.scn] [--invariants]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "console/DialerProgram.h"
#include "tools/explore/Session.h"
#include "tools/explore/Shrink.h"

namespace {

constexpr size_t kMaxShrinkReplays = 400;

struct Options {
  std::uint64_t seed = 1;
  std::uint64_t seeds = 10;
  size_t steps = 100;
  double minutes = 0;
  std::string transcript;
  std::string out;
  std::string replay;
  bool invariants = false;
};

[[noreturn]] void Usage(const char* problem) {
  std::fprintf(stderr,
               "explore: %s\nusage: dorvanta_explore [--seed S] [--seeds N] [--steps M] [--minutes T] "
               "[--transcript FILE] [--out DIR] [--replay FILE.scn] [--invariants]\n",
               problem);
  std::exit(2);
}

std::uint64_t Count(const char* text, const char* what) {
  char* end = nullptr;
  unsigned long long value = std::strtoull(text, &end, 10);
  if (end == text || *end != '\0') Usage((std::string(what) + " takes a number").c_str());
  return value;
}

Options Parse(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    std::string flag = argv[i];
    if (flag == "--invariants") {
      options.invariants = true;
      continue;
    }
    if (i + 1 >= argc) Usage((flag + " needs a value").c_str());
    const char* value = argv[++i];
    if (flag == "--seed")
      options.seed = Count(value, "--seed");
    else if (flag == "--seeds")
      options.seeds = Count(value, "--seeds");
    else if (flag == "--steps")
      options.steps = Count(value, "--steps");
    else if (flag == "--minutes")
      options.minutes = static_cast<double>(Count(value, "--minutes"));
    else if (flag == "--transcript")
      options.transcript = value;
    else if (flag == "--out")
      options.out = value;
    else if (flag == "--replay")
      options.replay = value;
    else
      Usage(("unknown option " + flag).c_str());
  }
  return options;
}

std::string Digest(const std::string& text) {
  std::uint64_t hash = 1469598103934665603ull;
  for (unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return hex;
}

int Replay(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) Usage(("cannot read " + path).c_str());
  std::ostringstream text;
  text << in.rdbuf();
  explore::Script script = explore::ScriptOfScenario(text.str());
  explore::SessionResult run = explore::RunSession(DialerProgram(), script);
  std::cout << run.transcript;
  if (!run.violation) std::cout << "replay: no violation\n";
  return run.violation ? 1 : 0;
}

// Reports a violation: the seed, the invariant and the shrunk scenario.
void Report(const Options& options, std::uint64_t seed, explore::Script& script,
            const explore::Violation& found) {
  std::cout << "violation in session " << seed << ": " << found.invariant << " at " << found.at
            << " ms: " << found.detail << "\n";
  explore::ShrinkResult shrunk = explore::Shrink(DialerProgram(), script, found, kMaxShrinkReplays);
  const explore::Violation& last = shrunk.session.violation ? *shrunk.session.violation : found;
  std::string scenario = explore::ScenarioText(
      shrunk.script, {"explore: seed " + std::to_string(seed) + ", invariant " + last.invariant,
                      last.detail + " (at " + std::to_string(last.at) + " ms)",
                      "replays with: scripts/explore --replay FILE"});
  std::cout << "shrunk in " << shrunk.replays << " replays to " << shrunk.script.steps.size() << " steps:\n"
            << "--- scenario\n"
            << scenario << "---\n";
  if (!options.out.empty()) {
    std::filesystem::create_directories(options.out);
    std::string path = options.out + "/seed-" + std::to_string(seed) + "-" + last.invariant + ".scn";
    std::ofstream(path, std::ios::binary) << scenario;
    std::cout << "written to " << path << "\n";
  }
}

}  // namespace

int main(int argc, char** argv) {
  Options options = Parse(argc, argv);
  if (options.invariants) {
    for (const explore::InvariantInfo& invariant : explore::Invariants())
      std::cout << invariant.name << ": " << invariant.promise << "\n";
    return 0;
  }
  if (!options.replay.empty()) return Replay(options.replay);

  std::ofstream transcript;
  if (!options.transcript.empty()) transcript.open(options.transcript, std::ios::binary);
  auto began = std::chrono::steady_clock::now();
  auto timeUp = [&] {
    std::chrono::duration<double> spent = std::chrono::steady_clock::now() - began;
    return spent.count() >= options.minutes * 60;
  };
  std::uint64_t sessions = 0, steps = 0, faults = 0, checks = 0, violations = 0;
  for (std::uint64_t seed = options.seed;; ++seed) {
    if (options.minutes > 0 ? timeUp() : sessions >= options.seeds) break;
    explore::Random random(seed);
    explore::World world = explore::MakeWorld(random);
    explore::Script script{world.lines, {explore::Step{explore::StartLines(world)}}};
    explore::SessionResult run = explore::RunSession(DialerProgram(), script, &random, &world, options.steps);
    ++sessions;
    steps += run.steps;
    faults += run.faults;
    checks += run.checks;
    std::string header = "session " + std::to_string(seed) + "\n";
    if (transcript.is_open()) transcript << header << run.transcript << std::flush;
    std::cout << "session " << seed << ": " << run.steps << " steps, " << run.faults << " faults, "
              << run.checks << " checks, transcript " << Digest(header + run.transcript) << "\n"
              << std::flush;
    if (run.violation) {
      ++violations;
      Report(options, seed, script, *run.violation);
    }
  }
  std::cout << "explore: " << sessions << " sessions, " << steps << " steps, " << faults
            << " faults injected, " << checks << " invariant checks, " << violations << " violations\n";
  return violations == 0 ? 0 : 1;
}
