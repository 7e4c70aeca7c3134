// Profile (INI) reads with the semantics of GetPrivateProfileIntA and
// GetPrivateProfileStringA, over the file's bytes in the ANSI code page.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sim {

// The value of key in section: names compared without letter case and
// without surrounding blanks, the first section and the first key of that
// name win. The value loses its surrounding blanks, and one pair of
// matching quotes ('...' or "...") around it. nullopt when absent.
std::optional<std::string> FindProfileValue(std::string_view content, std::string_view section,
                                            std::string_view key);

// The integer at the start of a value as the unsigned reader takes it:
// leading blanks, an optional sign, 0x / 0o / 0b prefixes, digits until the
// first other character, 32-bit wrap-around; a negative number gives 0.
std::uint32_t ProfileIntOf(std::string_view value);

// The longest prefix of an ANSI text that fits limit bytes without splitting
// a double-byte character of the code page.
size_t AnsiPrefixLength(std::string_view ansi, size_t limit, int codePage);

}  // namespace sim
