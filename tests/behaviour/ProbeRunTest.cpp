// A probe run through its view, with the worker on the simulated machine:
// the running look around the run, each server's row and progress, the
// busy mark only while the run lasts, and the fastest server at the end.
#include <string>
#include <vector>

#include "probe/ProbeRun.h"
#include "tests/behaviour/ProbeFixture.h"

namespace {

class TraceView final : public IProbeView {
 public:
  void ShowProbing(bool bProbing) override { m_trace.push_back(bProbing ? "probing" : "idle"); }
  void ShowBusy(int nPos) override { m_busy.push_back(nPos); }
  void ShowProgress(int nPercent) override { m_trace.push_back(std::to_string(nPercent) + "%"); }
  void ShowResult(const CString& strText) override { m_results.push_back(strText.Str()); }
  void ShowServer(int nServer, const CString& strAddress, const CProbeSamples& samples) override {
    m_trace.push_back(std::to_string(nServer) + " " + strAddress.Str() + ": " +
                      SamplesSummary(samples).Str());
  }
  void ShowFastest(int nServer) override { m_trace.push_back("fastest " + std::to_string(nServer)); }

  std::vector<std::string> m_trace, m_results;
  std::vector<int> m_busy;
};

class ProbeRunTest : public ProbeMachine {
 protected:
  // Hands the worker's messages of one probe to the run, as the window would.
  void DeliverOneProbe(CProbeRun& run) {
    for (const PingMessage& m : ReceiveRaw()) {
      if (m.message == WM_PING_RESULT) run.OnResult(m.kind, m.lParam);
      if (m.message == WM_PING_DONE) run.OnDone();
    }
  }
  std::vector<PingMessage> ReceiveRaw() {
    std::vector<PingMessage> raw;
    auto lock = m_machine.Lock();
    for (;;) {
      auto msg = m_machine.Screen().WaitMessage(lock, [] { return false; });
      if (!msg) continue;
      raw.push_back({msg->message, msg->wParam, msg->lParam, {}, 0});
      if (msg->message == WM_PING_DONE) return raw;
    }
  }
  TraceView m_view;
  CProbeRun m_run{Sockets(), System(), Windows(), m_view, kProbeTickTimer};
};

TEST_F(ProbeRunTest, EachServerIsProbedInTurnAndTheFastestComesLast) {
  Host("10.0.0.1", {30});
  Host("10.0.0.3", {20});
  m_run.Start({"10.0.0.1", "10.0.0.2", "10.0.0.3"}, 2, m_hWnd);
  EXPECT_TRUE(m_run.IsRunning());
  EXPECT_EQ(m_view.m_trace, (std::vector<std::string>{"probing", "0%"}));
  m_run.OnTick();
  m_run.OnTick();
  EXPECT_EQ(m_view.m_busy, (std::vector<int>{0, 20, 40}));

  for (int i = 0; i < 3; ++i) DeliverOneProbe(m_run);
  EXPECT_FALSE(m_run.IsRunning());
  EXPECT_EQ(m_view.m_trace,
            (std::vector<std::string>{"probing", "0%", "33%", "1 10.0.0.1: 2 samples, 0 lost, average 30 ms",
                                      "66%", "2 10.0.0.2: 0 samples, 2 lost, no average", "100%",
                                      "3 10.0.0.3: 2 samples, 0 lost, average 20 ms", "idle", "fastest 3"}));
  EXPECT_EQ(m_view.m_results.size(), 9u);  // a header and two results each
  EXPECT_EQ(m_view.m_results[1], "30");
  // The mark starts again at each server and stands still once the run has ended.
  EXPECT_EQ(m_view.m_busy, (std::vector<int>{0, 20, 40, 0, 0}));
  m_run.OnTick();
  EXPECT_EQ(m_view.m_busy.size(), 5u);
}

TEST_F(ProbeRunTest, ARunWithoutServersEndsAtOnceAndAStrayCompletionChangesNothing) {
  m_run.Start({}, 2, m_hWnd);
  EXPECT_FALSE(m_run.IsRunning());
  EXPECT_EQ(m_view.m_trace, (std::vector<std::string>{"probing", "idle", "fastest 0"}));

  Host("10.0.0.1", {30});
  m_run.Start({"10.0.0.1"}, 1, m_hWnd);
  DeliverOneProbe(m_run);
  m_run.OnDone();
  EXPECT_EQ(m_view.m_trace,
            (std::vector<std::string>{"probing", "idle", "fastest 0", "probing", "0%", "100%",
                                      "1 10.0.0.1: 1 sample, 0 lost, average 30 ms", "idle", "fastest 1"}));
}

}  // namespace
