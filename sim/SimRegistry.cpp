#include "sim/SimRegistry.h"

#include <cstring>

#include "sim/Machine.h"

namespace sim {

namespace {

class SimRegistryKey final : public plat::IRegistryKey {
 public:
  SimRegistryKey(Machine& machine, std::string key) : m_machine(machine), m_key(std::move(key)) {}

  LONG QueryDword(std::string_view value, DWORD& data) override {
    auto lock = m_machine.Lock();
    const RegistryValue* found = m_machine.Registry().Value(m_key, value);
    if (found == nullptr) return plat::kErrorFileNotFound;
    if (found->type != plat::kRegDword || found->bytes.size() != sizeof(DWORD))
      return plat::kErrorUnsupportedType;
    std::memcpy(&data, found->bytes.data(), sizeof(DWORD));
    return 0;
  }

  LONG SetDword(std::string_view value, DWORD data) override {
    auto lock = m_machine.Lock();
    if (!m_machine.Registry().HasKey(m_key)) return plat::kErrorFileNotFound;  // deleted meanwhile
    m_machine.Registry().SetValue(m_key, value, plat::kRegDword, DwordBytes(data));
    return 0;
  }

  LONG QueryMultiString(std::string_view value, BYTE* buffer, DWORD& size) override {
    auto lock = m_machine.Lock();
    const RegistryValue* found = m_machine.Registry().Value(m_key, value);
    if (found == nullptr) return plat::kErrorFileNotFound;
    if (found->type != plat::kRegMultiSz) return plat::kErrorUnsupportedType;
    DWORD needed = static_cast<DWORD>(found->bytes.size());
    if (buffer == nullptr || needed > size) {
      size = needed;
      return plat::kErrorMoreData;
    }
    std::memcpy(buffer, found->bytes.data(), needed);
    size = needed;
    return 0;
  }

 private:
  Machine& m_machine;
  std::string m_key;
};

}  // namespace

std::unique_ptr<plat::IRegistryKey> SimRegistry::OpenKey(plat::RegistryRoot root, std::string_view path,
                                                         LONG& result) {
  auto lock = m_machine.Lock();
  std::string key = RegistryKeyPath(root, path);
  RegistryHive& hive = m_machine.Registry();
  if (!hive.HasKey(key)) {
    result = plat::kErrorFileNotFound;
    return nullptr;
  }
  if (hive.IsDenied(key)) {
    result = plat::kErrorAccessDenied;
    return nullptr;
  }
  result = 0;
  return std::make_unique<SimRegistryKey>(m_machine, std::move(key));
}

}  // namespace sim
