// The fastest-server choice through its view, with the main window's worker
// on the simulated machine: the window is locked while a run lasts; the
// slots and the average of one probe.
#include <climits>
#include <map>

#include "probe/FastestServerChoice.h"
#include "resources/resource.h"
#include "tests/behaviour/ProbeFixture.h"

namespace {

class FakeView final : public IProbeView, public ILog {
 public:
  explicit FakeView(HWND hWnd) : m_hWnd(hWnd) {}
  void Write(const CString&) override {}
  void Conceal(const CString&) override {}
  void UpdateData(BOOL) override {}
  HWND GetSafeHwnd() override { return m_hWnd; }
  bool IsAutoSelectTicked() override { return m_bTicked; }
  void ClearAutoSelect() override { m_bTicked = false; }
  CString GroupText() override { return m_strGroup; }
  CString LineText() override { return {}; }
  int GetLineCount() override { return m_nLines; }
  void SelectLine(int nIndex) override { m_nSelected = nIndex; }
  void EnableControl(int nId, bool bEnable) override { m_enabled[nId] = bEnable; }
  void ShowControl(int nId, bool bShow) override { m_shown[nId] = bShow; }
  void SetProgressRange(int, int) override {}
  void SetProgressPos(int nPos) override { m_progress.push_back(nPos); }
  void SetBusyPos(int nPos) override { m_busy.push_back(nPos); }
  void SetProbeTimer(bool bRun) override { m_bTimer = bRun; }

  HWND m_hWnd;
  bool m_bTicked = true;
  CString m_strGroup = "G";
  int m_nLines = 3;
  int m_nSelected = -1;
  bool m_bTimer = false;
  std::map<int, bool> m_enabled, m_shown;
  std::vector<int> m_progress, m_busy;
};

class FastestServerChoiceTest : public ProbeMachine {
 protected:
  CServerDirectory m_directory{*m_process.ports.files, "C:\\Windows\\system32\\"};
  void Directory(const char* text) {
    auto lock = m_machine.Lock();
    m_machine.Disk().WriteBytes("C:\\Windows\\system32\\Server.ini", text);
  }
  // Hands the worker's messages of one probe to the choice, as the window would.
  void DeliverOneProbe(CFastestServerChoice& choice, FakeView& view) {
    for (const PingMessage& m : ReceiveRaw()) {
      if (m.message == WM_PING_RESULT) choice.OnPingResult(m.kind, m.lParam);
      if (m.message == WM_PING_DONE) choice.OnPingDone(view);
    }
  }
  std::vector<PingMessage> ReceiveRaw() {
    CPingTexts none;  // texts stay with the choice's worker
    std::vector<PingMessage> raw;
    auto lock = m_machine.Lock();
    for (;;) {
      auto msg = m_machine.Screen().WaitMessage(lock, [] { return false; });
      if (!msg) continue;
      raw.push_back({msg->message, msg->wParam, msg->lParam, {}, 0});
      if (msg->message == WM_PING_DONE) return raw;
    }
  }
};

TEST_F(FastestServerChoiceTest, WhileARunLastsTheWindowIsLocked) {
  Directory("[G]\r\nCount=3\r\nIP1=10.0.0.1\r\nIP2=10.0.0.2\r\nIP3=10.0.0.3\r\n");
  Host("10.0.0.1", {20});
  Host("10.0.0.2", {30});
  Host("10.0.0.3", {40});
  FakeView view(m_hWnd);
  CFastestServerChoice choice(Sockets(), System(), Windows(), m_directory, view);
  choice.OnAutoSelect(view);
  EXPECT_TRUE(choice.IsRunning());
  EXPECT_FALSE(view.m_enabled[IDC_AUTO_SELECT]);
  EXPECT_FALSE(view.m_enabled[IDC_GROUP]);
  EXPECT_FALSE(view.m_enabled[IDC_CONNECT]);
  EXPECT_FALSE(view.m_shown[IDC_LINE]);
  EXPECT_FALSE(view.m_shown[IDC_SPEED]);
  EXPECT_TRUE(view.m_shown[IDC_PROGRESS]);
  EXPECT_TRUE(view.m_shown[IDC_PROBE_BUSY]);
  EXPECT_TRUE(view.m_bTimer);
  choice.OnProbeTick(view);
  choice.OnProbeTick(view);
  EXPECT_EQ(view.m_busy, (std::vector<int>{0, 20, 40}));

  for (int i = 0; i < 3; ++i) DeliverOneProbe(choice, view);
  // The scenarios check what the window shows once the run has ended.
  EXPECT_FALSE(choice.IsRunning());
}

TEST(FastestServerSlots, ErrorTextsAndAbsurdTimesGiveNoValue) {
  int n = 7;
  EXPECT_TRUE(SlotValue(kPingReply, "0", n));
  EXPECT_EQ(n, 0);
  EXPECT_TRUE(SlotValue(kPingReply, "60000", n));
  EXPECT_EQ(n, 60000);
  for (const char* text : {"Host not found: x", "0", "socket() - WSAError: 10013"})
    EXPECT_FALSE(SlotValue(kPingError, text, n)) << text;
  for (const char* text : {"", "-16", "60001", "2147483632", "99999999999999999999", "12ms", " 5", "+5"})
    EXPECT_FALSE(SlotValue(kPingReply, text, n)) << text;
  EXPECT_FALSE(SlotValue(7, "5", n));
}

TEST(FastestServerAverage, OnlyFilledSlotsCountTimeoutsAreLeftOutAndNoSampleScores9999) {
  EXPECT_EQ(AverageRtt({0, -1, 100, -1, -1}, 5), 100);
  EXPECT_EQ(AverageRtt({0, 10, 11, 11, 11}, 5), 10);  // truncating
  EXPECT_EQ(AverageRtt({0, -1, -1, -1, -1}, 5), kNoValidSample);
  EXPECT_EQ(AverageRtt({500, 1, 1, 1, 1}, 5), 1);  // slot 0 is the header's
  EXPECT_EQ(AverageRtt({0, 30, 0, 0, 0}, 2), 30);  // slots never filled are no samples
  EXPECT_EQ(AverageRtt({0, 0, 0, 0, 0}, 0), kNoValidSample);
  EXPECT_EQ(AverageRtt({0, INT_MAX, INT_MAX, INT_MAX, INT_MAX}, 5), INT_MAX);
  EXPECT_EQ(CountSamples({0, -1, 0, -1, 3}, 5), 2);
  EXPECT_EQ(CountSamples({0, 0, 0, 0, 0}, 1), 0);
}

}  // namespace
