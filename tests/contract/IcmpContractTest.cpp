// Contract of the sockets port's raw ICMP side, against the loopback
// address: the prober's requests go out and the local stack's echo replies
// come back. A real stack drops a request whose checksum is wrong, so this
// also checks the request's layout and checksum.
#include <gtest/gtest.h>

#include <vector>

#include "platform/Ports.h"
#include "probe/EchoRequest.h"
#include "tests/contract/ContractEnvironment.h"

namespace {

constexpr DWORD kLoopback = 0x0100007F;  // 127.0.0.1 in network byte order
constexpr DWORD kWaitMs = 2000;

class IcmpContract : public ContractTest {
 protected:
  void SetUp() override {
    m_socket = Sockets().OpenIcmpSocket();
    // Wine opens a raw socket of the host only with root's rights.
    if (!m_socket)
      GTEST_SKIP() << "no raw ICMP socket (error " << Sockets().LastError() << "): it needs root under Wine";
  }
  plat::ISockets& Sockets() { return *plat::Current().sockets; }
  plat::ISystem& System() { return *plat::Current().system; }

  // Waits up to kWaitMs for the reply to the request stamped so; datagrams
  // that are not that reply (our own request seen on the loopback, other
  // programs' traffic) are passed over.
  bool AwaitReply(CEchoRequest::Stamp stamp, DWORD& sendTick, std::vector<BYTE>& reply,
                  DWORD waitMs = kWaitMs) {
    DWORD start = System().GetTickCount();
    for (;;) {
      DWORD waited = System().GetTickCount() - start;
      if (waited >= waitMs) return false;
      int ready = Sockets().WaitReadable(m_socket, waitMs - waited);
      if (ready <= 0) return false;
      BYTE buffer[kEchoReplyBufferSize] = {};
      DWORD from = 0;
      int length = Sockets().ReceiveFrom(m_socket, buffer, kEchoReplyBufferSize, from);
      if (length < 0) continue;
      if (from == kLoopback && ReadEchoReply(buffer, length, stamp, sendTick)) {
        reply.assign(buffer, buffer + length);
        return true;
      }
    }
  }
  plat::RawSocket m_socket;
};

TEST_F(IcmpContract, LoopbackAnswersTheProbersRequestsWithTheirTicks) {
  for (int i = 0; i < 3; ++i) {
    BYTE request[kEchoRequestSize];
    DWORD tick = System().GetTickCount();
    CEchoRequest::Stamp stamp = CEchoRequest::Fill(Sockets().TakeEchoSerial(), tick, request);
    ASSERT_EQ(Sockets().SendTo(m_socket, request, kEchoRequestSize, kLoopback), kEchoRequestSize)
        << "error " << Sockets().LastError();
    DWORD echoed = 0;
    std::vector<BYTE> reply;
    ASSERT_TRUE(AwaitReply(stamp, echoed, reply)) << "no echo reply to request " << i;
    EXPECT_EQ(echoed, tick);
    // The reply echoes the request's data after its IPv4 header.
    size_t header = static_cast<size_t>(reply[0] & 0x0F) * 4;
    ASSERT_GE(reply.size(), header + kEchoRequestSize);
    EXPECT_EQ(reply[header], 0);  // echo reply
    for (int at = 8; at < kEchoRequestSize; ++at) EXPECT_EQ(reply[header + at], request[at]) << "byte " << at;
    DWORD rtt = System().GetTickCount() - echoed;
    EXPECT_LT(rtt, kWaitMs);
  }
}

TEST_F(IcmpContract, RequestWithAWrongChecksumGetsNoReply) {
  BYTE request[kEchoRequestSize];
  CEchoRequest::Stamp stamp =
      CEchoRequest::Fill(Sockets().TakeEchoSerial(), System().GetTickCount(), request);
  request[2] ^= 0x01;
  ASSERT_EQ(Sockets().SendTo(m_socket, request, kEchoRequestSize, kLoopback), kEchoRequestSize);
  DWORD echoed = 0;
  std::vector<BYTE> reply;
  EXPECT_FALSE(AwaitReply(stamp, echoed, reply, 300));
}

TEST_F(IcmpContract, CloseSucceedsOnceAndFailsOnAnEmptyOwner) {
  EXPECT_EQ(Sockets().CloseSocket(m_socket), 0);
  EXPECT_FALSE(m_socket);
  EXPECT_EQ(Sockets().CloseSocket(m_socket), plat::kSocketError);
  EXPECT_EQ(Sockets().LastError(), 10038);  // WSAENOTSOCK
}

}  // namespace
