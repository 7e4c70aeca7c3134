// The registry port reads HKEY_LOCAL_MACHINE in the 64-bit view, also from
// the 32-bit program on 64-bit Windows, where Software has a 32-bit copy.
#include <gtest/gtest.h>

#include <string>

#include "platform/Ports.h"
#include "platform/win32/WinApi.h"
#include "tests/contract/ContractEnvironment.h"

namespace {

class RegistryViewWin32 : public ContractTest {
 protected:
  void SetUp() override {
    m_key = "Software\\DorvantaContractView-" + std::to_string(::GetCurrentProcessId());
  }
  void TearDown() override {
    for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY})
      ::RegDeleteKeyExA(HKEY_LOCAL_MACHINE, m_key.c_str(), view, 0);
  }
  // Writes the value into one view; on 32-bit Windows both views are one.
  bool Put(REGSAM view, DWORD value) {
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, m_key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view, nullptr,
                          &key, nullptr) != ERROR_SUCCESS)
      return false;
    LONG result =
        ::RegSetValueExA(key, "View", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS;
  }
  std::string m_key;
};

TEST_F(RegistryViewWin32, LocalMachineSoftwareIsReadInThe64BitView) {
  ASSERT_TRUE(Put(KEY_WOW64_32KEY, 32));
  ASSERT_TRUE(Put(KEY_WOW64_64KEY, 64));
  LONG result = -1;
  auto key = plat::Current().registry->OpenKey(plat::RegistryRoot::LocalMachine, m_key, result);
  ASSERT_TRUE(key) << result;
  DWORD value = 0;
  ASSERT_EQ(key->QueryDword("View", value), 0);
  EXPECT_EQ(value, 64u);
  EXPECT_EQ(key->SetDword("View", 65), 0);

  HKEY native = nullptr;
  ASSERT_EQ(::RegOpenKeyExA(HKEY_LOCAL_MACHINE, m_key.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &native),
            ERROR_SUCCESS);
  DWORD size = sizeof(value);
  EXPECT_EQ(::RegQueryValueExA(native, "View", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size),
            ERROR_SUCCESS);
  ::RegCloseKey(native);
  EXPECT_EQ(value, 65u);
}

}  // namespace
