#include "sim/SimServices.h"

#include <string>

#include "sim/Machine.h"

namespace sim {

namespace {

class OpenedService final : public plat::IServiceHandle {
 public:
  OpenedService(Machine& machine, std::string name) : m_machine(machine), m_name(std::move(name)) {}

  bool QueryState(DWORD& state) override {
    auto lock = m_machine.Lock();
    const SimService* service = m_machine.Services().Find(m_name);
    if (service == nullptr) return false;
    state = service->state;
    return true;
  }

 private:
  Machine& m_machine;
  std::string m_name;
};

class SimServiceManager final : public plat::IServiceManager {
 public:
  explicit SimServiceManager(Machine& machine) : m_machine(machine) {}

  std::unique_ptr<plat::IServiceHandle> OpenService(std::string_view name) override {
    auto lock = m_machine.Lock();
    if (m_machine.Services().Find(name) == nullptr) return nullptr;
    return std::make_unique<OpenedService>(m_machine, std::string(name));
  }

 private:
  Machine& m_machine;
};

}  // namespace

std::unique_ptr<plat::IServiceManager> SimServices::OpenManager() {
  auto lock = m_machine.Lock();
  if (m_machine.Services().ManagerDenied()) return nullptr;
  return std::make_unique<SimServiceManager>(m_machine);
}

}  // namespace sim
