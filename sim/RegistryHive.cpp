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

std::string Wow64KeyPath(std::string_view key) {
  constexpr std::string_view kSoftware = "hklm\\software";
  std::string lower = AsciiLower(key);
  if (!lower.starts_with(kSoftware) || (lower.size() > kSoftware.size() && lower[kSoftware.size()] != '\\') ||
      lower.starts_with("hklm\\software\\wow6432node"))
    return std::string(key);
  return std::string(key.substr(0, kSoftware.size())) + "\\WOW6432Node" +
         std::string(key.substr(kSoftware.size()));
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

void RegistryHive::Grow(std::string_view key, std::string_view name, size_t bytes, int times) {
  m_growths[{KeyName(key), KeyName(name)}] = Growth{bytes, times};
}

std::optional<std::string> RegistryHive::TakeEarlierBytes(std::string_view key, std::string_view name) {
  auto growth = m_growths.find({KeyName(key), KeyName(name)});
  const RegistryValue* value = Value(key, name);
  if (growth == m_growths.end() || value == nullptr) return std::nullopt;
  size_t bytes = growth->second.bytes * static_cast<size_t>(growth->second.times);
  if (--growth->second.times <= 0) m_growths.erase(growth);
  std::string earlier = value->bytes;
  if (earlier.empty()) return earlier;
  size_t cut = std::min(bytes, earlier.size() - 1);
  earlier.erase(earlier.size() - 1 - cut, cut);
  return earlier;
}

const RegistryValue* RegistryHive::Value(std::string_view key, std::string_view name) const {
  auto it = m_keys.find(KeyName(key));
  if (it == m_keys.end()) return nullptr;
  auto value = it->second.find(KeyName(name));
  return value == it->second.end() ? nullptr : &value->second;
}

}  // namespace sim
