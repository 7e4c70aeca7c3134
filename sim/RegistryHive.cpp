#include "sim/RegistryHive.h"

#include <cctype>

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

std::string RegistryHive::Lower(std::string_view text) {
  std::string lower(text);
  for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  while (!lower.empty() && lower.back() == '\\') lower.pop_back();
  return lower;
}

void RegistryHive::CreateKey(std::string_view key) {
  m_keys[Lower(key)];
}

bool RegistryHive::HasKey(std::string_view key) const {
  return m_keys.count(Lower(key)) > 0;
}

void RegistryHive::DeleteKey(std::string_view key) {
  m_keys.erase(Lower(key));
}

void RegistryHive::SetValue(std::string_view key, std::string_view name, DWORD type, std::string bytes) {
  m_keys[Lower(key)][Lower(name)] = RegistryValue{type, std::move(bytes)};
}

bool RegistryHive::DeleteValue(std::string_view key, std::string_view name) {
  auto it = m_keys.find(Lower(key));
  return it != m_keys.end() && it->second.erase(Lower(name)) > 0;
}

const RegistryValue* RegistryHive::Value(std::string_view key, std::string_view name) const {
  auto it = m_keys.find(Lower(key));
  if (it == m_keys.end()) return nullptr;
  auto value = it->second.find(Lower(name));
  return value == it->second.end() ? nullptr : &value->second;
}

}  // namespace sim
