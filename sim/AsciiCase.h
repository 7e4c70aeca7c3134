#pragma once

#include <string>
#include <string_view>

namespace sim {

// Windows compares names of files, keys, hosts and programs without regard
// to ASCII case; the machine keeps them folded to lower case.
inline std::string AsciiLower(std::string_view text) {
  std::string lower(text);
  for (char& ch : lower)
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  return lower;
}

}  // namespace sim
