// One fuzz target per parser of outside input. Built with the fuzz preset,
// FUZZ_TARGET is libFuzzer's entry point; in the host tests it registers the
// body, which the corpus test runs over the committed corpus.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

// A property that must hold for every input; a failure ends the run as a
// crash does, so the fuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                      \
  do {                                                                                             \
    if (!(condition)) {                                                                            \
      std::fprintf(stderr, "%s:%d: property does not hold: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                                \
    }                                                                                              \
  } while (0)

namespace fuzz {

using Body = void (*)(std::string_view input);

struct Target {
  const char* name;  // also the name of its corpus folder
  Body body;
};

inline std::vector<Target>& Targets() {
  static std::vector<Target> targets;
  return targets;
}

struct Registration {
  Registration(const char* name, Body body) { Targets().push_back({name, body}); }
};

}  // namespace fuzz

#ifdef DORVANTA_FUZZER
#define FUZZ_TARGET(name)                                                             \
  static void FuzzBody(std::string_view input);                                       \
  extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) { \
    FuzzBody(std::string_view(reinterpret_cast<const char*>(data), size));            \
    return 0;                                                                         \
  }                                                                                   \
  static void FuzzBody(std::string_view input)
#else
#define FUZZ_TARGET(name)                                            \
  static void FuzzBody(std::string_view input);                      \
  static const fuzz::Registration kFuzzRegistration(name, FuzzBody); \
  static void FuzzBody(std::string_view input)
#endif
