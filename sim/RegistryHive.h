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

class RegistryHive {
 public:
  void CreateKey(std::string_view key);
  bool HasKey(std::string_view key) const;
  void DeleteKey(std::string_view key);
  // Sets a value, creating its key.
  void SetValue(std::string_view key, std::string_view name, DWORD type, std::string bytes);
  bool DeleteValue(std::string_view key, std::string_view name);
  const RegistryValue* Value(std::string_view key, std::string_view name) const;
  // The key refuses to be opened (access denied).
  void Deny(std::string_view key) { m_denied.insert(KeyName(key)); }
  bool IsDenied(std::string_view key) const { return m_denied.count(KeyName(key)) > 0; }

 private:
  static std::string KeyName(std::string_view key);

  std::map<std::string, std::map<std::string, RegistryValue>> m_keys;  // lower-case names
  std::set<std::string> m_denied;
};

}  // namespace sim
