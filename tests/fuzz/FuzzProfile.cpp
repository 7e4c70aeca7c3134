// The profile (INI) reader over any file: Server.ini comes from outside.
#include <cctype>
#include <string>

#include "sim/IniReader.h"
#include "tests/fuzz/FuzzTarget.h"

FUZZ_TARGET("Profile") {
  for (int codePage : {936, 1252}) {
    std::string ansi = sim::ProfileBytesAsAnsi(input, codePage);
    sim::ProfileFile file(ansi);
    for (const char* section : {"System", "Transfer", "Korea"})
      for (const char* key : {"Count", "Ver", "Group1", "IP1", "Server1"})
        if (auto value = file.Find(section, key)) {
          sim::ProfileIntOf(*value);
          FUZZ_CHECK(sim::AnsiPrefixLength(*value, 255, codePage) <= 255);
          FUZZ_CHECK(value->find_first_of("\r\n") == std::string::npos);
        }
  }
  // A section appended after the file is found unless the file already has one of that name.
  std::string lower(input);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (lower.find("fuzztail") == std::string::npos) {
    std::string withTail = std::string(input) + "\r\n[FuzzTail]\r\nkey=value\r\n";
    FUZZ_CHECK(sim::ProfileFile(withTail).Find("fuzztail", "KEY") == "value");
  }
  sim::ProfileIntOf(input);
}
