// The log's queue on the simulated machine with no writer running, as on a
// disk that does not answer: a line is taken at once, lines past the bound
// are dropped and counted, and a wait for the disk ends at its bound.
#include <gtest/gtest.h>

#include "log/LogQueue.h"
#include "tests/behaviour/ProbeFixture.h"

namespace {

constexpr const char* kFolder = "C:\\ProgramData\\Velk VPN";

// The probes' machine serves: a process and a test thread the clock waits for.
class LogQueueTest : public ProbeMachine {
 protected:
  LogQueueTest() {
    auto lock = m_machine.Lock();
    m_machine.Disk().MakeFolder(kFolder);
  }
  std::string Log() {
    auto lock = m_machine.Lock();
    return m_machine.Disk().ReadBytes(std::string(kFolder) + "\\Dorvanta.log").value_or("(none)");
  }
};

TEST_F(LogQueueTest, LinesPastTheBoundAreCountedAndTheWaitEndsAtItsBound) {
  CLogQueue queue(System(), *m_process.ports.files, kFolder);
  // Each line is its 38-byte stamp and 100 bytes: 474 fit in 64 KiB.
  for (int i = 0; i < 2000; ++i) queue.Write(std::string(99, 'x') + (i < 474 ? "k" : "d"));
  EXPECT_EQ(Log(), "(none)");
  EXPECT_FALSE(queue.WaitWritten(500));
  {
    auto lock = m_machine.Lock();
    EXPECT_EQ(m_machine.Sched().Now(), 500u);
  }

  queue.Stop();
  queue.Write("taken no more");
  queue.Drain();
  EXPECT_TRUE(queue.WaitWritten(0));
  std::string log = Log();
  std::string note =
      "\xEF\xBB\xBF"
      "2024-01-01 09:00:00.500 +09:00 [4596] log: 1526 lines were not written (1526 with the queue "
      "full, 0 refused by the disk)\r\n2024-01-01 09:00:00.000 +09:00 [4096] xxx";
  EXPECT_EQ(log.substr(0, note.size()), note);
  auto count = [&log](std::string_view what) {
    size_t n = 0;
    for (size_t at = log.find(what); at != std::string::npos; at = log.find(what, at + 1)) ++n;
    return n;
  };
  EXPECT_EQ(count("\r\n"), 475u);
  EXPECT_EQ(count("xk\r\n"), 474u);
  EXPECT_EQ(log.find("xd"), std::string::npos);
  EXPECT_EQ(log.find("taken no more"), std::string::npos);
}

}  // namespace
