// The restart sequence's texts: the group's names from the registry's bytes
// and the host's process id from the task list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "connection/RestartText.h"

namespace {

CString Join(const std::string& bytes) {
  return JoinMultiString(reinterpret_cast<const BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()));
}

TEST(JoinMultiString, JoinsTheNamesUpToTheDoubleNul) {
  EXPECT_EQ(Join(std::string("Themes\0BITS\0wuauserv\0\0", 23)), "Themes|BITS|wuauserv");
  EXPECT_EQ(Join(std::string("Themes\0\0Ignored\0\0", 18)), "Themes");
  EXPECT_EQ(Join(std::string("\0\0", 2)), "");
  EXPECT_EQ(Join(std::string()), "");
}

TEST(JoinMultiString, StopsAtTheBytesReturnedWithoutAClosingNul) {
  // A buffer of 2,560 bytes filled to its end: the walk never reads past it
  // (the sanitizer presets catch a read beyond the vector).
  std::vector<BYTE> full(2560, 'A');
  full[100] = 0;
  CString joined = JoinMultiString(full.data(), static_cast<DWORD>(full.size()));
  EXPECT_EQ(joined.GetLength(), 2560);
  EXPECT_EQ(joined.Find('|'), 100);
  // A single NUL as the last byte returned is not followed by a name.
  EXPECT_EQ(Join(std::string("Themes\0BITS\0", 12)), "Themes|BITS");
  EXPECT_EQ(Join(std::string("Themes\0", 7)), "Themes");
}

TEST(FindHostProcessId, GivesNothingUnlessTheIdIsOneToTenDigits) {
  EXPECT_EQ(FindHostProcessId(""), "");
  EXPECT_EQ(FindHostProcessId("INFO: No tasks are running which match the specified criteria.\r\n"), "");
  EXPECT_EQ(FindHostProcessId("svchost.exe 1044&calc Themes\r\n"), "");
  EXPECT_EQ(FindHostProcessId("svchost.exe \"1044\" Themes\r\n"), "");
  EXPECT_EQ(FindHostProcessId("svchost.exe 12345678901 Themes\r\n"), "");
  EXPECT_EQ(FindHostProcessId("svchost.exe 1234567890 Themes\r\n"), "1234567890");
  EXPECT_EQ(FindHostProcessId("svchost.exe -5 Themes\r\n"), "");
  // No blank after the id: nothing stands before a space.
  EXPECT_EQ(FindHostProcessId("svchost.exe 1044"), "");
  // The image name as the task list may spell it.
  for (const char* image : {"SVCHOST.EXE", "svchost.EXE", "Svchost.exe"})
    EXPECT_EQ(FindHostProcessId(CString(image) + " 1316 Themes\r\n"), "1316") << image;
  // Only the first host counts.
  EXPECT_EQ(FindHostProcessId("svchost.exe 1044 Themes\r\nsvchost.exe 2000 BITS\r\n"), "1044");
}

}  // namespace
