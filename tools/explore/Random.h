// The explorer's own generator (splitmix64): a session's world and steps
// follow from its seed alone, on every machine and library.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace explore {

class Random {
 public:
  explicit Random(std::uint64_t seed) : m_state(seed) {}

  std::uint64_t Next() {
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // 0 to n - 1; n > 0.
  std::uint32_t Below(std::uint32_t n) { return static_cast<std::uint32_t>(Next() % n); }
  std::int64_t Between(std::int64_t low, std::int64_t high) {
    return low + static_cast<std::int64_t>(Next() % static_cast<std::uint64_t>(high - low + 1));
  }
  bool Percent(unsigned percent) { return Below(100) < percent; }
  template <typename T>
  const T& Pick(const std::vector<T>& choices) {
    return choices[Below(static_cast<std::uint32_t>(choices.size()))];
  }
  template <typename T>
  T Pick(std::initializer_list<T> choices) {
    return *(choices.begin() + Below(static_cast<std::uint32_t>(choices.size())));
  }

 private:
  std::uint64_t m_state;
};

}  // namespace explore
