#include "platform/win32/RegistryWin32.h"

#include <string>

#include "platform/win32/WinApi.h"
#include "platform/win32/WinText.h"

namespace win32 {

namespace {

struct KeyTraits {
  static HKEY Invalid() { return nullptr; }
  static void Close(HKEY key) { ::RegCloseKey(key); }
};

// The names are ASCII; value names and data go through the ANSI calls, as
// the registry's multi-strings are read byte for byte.
class KeyWin32 final : public plat::IRegistryKey {
 public:
  explicit KeyWin32(HKEY key) : m_key(key) {}
  KeyWin32(const KeyWin32&) = delete;
  KeyWin32& operator=(const KeyWin32&) = delete;
  ~KeyWin32() override { KeyTraits::Close(m_key); }

  LONG QueryDword(std::string_view value, DWORD& data) override {
    std::string name = Utf8ToAnsi(value);
    DWORD type = 0;
    DWORD read = 0;
    DWORD size = sizeof(read);
    LONG result =
        ::RegQueryValueExA(m_key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&read), &size);
    if (result != ERROR_SUCCESS) return result;
    if (type != REG_DWORD || size != sizeof(read)) return plat::kErrorUnsupportedType;
    data = read;
    return ERROR_SUCCESS;
  }

  LONG SetDword(std::string_view value, DWORD data) override {
    std::string name = Utf8ToAnsi(value);
    return ::RegSetValueExA(m_key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                            sizeof(data));
  }

  LONG QueryMultiString(std::string_view value, BYTE* buffer, DWORD& size) override {
    std::string name = Utf8ToAnsi(value);
    DWORD type = 0;
    DWORD capacity = size;
    LONG result = ::RegQueryValueExA(m_key, name.c_str(), nullptr, &type, buffer, &size);
    if (result != ERROR_SUCCESS && result != ERROR_MORE_DATA) return result;
    if (type != REG_MULTI_SZ) return plat::kErrorUnsupportedType;
    if (result == ERROR_MORE_DATA || buffer == nullptr) return plat::kErrorMoreData;
    if (size > capacity) size = capacity;
    return ERROR_SUCCESS;
  }

 private:
  HKEY m_key;
};

}  // namespace

std::unique_ptr<plat::IRegistryKey> RegistryWin32::OpenKey(plat::RegistryRoot root, std::string_view path,
                                                           plat::RegistryView view, LONG& result) {
  HKEY parent = root == plat::RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
  std::string name = Utf8ToAnsi(path);
  HKEY key = nullptr;
  // 32-bit Windows ignores the view flags.
  REGSAM flags = view == plat::RegistryView::Bits64   ? KEY_WOW64_64KEY
                 : view == plat::RegistryView::Bits32 ? KEY_WOW64_32KEY
                                                      : 0;
  result = ::RegOpenKeyExA(parent, name.c_str(), 0, KEY_ALL_ACCESS | flags, &key);
  if (result != ERROR_SUCCESS) return nullptr;
  return std::make_unique<KeyWin32>(key);
}

}  // namespace win32
