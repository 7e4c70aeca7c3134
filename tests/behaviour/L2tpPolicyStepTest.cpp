// The L2TP policy step as an object on the simulated machine's ports, with a
// stand-in for the main window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "connection/L2tpPolicyStep.h"
#include "platform/WinConstants.h"
#include "sim/Machine.h"
#include "sim/ProcessPorts.h"

namespace {

constexpr const char* kRasMan = "HKLM\\SYSTEM\\CurrentControlSet\\Services\\RasMan\\Parameters";
constexpr const char* kSvchost = "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Svchost";

class FakeView final : public IL2tpPolicyView, public ILog {
 public:
  void Write(const CString&) override {}
  void Conceal(const CString&) override {}
  int AskUser(const CString& strText, const CString& strCaption, UINT nType) override {
    prompts.push_back(strCaption.GetString());
    type = nType;
    (void)strText;
    return answer;
  }
  void ShowRestartProgress(int nPos) override { positions.push_back(nPos); }
  void HideRestartProgress() override { ++hides; }
  void KeepPainted() override {}

  int answer = IDCANCEL;
  UINT type = 0;
  std::vector<std::string> prompts;
  std::vector<int> positions;
  int hides = 0;
};

class L2tpPolicyStepTest : public ::testing::Test {
 protected:
  L2tpPolicyStepTest() {
    m_process.pid = 8;
    m_process.modulePath = "C:\\Program Files\\Velk VPN\\Dorvanta.exe";
    m_process.currentDirectory = "C:\\Program Files\\Velk VPN";
    sim::InstallProcessPorts(machine, m_process);
    auto lock = machine.Lock();
    m_thread = machine.Sched().Register("test");
    machine.Sched().SetAutoAdvance(true);
    sim::Scheduler::BindSelf(m_thread);
    machine.Registry().SetValue(kRasMan, "ProhibitIPSec", plat::kRegDword, sim::DwordBytes(0));
  }
  ~L2tpPolicyStepTest() override {
    auto lock = machine.Lock();
    machine.Sched().Unregister(m_thread);
    sim::Scheduler::BindSelf(nullptr);
  }

  CL2tpPolicy Step(const char* sysDir = "C:\\Windows\\system32\\") {
    const plat::Ports& ports = m_process.ports;
    return CL2tpPolicy(*ports.registry, *ports.services, *ports.processes, *ports.system, view, view, sysDir);
  }
  void SetGroup(std::string bytes) {
    auto lock = machine.Lock();
    machine.Registry().SetValue(kSvchost, "netsvcs", plat::kRegMultiSz, std::move(bytes));
  }
  void Service(const char* name, DWORD state) {
    auto lock = machine.Lock();
    machine.Services().SetService(name, state);
  }
  std::vector<std::string> Children() {
    auto lock = machine.Lock();
    std::vector<std::string> list;
    for (const sim::ChildRecord& record : machine.Children().Records())
      list.push_back(sim::ToolName(record.program) + " " + record.parameters);
    return list;
  }

  sim::Machine machine;
  FakeView view;

 private:
  sim::Process m_process;
  sim::SimThread* m_thread = nullptr;
};

TEST_F(L2tpPolicyStepTest, GetServiceStateGivesTheStateOrMinusOne) {
  Service("Themes", plat::kServiceRunning);
  Service("BITS", plat::kServiceStopped);
  CL2tpPolicy step = Step();
  EXPECT_EQ(step.GetServiceState("Themes"), 4);
  EXPECT_EQ(step.GetServiceState("bits"), 1);
  EXPECT_EQ(step.GetServiceState("NoSuchService"), -1);
  {
    auto lock = machine.Lock();
    machine.Services().SetManagerDenied(true);
  }
  EXPECT_EQ(step.GetServiceState("Themes"), -1);
}

// The group's value is read up to 1,048,576 bytes: one byte more, or an
// empty list, leaves the host running.
TEST_F(L2tpPolicyStepTest, GroupValueEmptyOrBeyondItsBoundLeavesTheHostRunning) {
  Service("Themes", plat::kServiceRunning);
  for (size_t size : {1048577u, 2u, 1048576u}) {
    SetGroup(size > 2 ? std::string("Themes", 6) + '\0' + std::string(size - 9, 'B') + std::string(2, '\0')
                      : std::string(2, '\0'));
    {
      auto lock = machine.Lock();
      machine.Registry().SetValue(kRasMan, "ProhibitIPSec", plat::kRegDword, sim::DwordBytes(0));
    }
    CL2tpPolicy step = Step();
    EXPECT_EQ(step.ApplyL2tpPolicy(), CL2tpPolicy::kContinue);
    EXPECT_EQ(Children().empty(), size != 1048576u) << size;
    EXPECT_EQ(view.positions.empty(), size != 1048576u) << size;
  }
}

TEST_F(L2tpPolicyStepTest, TaskListThatCannotStartStopsTheCommandWithTheValueWritten) {
  Service("Themes", plat::kServiceRunning);
  SetGroup(sim::MultiStringBytes({"Themes"}));
  // Tools are looked for only in the folder given as the system directory.
  CL2tpPolicy step = Step("C:\\Elsewhere\\");
  EXPECT_EQ(step.ApplyL2tpPolicy(), CL2tpPolicy::kStop);
  EXPECT_EQ(view.hides, 0);
  auto lock = machine.Lock();
  const sim::RegistryValue* value = machine.Registry().Value(kRasMan, "ProhibitIPSec");
  ASSERT_TRUE(value);
  EXPECT_EQ(value->bytes, sim::DwordBytes(1));
  ASSERT_EQ(machine.Children().Records().size(), 1u);
  EXPECT_EQ(machine.Children().Records()[0].pid, 0);
}

}  // namespace
