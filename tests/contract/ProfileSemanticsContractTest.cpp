// Contract of the profile reads: the rules the server directory relies on,
// as Windows applies them.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/Ports.h"
#include "tests/contract/ContractEnvironment.h"

namespace {

class ProfileSemantics : public ContractTest {
 protected:
  void SetUp() override {
    m_ini =
        WriteRaw("Directory.ini",
                 "[System]\r\nCount=3\r\nName=abcdef\r\nChinese=\xD6\xD0\xCE\xC4\xB7\xFE\xCE\xF1\xC6\xF7\r\n"
                 "Neg=-5\r\nMinusOne=-1\r\nHuge=4294967295\r\nTail=12abc\r\nEmpty=\r\n"
                 "[ Group One ]\r\n  ip1  =  10.0.0.1  \r\nq=\"quoted\"\r\nm=\"mixed'\r\nk=first\r\n"
                 "k=second\r\nbare\r\n[system]\r\nCount=99\r\n[Other]\r\nCount=7\r\n");
  }
  plat::IFiles& Files() { return *plat::Current().files; }
  // The value read into a sentinel-filled string, and the length returned.
  std::pair<std::string, DWORD> Read(const char* section, const char* key, const char* def, DWORD size,
                                     const std::string& path) {
    std::string out = "#sentinel#";
    DWORD length = Files().GetProfileString(section, key, def, out, size, path);
    return {out, length};
  }
  std::string Read(const char* section, const char* key, const std::string& path) {
    return Read(section, key, "dflt", 256, path).first;
  }
  UINT ReadInt(const char* section, const char* key, int def, const std::string& path) {
    return Files().GetProfileInt(section, key, def, path);
  }
  // A file of exactly these bytes in the scratch folder.
  std::string WriteRaw(const char* name, std::string_view bytes) {
    std::string path = m_env->ScratchFolder() + "\\" + name;
    auto file = Files().Open(path, plat::kModeWrite | plat::kModeCreate);
    EXPECT_NE(file, nullptr);
    if (file) {
      EXPECT_TRUE(file->Write(bytes));
      EXPECT_TRUE(file->Close());
    }
    return path;
  }
  std::string m_ini;
};

// Unsigned, negative numbers as two's complement, digits up to the first
// other character; names ignore case and blanks, the first match wins, a
// line without '=' is no key.
TEST_F(ProfileSemantics, Integers) {
  struct Case {
    const char* section;
    const char* key;
    int def;
    UINT expected;
  };
  const Case cases[] = {
      {"System", "Count", -1, 3u},
      {"SYSTEM", "count", 0, 3u},
      {"Other", "Count", -1, 7u},
      {"System", "Missing", 5, 5u},
      {"System", "Huge", 7, 4294967295u},
      {"System", "Tail", 7, 12u},
      {"System", "Empty", 7, 7u},
      {"System", "Absent", 256, 256u},
      {"System", "MinusOne", 7, 4294967295u},
      {"System", "Neg", 7, static_cast<UINT>(-5)},
      {"Group One", "bare", 9, 9u},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.section) + "/" + c.key);
    EXPECT_EQ(ReadInt(c.section, c.key, c.def, m_ini), c.expected);
  }
  EXPECT_EQ(ReadInt("System", "Count", 5, m_env->ScratchFolder() + "\\absent.ini"), 5u);
}

// The length counts the value's bytes in the ANSI code page, the size the
// terminating NUL; quotes around a whole value go, a default loses its
// trailing blanks.
TEST_F(ProfileSemantics, StringsAndTheirLength) {
  struct Case {
    const char* section;
    const char* key;
    const char* def;
    DWORD size;
    const char* expected;
    DWORD length;
  };
  const Case cases[] = {
      {"System", "Name", "", 256, "abcdef", 6},
      {"System", "Missing", "fallback", 256, "fallback", 8},
      {"Absent", "Name", "", 256, "", 0},
      {"System", "Chinese", "", 256, "中文服务器", 10},
      {"System", "Name", "", 4, "abc", 3},
      {"System", "Name", "", 7, "abcdef", 6},
      {"System", "Name", "", 1, "", 0},
      {"group one", "IP1", "", 256, "10.0.0.1", 8},
      {"Group One", "ip1", "", 4, "10.", 3},
      {"Group One", "k", "", 256, "first", 5},
      {"Group One", "q", "", 256, "quoted", 6},
      {"Group One", "m", "", 256, "\"mixed'", 7},
      {"Group One", "absent", "fallback  ", 256, "fallback", 8},
      {"Group One", "bare", "dflt", 256, "dflt", 4},
      {"Nowhere", "x", "无法获取服务器列表", 256, "无法获取服务器列表", 18},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.section) + "/" + c.key + " size " + std::to_string(c.size));
    auto [text, length] = Read(c.section, c.key, c.def, c.size, m_ini);
    EXPECT_EQ(text, c.expected);
    EXPECT_EQ(length, c.length);
  }
}

TEST_F(ProfileSemantics, LinesEndedByBareCarriageReturnsAreRead) {
  std::string path = WriteRaw("Mac.ini", "[Mac]\rCount=4\rName=mac\r[Next]\rCount=5\r");
  EXPECT_EQ(ReadInt("Mac", "Count", 0, path), 4u);
  EXPECT_EQ(Read("Mac", "Name", path), "mac");
  EXPECT_EQ(ReadInt("Next", "Count", 0, path), 5u);
}

TEST_F(ProfileSemantics, Utf16LittleEndianFileWithItsMarkIsRead) {
  // "[组]\r\nName=韩国\r\nCount=2\r\n" in UTF-16LE after its byte-order mark.
  static const char kBytes[] =
      "\xFF\xFE[\0\xC4\x7E]\0\r\0\n\0N\0a\0m\0e\0=\0\xE9\x97\xFD\x56\r\0\n\0"
      "C\0o\0u\0n\0t\0=\0"
      "2\0\r\0\n\0";
  std::string path = WriteRaw("Wide.ini", std::string_view(kBytes, sizeof kBytes - 1));
  EXPECT_EQ(Read("组", "Name", path), "韩国");
  EXPECT_EQ(ReadInt("组", "Count", 0, path), 2u);
}

TEST_F(ProfileSemantics, RewrittenFileIsReadAgain) {
  std::string path = WriteRaw("Changing.ini", "[S]\r\nCount=1\r\n");
  EXPECT_EQ(ReadInt("S", "Count", 0, path), 1u);
  WriteRaw("Changing.ini", "[S]\r\nCount=2\r\n");
  EXPECT_EQ(ReadInt("S", "Count", 0, path), 2u);
  ASSERT_TRUE(Files().Delete(path));
  EXPECT_EQ(ReadInt("S", "Count", 7, path), 7u);
}

}  // namespace
