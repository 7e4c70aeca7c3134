#include "sim/RegistryHive.h"

#include "sim/AsciiCase.h"

namespace sim {

std::string RegistryKeyPath(plat::RegistryRoot root, std::string_view path) {
  return std::string(root == plat::RegistryRoot::LocalMachine ? "HKLM\\" : "HKCU\\") + std::string(path);
}

std::string MultiStringBytes(const std::vector<std::string>& texts) {
  std::string bytes;
  for (const std::string& text : texts) {
    bytes += text;
    bytes += '\0';
  }
  bytes += '\0';
  return bytes;
}

std::string DwordBytes(DWORD value) {
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  return bytes;
}

// Key names compare without case and without a trailing separator.
std::string RegistryHive::KeyName(std::string_view key) {
  std::string name = AsciiLower(key);
  while (!name.empty() && name.back() == '\\') name.pop_back();
  return name;
}

void RegistryHive::CreateKey(std::string_view key) {
  m_keys[KeyName(key)];
}

bool RegistryHive::HasKey(std::string_view key) const {
  return m_keys.count(KeyName(key)) > 0;
}

void RegistryHive::DeleteKey(std::string_view key) {
  m_keys.erase(KeyName(key));
}

void RegistryHive::SetValue(std::string_view key, std::string_view name, DWORD type, std::string bytes) {
  m_keys[KeyName(key)][KeyName(name)] = RegistryValue{type, std::move(bytes)};
}

bool RegistryHive::DeleteValue(std::string_view key, std::string_view name) {
  auto it = m_keys.find(KeyName(key));
  return it != m_keys.end() && it->second.erase(KeyName(name)) > 0;
}

const RegistryValue* RegistryHive::Value(std::string_view key, std::string_view name) const {
  auto it = m_keys.find(KeyName(key));
  if (it == m_keys.end()) return nullptr;
  auto value = it->second.find(KeyName(name));
  return value == it->second.end() ? nullptr : &value->second;
}

}  // namespace sim
