// The simulated machine as the contract tests' environment: the test's own
// thread runs as a thread of a process on the machine.
#include <optional>

#include "framework/Resources.h"
#include "sim/Machine.h"
#include "sim/ProcessPorts.h"
#include "tests/contract/ContractEnvironment.h"

namespace {

class SimEnvironment final : public ContractEnvironment {
 public:
  SimEnvironment() {
    m_process.pid = 4;
    m_process.modulePath = "C:\\Tests\\contract.exe";
    m_process.currentDirectory = "C:\\Tests";
    // The tests show the dialer's bitmaps.
    m_process.program.bitmapSize = AfxGetBitmapSize;
    m_machine.Disk().MakeFolder("C:\\Tests\\scratch");
    sim::InstallProcessPorts(m_machine, m_process);
    {
      // The name every Windows computer resolves to itself.
      auto lock = m_machine.Lock();
      m_machine.Net().SetHost("localhost", {*sim::ParseDottedAddress("127.0.0.1")});
    }
    {
      auto lock = m_machine.Lock();
      m_thread = m_machine.Sched().Register("test");
      m_machine.Sched().SetAutoAdvance(true);
    }
    sim::Scheduler::BindSelf(m_thread);
    m_installed.emplace(m_process.ports);
  }
  ~SimEnvironment() override {
    {
      auto lock = m_machine.Lock();
      m_machine.Sched().Unregister(m_thread);
    }
    sim::Scheduler::BindSelf(nullptr);
  }

  std::string ScratchFolder() override { return "C:\\Tests\\scratch"; }
  bool IsSimulated() const override { return true; }
  bool IsWine() const override { return false; }
  // The machine's desktop takes the answer, as the driver gives it.
  bool AnswerMessageBox(std::string_view caption, int button) override {
    auto lock = m_machine.Lock();
    for (sim::SimMessageBox* box : m_machine.Screen().OpenMessageBoxes()) {
      if (box->pid != m_process.pid || box->caption != caption || box->answer) continue;
      box->answer = button;
      m_machine.Sched().Notify();
      return true;
    }
    return false;
  }

  std::string RegistryTestKey() override { return "Software\\DorvantaContract"; }
  void PutRegistryValue(const std::string& name, DWORD type, const std::string& bytes) override {
    auto lock = m_machine.Lock();
    m_machine.Registry().SetValue(sim::RegistryKeyPath(plat::RegistryRoot::CurrentUser, RegistryTestKey()),
                                  name, type, bytes);
  }

  // The machine becomes a 64-bit Windows running this 32-bit program.
  std::string RegistryViewsTestKey(bool& twoViews) override {
    auto lock = m_machine.Lock();
    m_machine.SetWow64(true);
    m_process.wow64 = twoViews = true;
    for (const char* key :
         {"HKLM\\Software\\DorvantaContractView", "HKLM\\Software\\WOW6432Node\\DorvantaContractView"})
      m_machine.Registry().CreateKey(key);
    return "Software\\DorvantaContractView";
  }

  void SetEnvironmentVariable(const std::string&, const std::string&) override {}

 private:
  sim::Machine m_machine;
  sim::Process m_process;
  sim::SimThread* m_thread = nullptr;
  std::optional<plat::ScopedPorts> m_installed;
};

}  // namespace

std::unique_ptr<ContractEnvironment> MakeContractEnvironment() {
  return std::make_unique<SimEnvironment>();
}
