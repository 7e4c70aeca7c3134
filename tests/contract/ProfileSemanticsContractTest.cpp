// Contract of the profile reads: the rules the server directory relies on,
// as Windows applies them.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "platform/Ports.h"
#include "tests/contract/ContractEnvironment.h"

namespace {

class ProfileSemantics : public ::testing::Test {
 protected:
  void SetUp() override {
    m_env = MakeContractEnvironment();
    m_ini = m_env->ScratchFolder() + "\\Directory.ini";
    auto file = Files().Open(m_ini, plat::kModeWrite | plat::kModeCreate | plat::kModeText);
    ASSERT_NE(file, nullptr);
    ASSERT_TRUE(
        file->Write("[System]\nCount=3\nNeg=-5\nMinusOne=-1\nHuge=4294967295\nTail=12abc\nEmpty=\n"
                    "[ Group One ]\n  ip1  =  10.0.0.1  "
                    "\nq=\"quoted\"\nm=\"mixed'\nk=first\nk=second\nbare\n[system]\nCount=99\n"));
    ASSERT_TRUE(file->Close());
  }
  plat::IFiles& Files() { return *plat::Current().files; }
  std::string Read(const char* section, const char* key, const char* def = "dflt", DWORD size = 256,
                   const std::string& path = {}) {
    std::string out = "#sentinel#";
    Files().GetProfileString(section, key, def, out, size, path.empty() ? m_ini : path);
    return out;
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

  std::unique_ptr<ContractEnvironment> m_env;
  std::string m_ini;
};

TEST_F(ProfileSemantics, NamesIgnoreCaseAndBlanksAndTheFirstMatchWins) {
  EXPECT_EQ(Files().GetProfileInt("SYSTEM", "count", 0, m_ini), 3u);
  EXPECT_EQ(Read("group one", "IP1"), "10.0.0.1");
  EXPECT_EQ(Read("Group One", "k"), "first");
}

TEST_F(ProfileSemantics, UnsignedIntegers) {
  EXPECT_EQ(Files().GetProfileInt("System", "Huge", 7, m_ini), 4294967295u);
  EXPECT_EQ(Files().GetProfileInt("System", "Tail", 7, m_ini), 12u);
  EXPECT_EQ(Files().GetProfileInt("System", "Empty", 7, m_ini), 7u);
  EXPECT_EQ(Files().GetProfileInt("System", "Absent", 256, m_ini), 256u);
}

TEST_F(ProfileSemantics, NegativeNumbersComeBackAsTwosComplement) {
  EXPECT_EQ(Files().GetProfileInt("System", "MinusOne", 7, m_ini), 4294967295u);
  EXPECT_EQ(Files().GetProfileInt("System", "Neg", 7, m_ini), static_cast<UINT>(-5));
}

TEST_F(ProfileSemantics, QuotesDefaultsAndCuts) {
  EXPECT_EQ(Read("Group One", "q"), "quoted");
  EXPECT_EQ(Read("Group One", "m"), "\"mixed'");
  EXPECT_EQ(Read("Group One", "absent", "fallback  "), "fallback");
  EXPECT_EQ(Read("Group One", "ip1", "", 4), "10.");
  EXPECT_EQ(Read("Nowhere", "x", "无法获取服务器列表"), "无法获取服务器列表");
}

TEST_F(ProfileSemantics, LineWithoutEqualsSignIsNoKey) {
  EXPECT_EQ(Read("Group One", "bare"), "dflt");
  EXPECT_EQ(Files().GetProfileInt("Group One", "bare", 9, m_ini), 9u);
}

TEST_F(ProfileSemantics, LinesEndedByBareCarriageReturnsAreRead) {
  std::string path = WriteRaw("Mac.ini", "[Mac]\rCount=4\rName=mac\r[Next]\rCount=5\r");
  EXPECT_EQ(ReadInt("Mac", "Count", 0, path), 4u);
  EXPECT_EQ(Read("Mac", "Name", "dflt", 256, path), "mac");
  EXPECT_EQ(ReadInt("Next", "Count", 0, path), 5u);
}

TEST_F(ProfileSemantics, Utf16LittleEndianFileWithItsMarkIsRead) {
  // "[组]\r\nName=韩国\r\nCount=2\r\n" in UTF-16LE after its byte-order mark.
  static const char kBytes[] =
      "\xFF\xFE[\0\xC4\x7E]\0\r\0\n\0N\0a\0m\0e\0=\0\xE9\x97\xFD\x56\r\0\n\0"
      "C\0o\0u\0n\0t\0=\0"
      "2\0\r\0\n\0";
  std::string path = WriteRaw("Wide.ini", std::string_view(kBytes, sizeof kBytes - 1));
  EXPECT_EQ(Read("组", "Name", "dflt", 256, path), "韩国");
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
