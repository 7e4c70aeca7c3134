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

  // A value set to grow is read as it was before, once.
  LONG QueryMultiString(std::string_view value, BYTE* buffer, DWORD& size) override {
    auto lock = m_machine.Lock();
    const RegistryValue* found = m_machine.Registry().Value(m_key, value);
    if (found == nullptr) return plat::kErrorFileNotFound;
    if (found->type != plat::kRegMultiSz) return plat::kErrorUnsupportedType;
    std::string bytes = m_machine.Registry().TakeEarlierBytes(m_key, value).value_or(found->bytes);
    DWORD needed = static_cast<DWORD>(bytes.size());
    if (buffer == nullptr || needed > size) {
      size = needed;
      return plat::kErrorMoreData;
    }
    std::memcpy(buffer, bytes.data(), needed);
    size = needed;
    return 0;
  }

 private:
  Machine& m_machine;
  std::string m_key;
};

}  // namespace

// The 32-bit view of a 64-bit Windows keeps HKLM\Software\X in
// HKLM\Software\WOW6432Node\X; the machine's programs are 32-bit there.
std::unique_ptr<plat::IRegistryKey> SimRegistry::OpenKey(plat::RegistryRoot root, std::string_view path,
                                                         plat::RegistryView view, LONG& result) {
  auto lock = m_machine.Lock();
  std::string key = RegistryKeyPath(root, path);
  bool view32 = m_process.wow64 && view != plat::RegistryView::Bits64;
  if (view32 && root == plat::RegistryRoot::LocalMachine) key = Wow64KeyPath(key);
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
