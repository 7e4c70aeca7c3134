// Contract of the registry port: a key of the test's own under
// HKEY_CURRENT_USER, its DWORD and multi-string values.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/Ports.h"
#include "tests/contract/ContractEnvironment.h"

namespace {

constexpr BYTE kSentinel = 0xCD;

class RegistryContract : public ContractTest {
 protected:
  void SetUp() override { m_key = m_env->RegistryTestKey(); }
  std::unique_ptr<plat::IRegistryKey> Open(LONG& result) {
    return plat::Current().registry->OpenKey(plat::RegistryRoot::CurrentUser, m_key, plat::RegistryView::Own,
                                             result);
  }
  void Put(const std::string& name, DWORD type, const std::string& bytes) {
    m_env->PutRegistryValue(name, type, bytes);
  }
  std::string m_key;
};

TEST_F(RegistryContract, MissingKeyIsNotFound) {
  LONG result = 0;
  auto key = plat::Current().registry->OpenKey(plat::RegistryRoot::CurrentUser, m_key + "\\NoSuchKey",
                                               plat::RegistryView::Own, result);
  EXPECT_FALSE(key);
  EXPECT_EQ(result, plat::kErrorFileNotFound);
}

TEST_F(RegistryContract, DwordIsReadWrittenAndReadBack) {
  Put("Four", plat::kRegDword, std::string("\x2A\x00\x00\x00", 4));
  Put("Text", plat::kRegSz, std::string("abc\0", 4));
  LONG result = -1;
  auto key = Open(result);
  ASSERT_TRUE(key) << result;
  EXPECT_EQ(result, 0);

  DWORD value = 7;
  EXPECT_EQ(key->QueryDword("Four", value), 0);
  EXPECT_EQ(value, 42u);
  value = 7;
  EXPECT_EQ(key->QueryDword("Missing", value), plat::kErrorFileNotFound);
  EXPECT_EQ(value, 7u);
  EXPECT_NE(key->QueryDword("Text", value), 0);
  EXPECT_EQ(value, 7u);

  EXPECT_EQ(key->SetDword("ProhibitIPSec", 1), 0);
  EXPECT_EQ(key->QueryDword("ProhibitIPSec", value), 0);
  EXPECT_EQ(value, 1u);
}

// The bytes stored and their count; a value too long for the buffer is
// more data, its size, and nothing written past the buffer.
TEST_F(RegistryContract, MultiStringGivesTheBytesStoredAndTheirCount) {
  const std::string names("Themes\0BITS\0\0", 13);
  const std::string longNames = std::string(40, 'A') + std::string("\0\0", 2);
  Put("netsvcs", plat::kRegMultiSz, names);
  Put("long", plat::kRegMultiSz, longNames);
  LONG result = -1;
  auto key = Open(result);
  ASSERT_TRUE(key) << result;

  std::vector<BYTE> buffer(64, kSentinel);
  DWORD size = 32;
  ASSERT_EQ(key->QueryMultiString("netsvcs", buffer.data(), size), 0);
  ASSERT_EQ(size, names.size());
  EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + size), names);
  for (size_t i = size; i < buffer.size(); ++i) EXPECT_EQ(buffer[i], kSentinel) << "byte " << i;

  std::fill(buffer.begin(), buffer.end(), kSentinel);
  size = 16;
  EXPECT_EQ(key->QueryMultiString("long", buffer.data(), size), plat::kErrorMoreData);
  EXPECT_EQ(size, longNames.size());
  for (size_t i = 16; i < buffer.size(); ++i) EXPECT_EQ(buffer[i], kSentinel) << "byte " << i;

  DWORD asked = 0;
  EXPECT_EQ(key->QueryMultiString("long", nullptr, asked), plat::kErrorMoreData);
  EXPECT_EQ(asked, longNames.size());

  size = 16;
  EXPECT_EQ(key->QueryMultiString("Missing", buffer.data(), size), plat::kErrorFileNotFound);
}

// A 64-bit Windows keeps HKLM\Software twice: each view reads and writes
// its own copy. 32-bit Windows has one, which both views reach.
TEST_F(RegistryContract, EachViewOfLocalMachineSoftwareHoldsItsOwnValues) {
  bool twoViews = false;
  std::string path = m_env->RegistryViewsTestKey(twoViews);
  LONG result = -1;
  auto bits64 = plat::Current().registry->OpenKey(plat::RegistryRoot::LocalMachine, path,
                                                  plat::RegistryView::Bits64, result);
  ASSERT_TRUE(bits64) << result;
  auto bits32 = plat::Current().registry->OpenKey(plat::RegistryRoot::LocalMachine, path,
                                                  plat::RegistryView::Bits32, result);
  ASSERT_TRUE(bits32) << result;
  EXPECT_EQ(bits64->SetDword("View", 64), 0);
  EXPECT_EQ(bits32->SetDword("View", 32), 0);
  DWORD value = 0;
  EXPECT_EQ(bits64->QueryDword("View", value), 0);
  EXPECT_EQ(value, twoViews ? 64u : 32u);
  EXPECT_EQ(bits32->QueryDword("View", value), 0);
  EXPECT_EQ(value, 32u);
}

}  // namespace
