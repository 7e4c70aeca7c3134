// The simulated machine's registry: keys by path ("HKLM\\SYSTEM\\..."),
// values with their type and bytes, and keys that refuse to be opened.
// Names ignore case. Guarded by the machine lock.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Registry.h"

namespace sim {

struct RegistryValue {
  DWORD type = 0;
  std::string bytes;
};

// "HKLM\\" or "HKCU\\" followed by the path.
std::string RegistryKeyPath(plat::RegistryRoot root, std::string_view path);
// The bytes of a REG_MULTI_SZ value: each text and a NUL, then a final NUL.
std::string MultiStringBytes(const std::vector<std::string>& texts);
std::string DwordBytes(DWORD value);
// Where the 32-bit view of a 64-bit Windows keeps a key: a key under
// HKLM\Software moves under HKLM\Software\WOW6432Node, others stay.
std::string Wow64KeyPath(std::string_view key);

class RegistryHive {
 public:
  void CreateKey(std::string_view key);
  bool HasKey(std::string_view key) const;
  void DeleteKey(std::string_view key);
  // Sets a value, creating its key.
  void SetValue(std::string_view key, std::string_view name, DWORD type, std::string bytes);
  bool DeleteValue(std::string_view key, std::string_view name);
  const RegistryValue* Value(std::string_view key, std::string_view name) const;
  // The value grows by bytes after each of the next times queries of it: the
  // next query finds it times * bytes shorter (without the bytes before its
  // last byte, a multi-string's closing NUL), the one after that times - 1,
  // and so on. TakeEarlierBytes gives what the next query finds, if it differs.
  void Grow(std::string_view key, std::string_view name, size_t bytes, int times);
  std::optional<std::string> TakeEarlierBytes(std::string_view key, std::string_view name);
  // The key refuses to be opened (access denied).
  void Deny(std::string_view key) { m_denied.insert(KeyName(key)); }
  bool IsDenied(std::string_view key) const { return m_denied.count(KeyName(key)) > 0; }

 private:
  static std::string KeyName(std::string_view key);

  std::map<std::string, std::map<std::string, RegistryValue>> m_keys;  // lower-case names
  std::set<std::string> m_denied;
  struct Growth {
    size_t bytes;
    int times;
  };
  std::map<std::pair<std::string, std::string>, Growth> m_growths;
};

}  // namespace sim
