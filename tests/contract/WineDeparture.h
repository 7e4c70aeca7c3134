// A contract check states Windows' documented answer. Where Wine is known to
// give another, the check still asserts Windows' answer, and on Wine its
// failure is printed as a known departure while its pass fails the test as an
// unexpected pass, so that a Wine that mends the gap shows up.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "tests/contract/ContractEnvironment.h"

namespace contract {

// How many known departures this run met, printed once at its end.
inline int g_nKnownDepartures = 0;

class DepartureSummary : public ::testing::Environment {
 public:
  void TearDown() override {
    if (g_nKnownDepartures > 0) std::printf("[ DEPARTS ] %d known departures of Wine\n", g_nKnownDepartures);
  }
};
inline ::testing::Environment* const g_pDepartureSummary =
    ::testing::AddGlobalTestEnvironment(new DepartureSummary);

// wineDeparts: Wine is known to give another answer here (what says which).
inline void ExpectWindowsAnswer(const ContractEnvironment& env, bool wineDeparts, std::string_view what,
                                const ::testing::AssertionResult& result, const char* expression,
                                const char* file, int line) {
  const std::string check = std::string(expression) + result.message();
  if (!env.IsWine() || !wineDeparts) {
    if (!result) ADD_FAILURE_AT(file, line) << "Windows' answer not given: " << check;
    return;
  }
  if (result) {
    ADD_FAILURE_AT(file, line) << "unexpected pass on Wine (" << what << "): " << expression
                               << " holds; the departure is gone";
    return;
  }
  ++g_nKnownDepartures;
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::printf("[ DEPARTS ] %s.%s: known departure of Wine (%.*s): %s\n", test ? test->test_suite_name() : "",
              test ? test->name() : "", static_cast<int>(what.size()), what.data(), check.c_str());
  std::fflush(stdout);
}

// Two values as a check's result, both shown when they differ.
template <typename Actual, typename Expected>
::testing::AssertionResult Same(const Actual& actual, const Expected& expected) {
  if (actual == expected) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << " (got " << ::testing::PrintToString(actual) << ", Windows gives "
                                       << ::testing::PrintToString(expected) << ")";
}

}  // namespace contract

// Expects Windows' answer; on Wine, where wineDeparts, its absence is a known
// departure and its presence an unexpected pass.
#define EXPECT_WINDOWS_ANSWER(env, wineDeparts, what, result)                                                \
  ::contract::ExpectWindowsAnswer((env), (wineDeparts), (what), ::testing::AssertionResult(result), #result, \
                                  __FILE__, __LINE__)
