// Profile (INI) reads with the semantics of GetPrivateProfileIntA and
// GetPrivateProfileStringA, over the file's bytes in the ANSI code page.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace sim {

// A profile file parsed once, for any number of reads. Lines end at CR, LF
// or both. Names are compared without letter case and without surrounding
// blanks; the first section and the first key of a name win. A line without
// "=" is no key. A value loses its surrounding blanks, and one pair of
// matching quotes ('...' or "...") around it.
class ProfileFile {
 public:
  explicit ProfileFile(std::string ansi);
  ProfileFile(const ProfileFile&) = delete;  // the sections point into the text
  ProfileFile& operator=(const ProfileFile&) = delete;
  // The value of key in section, nullopt when absent. A section's keys are
  // indexed at its first read (so not for concurrent use).
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;

 private:
  using Keys = std::unordered_map<std::string, std::string>;  // lower-case name -> value
  struct Section {
    std::string_view body;  // the lines after its header
    mutable std::optional<Keys> keys;
  };
  std::string m_text;
  std::unordered_map<std::string, Section> m_sections;  // by lower-case name
};

// FindProfileValue over a text parsed for this one read.
std::optional<std::string> FindProfileValue(std::string_view content, std::string_view section,
                                            std::string_view key);

// A profile file's bytes as the ANSI text the reader parses: a UTF-16LE file
// with its byte-order mark is converted to the code page (characters the
// code page lacks become "?"); any other file is taken as it is.
std::string ProfileBytesAsAnsi(std::string_view bytes, int codePage);

// The integer at the start of a value, as the profile reader takes it:
// leading blanks, an optional sign, 0x / 0o / 0b prefixes, digits until the
// first other character, 32-bit wrap-around; a negative number comes back
// as its 32-bit two's complement ("-1" gives 4294967295).
std::uint32_t ProfileIntOf(std::string_view value);

// The longest prefix of an ANSI text that fits limit bytes without splitting
// a double-byte character of the code page.
size_t AnsiPrefixLength(std::string_view ansi, size_t limit, int codePage);

}  // namespace sim
