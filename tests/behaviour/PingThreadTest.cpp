// The probe worker on the simulated machine: one probe at a time, the
// request slot, and destruction that waits for a running probe.
#include "probe/PingThread.h"
#include "tests/behaviour/ProbeFixture.h"

namespace {

using Strings = std::vector<std::string>;

class PingThreadTest : public ProbeMachine {
 protected:
  std::vector<DWORD> Destinations() {
    std::vector<DWORD> to;
    for (const sim::SentDatagram& sent : Sent()) to.push_back(sent.to);
    return to;
  }
  // Lets the worker run until it has sent its first request.
  void WaitForFirstRequest() {
    while (Sent().empty()) System().Sleep(10);
  }
  static DWORD Address(const char* dotted) { return *sim::ParseDottedAddress(dotted); }
};

TEST_F(PingThreadTest, OneStartRunsOneProbeWithItsParameters) {
  CPingThread worker(Sockets(), System(), Windows());
  Host("10.0.0.1", {25});
  worker.Start(2, "10.0.0.1", m_hWnd);
  EXPECT_EQ(Texts(Receive(worker.Texts())), (Strings{"服务器返回：", "25", "25", "done:1"}));
  EXPECT_EQ(Destinations(), (std::vector<DWORD>{Address("10.0.0.1"), Address("10.0.0.1")}));
}

TEST_F(PingThreadTest, ThreeStartsDuringAProbeGiveExactlyOneMoreWithTheThirdsParameters) {
  CPingThread worker(Sockets(), System(), Windows());
  worker.Start(4, "10.0.0.1", m_hWnd);
  WaitForFirstRequest();
  worker.Start(1, "10.0.0.2", m_hWnd);
  worker.Start(3, "10.0.0.3", m_hWnd);
  worker.Start(2, "10.0.0.4", m_hWnd);
  std::vector<PingMessage> messages = Receive(worker.Texts(), 2);
  EXPECT_EQ(Texts(messages), (Strings{"服务器返回：", "-1", "-1", "-1", "-1", "done:1", "服务器返回：", "-1",
                                      "-1", "done:1"}));
  DWORD a = Address("10.0.0.1"), d = Address("10.0.0.4");
  EXPECT_EQ(Destinations(), (std::vector<DWORD>{a, a, a, a, d, d}));
  // Nothing more follows.
  System().Sleep(5000);
  EXPECT_EQ(Sent().size(), 6u);
}

TEST_F(PingThreadTest, DestroyingDuringAProbeOfFourStopsItAtOnceAndDropsThePending) {
  sim::VirtualTime destroyedAt = 0;
  {
    CPingThread worker(Sockets(), System(), Windows());
    worker.Start(4, "10.0.0.9", m_hWnd);
    WaitForFirstRequest();
    worker.Start(4, "10.0.0.8", m_hWnd);  // pending when the worker is destroyed
  }
  destroyedAt = Now();
  EXPECT_LE(destroyedAt, CIcmpPing::kStopCheckMs);
  EXPECT_EQ(Sent().size(), 1u);
  // The stopped probe still posted its completion before the destruction
  // returned; the texts left in the queue went with the worker's ledger.
  CPingTexts none;
  std::vector<PingMessage> messages = Drain(none);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages.back().message, WM_PING_DONE);
  System().Sleep(5000);
  EXPECT_EQ(Sent().size(), 1u);
}

}  // namespace
