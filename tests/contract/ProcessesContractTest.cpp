// Contract of the process port: a child's output through a pipe, a hidden
// child started through the shell, the command processor.
#include <gtest/gtest.h>

#include <string>

#include "platform/Ports.h"
#include "platform/WinConstants.h"
#include "tests/contract/ContractEnvironment.h"

namespace {

class ProcessesContract : public ContractTest {
 protected:
  plat::IProcesses& Processes() { return *plat::Current().processes; }
  std::string Cmd() { return plat::Current().system->GetSystemDirectory() + "\\cmd.exe"; }

  // Everything the child writes until it closes the pipe, 20 s at most.
  std::string ReadAll(plat::ICapturedChild& child) {
    std::string output;
    for (int round = 0; round < 200; ++round) {
      std::string chunk;
      plat::PipeRead read = child.ReadOutput(chunk, 4095);
      if (read == plat::PipeRead::kClosed) return output;
      if (read == plat::PipeRead::kData) {
        EXPECT_FALSE(chunk.empty());
        EXPECT_LE(chunk.size(), 4095u);
        output += chunk;
      } else {
        EXPECT_TRUE(chunk.empty());
        child.Wait(100);
      }
    }
    ADD_FAILURE() << "the pipe stayed open";
    return output;
  }
};

TEST_F(ProcessesContract, CapturedChildOutputComesThroughThePipe) {
  auto child = Processes().StartCaptured(Cmd(), "cmd.exe /c echo dorvanta-contract");
  ASSERT_TRUE(child);
  EXPECT_EQ(ReadAll(*child), "dorvanta-contract\r\n");
  EXPECT_EQ(child->Wait(20000), WAIT_OBJECT_0);
  EXPECT_EQ(child->ExitCode(), 0u);
}

TEST_F(ProcessesContract, CapturedChildThatCannotStartGivesNothing) {
  std::string missing = m_env->ScratchFolder() + "\\no-such-program.exe";
  EXPECT_FALSE(Processes().StartCaptured(missing, "\"" + missing + "\""));
}

TEST_F(ProcessesContract, HiddenChildCanBeWaitedForAndGivesItsExitCode) {
  auto child = Processes().StartHidden(Cmd(), "/c exit 3");
  ASSERT_TRUE(child);
  EXPECT_EQ(child->Wait(20000), WAIT_OBJECT_0);
  EXPECT_EQ(child->ExitCode(), 3u);
}

TEST_F(ProcessesContract, CommandProcessorGivesTheExitCode) {
  EXPECT_EQ(Processes().RunCommandProcessor("exit 3"), 3);
}

// The processor named by the environment is not the one that runs.
TEST_F(ProcessesContract, CommandProcessorIgnoresComspec) {
  std::string decoy = m_env->ScratchFolder() + "\\decoy.exe";
  m_env->SetEnvironmentVariable("COMSPEC", decoy);
  EXPECT_EQ(Processes().RunCommandProcessor("exit 4"), 4);
}

}  // namespace
