// The prober's message contract against the simulated network: what a
// window receives for each kind of host, reply and socket failure.
#include "probe/IcmpPing.h"
#include "tests/behaviour/ProbeFixture.h"

namespace {

using Strings = std::vector<std::string>;

class IcmpPingTest : public ProbeMachine {
 protected:
  std::vector<std::string> Ping(UINT count, const char* host) {
    CIcmpPing ping(Sockets(), System(), Windows(), m_texts);
    ping.Ping(count, host, m_hWnd);
    m_messages = Drain(m_texts);
    return Texts(m_messages);
  }

  CPingTexts m_texts;
  std::vector<PingMessage> m_messages;
};

TEST_F(IcmpPingTest, CountZeroGivesHeaderAndDoneWithoutADatagram) {
  EXPECT_EQ(Ping(0, "10.0.0.9"), (Strings{"服务器返回：", "done:1"}));
  EXPECT_TRUE(Sent().empty());
}

TEST_F(IcmpPingTest, RoundTripAcrossTheTickWrapIsStillItsLength) {
  {
    auto lock = m_machine.Lock();
    m_machine.SetTick(0xFFFFFFF0);
  }
  Host("10.0.0.1", {40});
  EXPECT_EQ(Ping(1, "10.0.0.1"), (Strings{"服务器返回：", "40", "done:1"}));
}

TEST_F(IcmpPingTest, NamesResolveToTheirFirstAddress) {
  {
    auto lock = m_machine.Lock();
    m_machine.Net().SetHost("seoul.velk.example", {0x0100000A, 0x0200000A});
  }
  Host("10.0.0.1", {12});
  EXPECT_EQ(Ping(1, "seoul.velk.example"), (Strings{"服务器返回：", "12", "done:1"}));
  EXPECT_EQ(Sent().at(0).to, 0x0100000Au);
}

// A failing socket call: what the window is told, as an error, and how many
// requests went.
TEST_F(IcmpPingTest, SocketFailuresAreReportedWithTheirCodes) {
  struct Case {
    const char* call;
    int code;
    UINT count;
    Strings texts;
    size_t sent;
  };
  const Case cases[] = {
      // Before the header: nothing else follows.
      {"socket", 10013, 4, {"socket() - WSAError: 10013", "done:0"}, 0},
      // A failed send still waits, and times out.
      {"sendto", 10065, 2, {"服务器返回：", "sendto() - WSAError: 10065", "-1", "20", "done:1"}, 1},
      // The remaining requests are skipped.
      {"select", 10022, 4, {"服务器返回：", "select() - WSAError: 10022", "done:1"}, 1},
      // A receive failure without data counts as a timeout.
      {"recvfrom", 10054, 2, {"服务器返回：", "recvfrom() - WSAError: 10054", "-1", "20", "done:1"}, 2},
  };
  Host("10.0.0.1", {20});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.call);
    size_t before = Sent().size();
    {
      auto lock = m_machine.Lock();
      m_machine.Icmp().FailNext(c.call, c.code);
    }
    EXPECT_EQ(Ping(c.count, "10.0.0.1"), c.texts);
    EXPECT_EQ(Sent().size() - before, c.sent);
    // The error follows the header when there is one.
    EXPECT_EQ(m_messages.at(c.texts[0] == "服务器返回：" ? 1 : 0).kind, kPingError);
  }
}

TEST_F(IcmpPingTest, TextsForAWindowThatIsGoneAreFreedByThePoster) {
  Host("10.0.0.1", {5});
  CIcmpPing ping(Sockets(), System(), Windows(), m_texts);
  ping.Ping(2, "10.0.0.1", reinterpret_cast<HWND>(0x7777));
  EXPECT_EQ(m_texts.Outstanding(), 0);
  EXPECT_EQ(Sent().size(), 2u);
}

TEST_F(IcmpPingTest, TheProcessFirstRequestIsNumberOneWhicheverProberSendsTheNext) {
  CPingTexts otherTexts;
  CIcmpPing speedTest(Sockets(), System(), Windows(), otherTexts);
  speedTest.Ping(1, "10.0.0.9", reinterpret_cast<HWND>(0x7777));
  Ping(1, "10.0.0.9");
  std::vector<sim::SentDatagram> sent = Sent();
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0].bytes[4], 1);
  EXPECT_EQ(sent[0].bytes[6], 1);
  EXPECT_EQ(sent[1].bytes[4], 2);
  EXPECT_EQ(sent[1].bytes[6], 2);
}

}  // namespace
